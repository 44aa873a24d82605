// TForm2: scoring, the short verdict, the full report and its result list.
#include "questionnaires/eso_questionnaire.h"

#include "data/colors.h"
#include "data/data_store.h"
#include "platform/cp1252.h"
#include "platform/panel_transitions.h"
#include "questionnaires/result_list.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kTextLeft = 24;
constexpr int kTextTop = 2;
constexpr int kVerdictFontSize = 13;
constexpr int kReportFontSize = 11;
constexpr int kPointerGap = 17;

// UiText lines.
constexpr int kShowResultsLine = 45;
constexpr int kReviewLine = 328;
constexpr int kPrintLine = 273;
constexpr int kResultsGuideLine = 213;

QStringList decoded(const std::vector<std::string>& lines)
{
    QStringList shown;
    for (const std::string& line : lines)
        shown << cp1252::decode(line);
    return shown;
}

QFont courier(int pointSize)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(pointSize);
    return font;
}

// The 0-based index of report line n (1-based) among the ranked lines, or -1.
int rankedIndex(int line)
{
    const int i = line - eso::kFirstRankedLine;
    return i >= 0 && i < eso::kRankedLines ? i : -1;
}

} // namespace

void TForm2::BotResCuesClick()
{
    if (!resultsShown_) {
        showResults();
        return;
    }
    ShowWithRoll(PanelCuestio, 0);
    Gcuestio->show();
    hideAll({PanelCar, ListresCues, grabar, ImpResul, BotContinuar, LabelAviso});
    BotResCues->setText(store_.uiText[kShowResultsLine]);
    resultsShown_ = false;
    ShowWithRoll(PanelCuestio, 1);
}

void TForm2::showResults()
{
    if (mode_ == Mode::Full)
        showGuide(guideText(kResultsGuideLine, 8));
    resultsShown_ = true;
    PanelCar->hide();
    PanelMenu->hide();
    Gcuestio->hide();
    BotResCues->setText(store_.uiText[kReviewLine]);
    ImpResul->setText(store_.uiText[kPrintLine]);
    const eso::EsoScores scores = eso::scoreAnswers(store_, answers_, questionsInUse_);
    if (mode_ == Mode::Short)
        showShortVerdict(scores);
    else
        showFullReport(scores);
}

void TForm2::showShortVerdict(const eso::EsoScores& scores)
{
    const eso::ShortVerdict verdict = eso::shortVerdict(scores.overall, eso::hasWeakHabit(scores), reviewChance_);
    if (verdict.reviewChanceUsed)
        reviewChance_ = false;
    partTwo_ = verdict.partTwo;
    fullReportShown_ = false;
    resultLines_ = eso::verdictLines(store_, verdict);
    ListresCues->setFont(courier(kVerdictFontSize + fontSizeDelta_));
    ListresCues->setLines(decoded(resultLines_));
    ListresCues->show();
    // The arrow leads on only where the verdict says so; towards vocational
    // training it leads to the intermediate-grade questionnaire, not available yet.
    BotContinuar->setVisible(verdict.arrowLine);
    BotContinuar->setEnabled(partTwo_);
    BotContinuar->raise();
}

void TForm2::showFullReport(const eso::EsoScores& scores)
{
    report_ = eso::composeReport(store_, scores);
    fullReportShown_ = true;
    resultLines_ = report_.lines;
    ListresCues->setFont(courier(kReportFontSize + fontSizeDelta_));
    ShowWithRoll(PanelCuestio, 0);
    ListresCues->setLines(decoded(resultLines_));
    ListresCues->scrollToTop();
    ListresCues->show();
    ShowWithRoll(PanelCuestio, 1);
    grabar->show();
    ImpResul->show();
}

void TForm2::drawResultLine(QPainter& painter, const QRect& rect, int index)
{
    painter.fillRect(rect, ColorScreen);
    if (index < 0 || index >= static_cast<int>(resultLines_.size()))
        return;
    const std::string& line = resultLines_[static_cast<size_t>(index)];
    painter.setFont(ListresCues->font());
    painter.setPen(line.starts_with("  ") ? ColorTitle : QColor(Qt::black));
    painter.drawText(rect.adjusted(kTextLeft, kTextTop, 0, 0), Qt::AlignLeft | Qt::AlignTop, cp1252::decode(line));
    if (!fullReportShown_)
        return;

    const int n = index + 1;
    int group = 0;
    QRect target(rect.left(), rect.top(), 20, rect.height());
    if (n == eso::kFirstRecommendationLine) {
        group = report_.advice.bestGroup;
        target = QRect(rect.left() + 50, rect.top(), 25, rect.height());
    } else if (rankedIndex(n) >= 0) {
        group = report_.ranking[static_cast<size_t>(rankedIndex(n))].group;
    } else if (n == eso::kLikedIconLine) {
        group = eso::likedIconGroup(report_);
    }
    const int icon = eso::careerIcon(group);
    if (group > 0 && icon < ImageListIconos.size())
        painter.drawImage(target, ImageListIconos[icon]);
}

void TForm2::ListresCuesMouseMove(int line, QPoint viewportPos)
{
    if (!fullReportShown_ || !resultsShown_ || rankedIndex(line + 1) < 0) {
        LabelAviso->hide();
        return;
    }
    const QPoint at = ListresCues->viewport()->mapTo(this, viewportPos);
    LabelAviso->move(at.x(), at.y() + kPointerGap);
    LabelAviso->show();
    LabelAviso->raise();
}

void TForm2::ListresCuesClick(int line)
{
    const int i = rankedIndex(line + 1);
    if (!fullReportShown_ || !resultsShown_ || i < 0)
        return;
    openCareers(report_.ranking[static_cast<size_t>(i)].group);
}

void TForm2::BotContinuarClick()
{
    if (!partTwo_)
        return;
    BotContinuar->hide();
    leftToMenu_ = false;
    answersLoaded_ = false;
    mode_ = Mode::Full;
    questionsInUse_ = questionCount_;
    openGrid();
}
