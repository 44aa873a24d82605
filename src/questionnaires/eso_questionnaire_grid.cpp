// TForm2: the menu, starting a questionnaire, the question grid and answering.
#include "questionnaires/eso_questionnaire.h"

#include "app/question_dialog.h"
#include "app/screens.h"
#include "data/data_store.h"
#include "platform/cp1252.h"
#include "questionnaires/result_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kOptionLabelLength = 12;
constexpr int kQuestionTextFirst = 3;
constexpr int kQuestionTextLength = 48;

// UiText lines.
constexpr int kShowResultsLine = 45;
constexpr int kEndLine = 222;
constexpr int kAnotherPupilLine = 329;
constexpr int kQuestionnaireGuideLine = 207;
constexpr int kQuestionnaireGuideLines = 6;

} // namespace

void TForm2::botCuestioMouseEnter()
{
    if (!botCuestio->isEnabled())
        return;
    PanelMenu2->show();
    PanelMenu2->raise();
}

void TForm2::BitAcabarLogseMouseEnter()
{
    PanelMenu2->hide();
}

void TForm2::BotCuestio1Click()
{
    startQuestionnaire(Mode::Full);
}

void TForm2::BotCuestio3Click()
{
    startQuestionnaire(Mode::Short);
}

void TForm2::startQuestionnaire(Mode mode)
{
    botCuestio->setEnabled(false);
    BotLOMCE->hide();
    PanelMenu2->hide();
    BitAcabarLogse->hide();
    PanelCuestio->show();
    mode_ = mode;
    questionsInUse_ = mode == Mode::Short ? eso::kFirstPartQuestions : questionCount_;
    partTwo_ = false;
    openGrid();
}

void TForm2::openGrid()
{
    hideAll({ListresCues, LabelAviso, PanelCar, ImpResul, grabar});
    PanelCuestio->show();
    Gcuestio->show();
    BotResCues->setText(store_.uiText[kShowResultsLine]);
    BotResCues->show();
    AcabarCues->setText(store_.uiText[kEndLine]);
    AcabarCues->show();
    BotContinuar->hide();
    resultsShown_ = false;

    if (leftToMenu_ && answersLoaded_) {
        TForm4* dialog = screens().Form4;
        bool newPupil = false;
        if (dialog) {
            dialog->LabelNombre->setText(store_.uiText[kAnotherPupilLine]);
            dialog->EditNombre->hide();
            newPupil = dialog->ask();
        }
        if (newPupil) {
            leftToMenu_ = false;
            answersLoaded_ = false;
            pupilName_.clear();
            reviewChance_ = true;
            answers_.resetFrom(1);
            report_ = {};
        } else {
            questionsInUse_ = questionCount_;
            mode_ = Mode::Full;
        }
    }

    showGuide(partTwo_ ? guideLines_ : guideText(kQuestionnaireGuideLine, kQuestionnaireGuideLines));

    Gcuestio->setRowCount(questionsInUse_);
    Gcuestio->scrollToTop();
    if (!answersLoaded_) {
        answersLoaded_ = true;
        if (!store_.run.assistantActive)
            Gcuestio->setFocus();
        const int first = partTwo_ ? eso::kFirstPartQuestions + 1 : 1;
        const int last = partTwo_ ? questionCount_ : questionsInUse_;
        for (int q = first; q <= last; ++q)
            fillRow(q);
        if (partTwo_ && Gcuestio->rowCount() > eso::kFirstPartQuestions)
            Gcuestio->scrollToItem(Gcuestio->item(eso::kFirstPartQuestions, 0), QAbstractItemView::PositionAtTop);
    }
    // Questions this pupil has not seen yet (the full questionnaire after a
    // short one) start unanswered too.
    for (int q = 1; q <= questionsInUse_; ++q)
        if (!Gcuestio->item(q - 1, 0))
            fillRow(q);
}

void TForm2::fillRow(int question)
{
    const std::string& line = store_.cuestion[question];
    answers_.set(question, 1);
    Gcuestio->setItem(question - 1, 0,
                      new QTableWidgetItem(cp1252::decode(text::columns(line, kQuestionTextFirst, kQuestionTextLength))));
    Gcuestio->setItem(question - 1, 1, new QTableWidgetItem);
    Gcuestio->setItem(question - 1, 2, new QTableWidgetItem);
}

void TForm2::showAnswer(int question)
{
    const int type = eso::questionFrom(store_.cuestion[question]).answerType;
    const int answer = answers_[question];
    const int labelLine = eso::optionLine(type, answer);
    const QString label = labelLine ? store_.uiText[labelLine].left(kOptionLabelLength) : QString();
    Gcuestio->setItem(question - 1, 1, new QTableWidgetItem(label));
    Gcuestio->setItem(question - 1, 2, new QTableWidgetItem(QString::fromLatin1(eso::optionStars(type, answer))));
}

void TForm2::GcuestioClick(int row)
{
    if (resultsShown_ || row < 1 || row > questionsInUse_ || !Gcuestio->item(row - 1, 0))
        return;
    const int type = eso::questionFrom(store_.cuestion[row]).answerType;
    answers_.set(row, eso::nextAnswer(type, answers_[row]));
    showAnswer(row);
}

void TForm2::menuState()
{
    botCuestio->show();
    botCuestio->setEnabled(true);
    BitAcabarLogse->show();
    PanelMenu2->show();
    PanelMenu->show();
    hideAll({BotContinuar, PanelCar, PanelCuestio, ListresCues, BotResCues, AcabarCues, ImpResul, grabar,
             LabelAviso});
    leftToMenu_ = true;
    escapeEndsQuestionnaire_ = true;
}

void TForm2::AcabarCuesClick()
{
    menuState();
    if (store_.run.assistantActive)
        returnToCaller();
}
