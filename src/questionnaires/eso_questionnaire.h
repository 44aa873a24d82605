#pragma once

#include "questionnaires/eso_report.h"
#include "questionnaires/eso_scoring.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

class DataStore;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;
class ResultList;

// The ESO questionnaire and itineraries screen: a menu of questionnaires (or,
// as the itineraries entry, the LOMCE button), the question grid answered by
// clicks, the short questionnaire's verdict, the full report with its careers
// panel, printing and saving, and the guide who talks in eight lines.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(DataStore& store, QWidget* parent = nullptr);

    // Creates the screen and hooks main-menu doors 4 and 9 to it.
    static QWidget* create(DataStore& store);

    // How the callers open it: itineraries (LOMCE button) or questionnaires.
    void openAsItineraries();
    void openAsQuestionnaire();

    enum class Mode { Short, Full };
    Mode mode() const { return mode_; }
    int questionsInUse() const { return questionsInUse_; }
    bool partTwo() const { return partTwo_; }
    bool answersLoaded() const { return answersLoaded_; }
    bool leftToMenu() const { return leftToMenu_; }
    bool resultsShown() const { return resultsShown_; }
    bool reviewChance() const { return reviewChance_; }
    const eso::EsoAnswers& answers() const { return answers_; }
    // The pupil's name with the course (Windows-1252), empty for a new pupil.
    const std::string& PupilName() const { return pupilName_; }
    const eso::EsoReport& report() const { return report_; }
    const std::vector<std::string>& careers() const { return careers_; }
    // The guide's eight lines as last shown.
    const std::array<QString, 8>& guideLines() const { return guideLines_; }

    QFrame* PanelMenu;
    QPushButton* botCuestio;
    QPushButton* BotLOMCE;
    QPushButton* BitAcabarLogse;
    QFrame* PanelMenu2;
    QPushButton* BotCuestio1;
    QPushButton* BotCuestio2;
    QPushButton* BotCuestio3;
    QFrame* PanelCuestio;
    QTableWidget* Gcuestio;
    ResultList* ListresCues;
    QPushButton* BotResCues;
    QPushButton* AcabarCues;
    QPushButton* ImpResul;
    QPushButton* grabar;
    QPushButton* BotContinuar;
    QFrame* PanelCar;
    QListWidget* ListCar;
    QPushButton* BotCerrar;
    QPushButton* BotImpTit;
    QLabel* LabelAviso;
    QFrame* payuda;
    std::array<QLabel*, 8> LabelAyu{}; // LabelAyu1..LabelAyu8
    QLabel* chica;
    QTimer* TimerAyuda;
    QLabel* LabelAno;

    QList<QImage> ImageList1;
    QList<QImage> ImageListIconos;

    void botCuestioMouseEnter();
    void BitAcabarLogseMouseEnter();
    void BitAcabarLogseClick();
    void BotCuestio1Click();
    void BotCuestio3Click();
    void GcuestioClick(int row);
    void BotResCuesClick();
    void AcabarCuesClick();
    void BotContinuarClick();
    void ImpResulClick();
    void grabarClick();
    void ListresCuesMouseMove(int line, QPoint viewportPos);
    void ListresCuesClick(int line);
    void BotCerrarClick();
    void ListCarClick();
    void BotImpTitClick();
    void TimerAyudaTimer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void hideAll(std::initializer_list<QWidget*> widgets);
    void loadTables();
    void createMenu();
    void createQuestionnairePanel();
    void createCareersPanel();
    void createGuide();
    void setTexts();

    void startQuestionnaire(Mode mode);
    void openGrid();
    void fillRow(int question);
    void showAnswer(int question);
    void menuState();
    void showResults();
    void showShortVerdict(const eso::EsoScores& scores);
    void showFullReport(const eso::EsoScores& scores);
    void drawResultLine(QPainter& painter, const QRect& rect, int index);
    void openCareers(int careerGroup);
    void closeCareers();
    bool askPupilName();
    void returnToCaller();
    void returnToMainMenu();
    void showGuide(const std::array<QString, 8>& lines);
    std::array<QString, 8> guideText(int firstLine, int lineCount) const;

    DataStore& store_;
    int fontSizeDelta_ = 0;
    bool gradientBackground_ = false;

    Mode mode_ = Mode::Short;
    int questionCount_ = 0;
    int questionsInUse_ = eso::kFirstPartQuestions;
    bool partTwo_ = false;
    bool answersLoaded_ = false;
    bool leftToMenu_ = false;
    bool resultsShown_ = false;
    bool reviewChance_ = true;
    bool fullReportShown_ = false;
    bool escapeEndsQuestionnaire_ = false;
    eso::EsoAnswers answers_;
    std::string pupilName_;
    eso::EsoReport report_;
    std::vector<std::string> resultLines_;
    std::vector<std::string> careers_;

    std::array<QString, 8> guideLines_;
    int guideTick_ = 0;
};
