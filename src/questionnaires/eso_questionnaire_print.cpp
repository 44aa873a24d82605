// TForm2: the pupil's name, printing and saving the report.
#include "questionnaires/eso_questionnaire.h"

#include "app/question_dialog.h"
#include "app/screens.h"
#include "data/data_store.h"
#include "platform/cp1252.h"
#include "platform/file_dialog_service.h"
#include "platform/message_service.h"
#include "platform/print_service.h"
#include "questionnaires/report_file.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kNameLength = 45;
const QString kSuffix = QStringLiteral("TXT");

// UiText lines.
constexpr int kNameLine = 339;
constexpr int kSaveCaptionLine = 330;
constexpr int kNotSavedLine = 332;
constexpr int kSavedGuideLine = 22;
constexpr int kSavedGuideLines = 7;

// The pupil's name as a file name: no folder separators.
QString fileNameFor(const std::string& pupilName)
{
    QString name = cp1252::decode(pupilName);
    return name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
}

} // namespace

bool TForm2::askPupilName()
{
    if (!pupilName_.empty())
        return true;
    TForm4* dialog = screens().Form4;
    if (!dialog)
        return false;
    QString name;
    while (name.trimmed().isEmpty()) {
        dialog->LabelNombre->setText(store_.uiText[kNameLine]);
        dialog->EditNombre->clear();
        dialog->EditNombre->show();
        if (!dialog->ask())
            return false;
        name = dialog->EditNombre->text().left(kNameLength);
    }
    pupilName_ = eso::pupilNameWithCourse(cp1252::encode(name));
    return true;
}

void TForm2::ImpResulClick()
{
    if (report_.lines.empty() || !askPupilName())
        return;
    const int lines = eso::fillPrintedReport(store_, pupilName_, report_.lines);
    if (printService().choosePrinter())
        printPortraitReport(store_.reportBuffer, lines, ReportFont::Fixed, 12);
}

void TForm2::grabarClick()
{
    if (report_.lines.empty() || !askPupilName())
        return;
    FileDialogService& dialogs = fileDialogService();
    const QString path = dialogs.saveFileName(store_.uiText[kSaveCaptionLine], fileNameFor(pupilName_), kSuffix);
    if (path.isEmpty() || (QFileInfo::exists(path) && !dialogs.confirmReplace(path)))
        return;
    eso::fillPrintedReport(store_, pupilName_, report_.lines);
    PanelCar->hide();
    if (!writeReportFile(path, eso::savedReport(pupilName_, report_.lines))) {
        messageService().show(store_.uiText[kNotSavedLine]);
        return;
    }
    showGuide(guideText(kSavedGuideLine, kSavedGuideLines));
}
