#include "questionnaires/eso_questionnaire.h"

#include "app/main_menu.h"
#include "app/main_menu_widgets.h"
#include "app/question_dialog.h"
#include "app/screen_table.h"
#include "app/screens.h"
#include "data/data_store.h"
#include "data/screen_files.h"
#include "data/settings.h"
#include "platform/cp1252.h"
#include "platform/file_dialog_service.h"
#include "platform/print_service.h"
#include "questionnaires/result_list.h"
#include "support/recording_messages.h"
#include "support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Chooses the file for the pupil and remembers the names proposed.
class ScriptedSaveDialog final : public FileDialogService {
public:
    ScriptedSaveDialog() { setFileDialogService(this); }
    ~ScriptedSaveDialog() override { setFileDialogService(nullptr); }

    QString saveFileName(const QString&, const QString& proposedName, const QString& defaultSuffix) override
    {
        proposals << proposedName;
        suffixes << defaultSuffix;
        return path;
    }

    QString path;
    QStringList proposals;
    QStringList suffixes;
};

ScriptedDialogs::Step answer(bool yes)
{
    return [yes](QDialog& d) {
        auto& dialog = static_cast<TForm4&>(d);
        QTest::mouseClick(yes ? dialog.ShadowSi : dialog.ShadowNo, Qt::LeftButton);
    };
}

ScriptedDialogs::Step typeName(const QString& name)
{
    return [name](QDialog& d) {
        auto& dialog = static_cast<TForm4&>(d);
        EXPECT_TRUE(dialog.EditNombre->isVisible());
        dialog.EditNombre->setText(name);
        QTest::mouseClick(dialog.ShadowSi, Qt::LeftButton);
    };
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The screen over the real edition compiled into the build folder, with the
// shared question dialog; dialogs, messages and the save dialog are scripted.
class EsoScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        DataStore::reset();
        DataStore& s = DataStore::instance();
        s.initialise({{}, QStringLiteral(TRAZELA_BUILD_FOLDER), QStringLiteral(TRAZELA_BUILD_FOLDER), &settings});
        // What the degree screen, created earlier, loads for this one.
        screen_files::loadDegreeBrowserLanguageTables(s);
        screen_files::loadDegreeBrowserDataFiles(s);
        ASSERT_FALSE(s.run.startupAborted) << messages.shown.join(QLatin1Char('|')).toStdString();
        dialog = std::make_unique<TForm4>(s.uiText);
        screens().Form4 = dialog.get();
        form = std::make_unique<TForm2>(s);
        ASSERT_FALSE(s.run.startupAborted) << messages.shown.join(QLatin1Char('|')).toStdString();
        form->show();
    }

    void TearDown() override
    {
        form.reset();
        menu.reset();
        dialog.reset();
        screens() = Screens();
        QDir::setCurrent(QDir::tempPath());
    }

    DataStore& store() { return DataStore::instance(); }
    QString ui(int line) { return store().uiText[line]; }

    int typeOf(int question) { return eso::questionFrom(store().cuestion[question]).answerType; }
    QString cell(int question, int column)
    {
        const QTableWidgetItem* item = form->Gcuestio->item(question - 1, column);
        return item ? item->text() : QString();
    }
    QStringList resultList()
    {
        QStringList lines;
        for (int i = 0; i < form->ListresCues->count(); ++i)
            lines << form->ListresCues->item(i)->text();
        return lines;
    }
    void clickRow(int question)
    {
        QTableWidgetItem* item = form->Gcuestio->item(question - 1, 0);
        ASSERT_NE(item, nullptr);
        form->Gcuestio->scrollToItem(item);
        QTest::mouseClick(form->Gcuestio->viewport(), Qt::LeftButton, {},
                          form->Gcuestio->visualItemRect(item).center());
    }
    double shownScore()
    {
        return eso::shownScore(eso::scoreAnswers(store(), form->answers(), eso::kFirstPartQuestions).overall);
    }
    // Raises the answers of graded questions of the first part one step at a
    // time until the shown overall score lies in [low, high).
    void answerUntilScore(double low, double high)
    {
        for (int pass = 0; pass < 4 && shownScore() < low; ++pass)
            for (int q = 1; q <= eso::kFirstPartQuestions && shownScore() < low; ++q)
                if (typeOf(q) != 2 && form->answers()[q] < eso::optionCount(typeOf(q)))
                    form->GcuestioClick(q);
        ASSERT_GE(shownScore(), low);
        ASSERT_LT(shownScore(), high);
    }
    void answerEverythingHigh(int lastQuestion)
    {
        for (int q = 1; q <= lastQuestion; ++q)
            while (form->answers()[q] < std::min(eso::optionCount(typeOf(q)), 4))
                form->GcuestioClick(q);
    }
    // A full questionnaire answered with a pattern, then its report shown.
    void fullReport()
    {
        form->BotCuestio1Click();
        for (int q = 1; q <= store().cuestion.count; ++q)
            for (int clicks = 0; clicks < 1 + (q * 7) % 4; ++clicks)
                form->GcuestioClick(q);
        form->BotResCuesClick();
        ASSERT_FALSE(form->report().lines.empty());
    }

    RecordingMessages messages;
    ScriptedDialogs dialogs;
    QTemporaryDir temp;
    SettingsStore settings{temp.filePath(QStringLiteral("config/trazela16_17.ini"))};
    std::unique_ptr<TForm4> dialog;
    std::unique_ptr<Tform0> menu;
    std::unique_ptr<TForm2> form;
};

} // namespace

TEST_F(EsoScreen, RegisteredInGroupThreeAndOpenedByDoorsFourAndNine)
{
    const std::vector<ScreenEntry> table = programScreens();
    const auto entry = std::find_if(table.begin(), table.end(), [](const ScreenEntry& e) {
        return std::string_view(e.name) == "TForm2";
    });
    ASSERT_NE(entry, table.end());
    EXPECT_EQ(entry->group, 3);

    form.reset();
    menu = std::make_unique<Tform0>(store(), settings);
    screens().form0 = menu.get();
    form.reset(static_cast<TForm2*>(TForm2::create(store())));
    EXPECT_EQ(screens().Form2, form.get());
    EXPECT_TRUE(menu->LabelIti->isEnabled());
    EXPECT_TRUE(menu->LabelCuesE->isEnabled());

    for (int door : {9, 4}) {
        menu->show();
        menu->DoorClick(door);
        while (menu->TimerPuerta->isActive())
            menu->TimerPuertaTimer();
        for (int tick = 0; tick < 20 && menu->TimerZoom->isActive(); ++tick)
            menu->TimerZoomTimer();
        EXPECT_TRUE(form->isVisible()) << door;
        EXPECT_FALSE(menu->isVisible()) << door;
        EXPECT_EQ(form->botCuestio->isVisible(), door == 9);
        EXPECT_EQ(form->BotLOMCE->isVisible(), door == 4);
        form->BitAcabarLogseClick();
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(menu->isVisible()) << "back to the main menu";
    }

    store().run.assistantActive = true;
    form->openAsQuestionnaire();
    form->BotCuestio3Click();
    form->AcabarCuesClick();
    EXPECT_FALSE(form->isVisible()) << "the assistant's path leads to the main menu while there is no assistant";
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(EsoScreen, CaptionsComeFromTheInterfaceTexts)
{
    EXPECT_EQ(form->size(), QSize(1024, 768));
    EXPECT_TRUE(form->windowTitle().startsWith(ui(338) + QStringLiteral("  ")));
    EXPECT_EQ(form->botCuestio->text(), ui(52));
    EXPECT_EQ(form->BotCuestio1->text(), ui(76));
    EXPECT_EQ(form->BotCuestio3->toolTip(), ui(75));
    EXPECT_EQ(form->LabelAno->text(), ui(175) + QStringLiteral("\n2016/17"));
    EXPECT_FALSE(form->BotCuestio2->isEnabled()) << "the intermediate-grade questionnaire is a later screen";
    EXPECT_FALSE(form->BotLOMCE->isEnabled()) << "the LOMCE overview is a later screen";
    EXPECT_TRUE(form->PanelMenu2->isHidden());
    EXPECT_TRUE(form->PanelCuestio->isHidden());
    EXPECT_EQ(form->Gcuestio->horizontalHeaderItem(0)->text(), ui(52));
    EXPECT_EQ(form->Gcuestio->horizontalHeaderItem(1)->text(), ui(37));
    EXPECT_EQ(form->Gcuestio->horizontalHeaderItem(2)->text(), QStringLiteral("Not"));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(form->botCuestio, &enter);
    EXPECT_TRUE(form->PanelMenu2->isVisible());
    QApplication::sendEvent(form->BitAcabarLogse, &enter);
    EXPECT_FALSE(form->PanelMenu2->isVisible());
}

TEST_F(EsoScreen, ClosingAsksToLeaveTheProgram)
{
    dialogs.steps = {answer(false)};
    form->close();
    EXPECT_EQ(dialogs.shown, 1);
    EXPECT_EQ(dialog->LabelNombre->text(), ui(49));
    EXPECT_TRUE(form->isVisible()) << "refused: the screen stays";
    EXPECT_FALSE(store().run.startupAborted);
}

TEST_F(EsoScreen, ClicksAndEnterCycleEachAnswerType)
{
    form->BotCuestio1Click();
    EXPECT_EQ(form->Gcuestio->rowCount(), store().cuestion.count);
    EXPECT_EQ(cell(1, 0), cp1252::decode(text::columns(store().cuestion[1], 3, 48)));
    std::map<int, int> firstOfType;
    for (int q = store().cuestion.count; q >= 1; --q)
        firstOfType[typeOf(q)] = q;
    const std::map<int, std::vector<std::pair<int, QString>>> cycles = {
        {2, {{141, "***"}, {140, ""}}},
        {3, {{137, "*"}, {138, "**"}, {139, "***"}, {136, ""}}},
        {4, {{133, "*"}, {134, "**"}, {135, "***"}, {132, ""}}},
        {5, {{128, "*"}, {129, "*"}, {130, "**"}, {131, "***"}, {127, ""}}},
    };
    for (const auto& [type, cycle] : cycles) {
        ASSERT_TRUE(firstOfType.contains(type)) << type;
        const int q = firstOfType[type];
        EXPECT_EQ(cell(q, 1), "");
        for (const auto& [line, stars] : cycle) {
            clickRow(q);
            EXPECT_EQ(cell(q, 1), ui(line).left(12)) << "type " << type;
            EXPECT_EQ(cell(q, 2), stars) << "type " << type;
        }
        EXPECT_EQ(form->answers()[q], 1);
    }

    form->Gcuestio->setCurrentCell(4, 0);
    QTest::keyClick(form->Gcuestio, Qt::Key_Return);
    EXPECT_EQ(form->answers()[5], 2) << "Enter answers the selected row";
}

TEST_F(EsoScreen, NoAnswersGiveTheVocationalVerdict)
{
    form->BotCuestio3Click();
    EXPECT_EQ(form->Gcuestio->rowCount(), 35);
    EXPECT_FALSE(form->botCuestio->isEnabled());
    EXPECT_FALSE(form->BitAcabarLogse->isVisible());
    EXPECT_EQ(form->guideLines()[0], ui(207));
    form->BotResCuesClick();
    const QStringList list = resultList();
    ASSERT_EQ(list.size(), 13);
    EXPECT_EQ(list[2], ui(124));
    EXPECT_EQ(list[3], ui(150));
    EXPECT_EQ(list[4], ui(151));
    EXPECT_EQ(list[11], QStringLiteral("   ") + ui(125));
    EXPECT_EQ(list[12], ui(202));
    EXPECT_FALSE(form->Gcuestio->isVisible());
    EXPECT_EQ(form->BotResCues->text(), ui(328));
    EXPECT_TRUE(form->BotContinuar->isVisible());
    EXPECT_FALSE(form->BotContinuar->isEnabled()) << "the vocational branch leads to a later screen";
    EXPECT_FALSE(form->grabar->isVisible());
    EXPECT_EQ(form->BotContinuar->geometry().topLeft(),
              QPoint(form->AcabarCues->geometry().right() + 1 + 10, form->AcabarCues->y() - 4));
}

TEST_F(EsoScreen, LowScoreReviewsOnceThenVocational)
{
    form->BotCuestio3Click();
    answerUntilScore(4.4, 5.0);
    form->BotResCuesClick();
    QStringList list = resultList();
    EXPECT_EQ(list.mid(3, 4), (QStringList{ui(146), ui(147), ui(148), ui(149)}));
    EXPECT_EQ(list[11], "");
    EXPECT_EQ(list[12], "");
    EXPECT_FALSE(form->BotContinuar->isVisible());
    EXPECT_FALSE(form->reviewChance());

    form->BotResCuesClick();
    EXPECT_TRUE(form->Gcuestio->isVisible());
    EXPECT_EQ(form->BotResCues->text(), ui(45));
    form->BotResCuesClick();
    list = resultList();
    EXPECT_EQ(list[3], ui(150));
    EXPECT_EQ(list[12], ui(202));
}

TEST_F(EsoScreen, PartTwoKeepsTheFirstAnswers)
{
    form->BotCuestio3Click();
    answerEverythingHigh(35);
    const eso::EsoAnswers firstPart = form->answers();
    form->BotResCuesClick();
    EXPECT_EQ(resultList()[3], ui(142));
    EXPECT_EQ(resultList()[12], ui(201));
    ASSERT_TRUE(form->BotContinuar->isEnabled());
    QTest::mouseClick(form->BotContinuar, Qt::LeftButton);

    EXPECT_EQ(form->mode(), TForm2::Mode::Full);
    EXPECT_EQ(form->Gcuestio->rowCount(), store().cuestion.count);
    EXPECT_TRUE(form->Gcuestio->isVisible());
    for (int q = 1; q <= 35; ++q)
        EXPECT_EQ(form->answers()[q], firstPart[q]) << q;
    for (int q = 36; q <= store().cuestion.count; ++q) {
        EXPECT_EQ(form->answers()[q], 1) << q;
        EXPECT_EQ(cell(q, 1), "") << q;
        EXPECT_FALSE(cell(q, 0).isEmpty()) << q;
    }
    EXPECT_FALSE(cell(1, 1).isEmpty()) << "row 1 still shows its answer";
}

TEST_F(EsoScreen, AnotherPupilOrTheSameOne)
{
    form->BotCuestio3Click();
    form->GcuestioClick(3);
    form->AcabarCuesClick();
    EXPECT_TRUE(form->PanelCuestio->isHidden());
    EXPECT_TRUE(form->botCuestio->isEnabled());
    EXPECT_TRUE(form->leftToMenu());

    dialogs.steps = {answer(false), answer(true)};
    form->BotCuestio3Click();
    EXPECT_EQ(dialog->LabelNombre->text(), ui(329));
    EXPECT_EQ(form->mode(), TForm2::Mode::Full) << "the same pupil continues with the full questionnaire";
    EXPECT_EQ(form->Gcuestio->rowCount(), store().cuestion.count);
    EXPECT_EQ(form->answers()[3], 2);
    EXPECT_FALSE(cell(112, 0).isEmpty()) << "questions not seen before get their rows";

    form->AcabarCuesClick();
    form->BotCuestio3Click();
    EXPECT_EQ(dialogs.shown, 2);
    EXPECT_EQ(form->mode(), TForm2::Mode::Short);
    EXPECT_EQ(form->answers()[3], 1) << "a new pupil starts unanswered";
    EXPECT_EQ(cell(3, 1), "");
    EXPECT_TRUE(form->reviewChance());
}

TEST_F(EsoScreen, FullReportPrintsAndSavesWithTheNameAskedOnce)
{
    fullReport();
    const eso::EsoReport& report = form->report();
    EXPECT_GE(report.lines.size(), 37u);
    EXPECT_LE(report.lines.size(), 48u);
    EXPECT_EQ(resultList().size(), static_cast<int>(report.lines.size()));
    EXPECT_EQ(resultList()[16], cp1252::decode(report.lines[16]));
    EXPECT_TRUE(form->ImpResul->isVisible());
    EXPECT_TRUE(form->grabar->isVisible());
    EXPECT_EQ(form->guideLines()[0], ui(213));

    RecordingPrintService printer;
    dialogs.steps = {typeName(""), typeName(QString::fromUtf8("Lucía Pérez"))};
    form->ImpResulClick();
    EXPECT_EQ(dialogs.shown, 2) << "an empty name is asked again";
    const std::string name = cp1252::encode(QString::fromUtf8("Lucía Pérez  -  4º de ESO"));
    EXPECT_EQ(form->PupilName(), name);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(store().reportBuffer[0], name);
    EXPECT_EQ(store().reportBuffer[2], report.lines[0]);

    ScriptedSaveDialog save;
    save.path = temp.filePath(QStringLiteral("lucia.TXT"));
    form->grabarClick();
    form->grabarClick();
    EXPECT_EQ(dialogs.shown, 2) << "the name is asked only once";
    EXPECT_EQ(save.proposals, QStringList(2, cp1252::decode(name)));
    EXPECT_EQ(save.suffixes.value(0), QStringLiteral("TXT"));
    EXPECT_EQ(messages.asked.size(), 1) << "the second save asks before replacing";
    EXPECT_TRUE(messages.asked.value(0).contains(QStringLiteral("lucia.TXT")));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList{QStringLiteral("lucia.TXT")})
        << "no temporary file is left behind";

    QByteArray expected = QByteArray::fromStdString(name) + "\r\n\r\n";
    for (const std::string& line : report.lines)
        expected += QByteArray::fromStdString(line) + "\r\n";
    EXPECT_EQ(fileBytes(save.path), expected);
    EXPECT_TRUE(fileBytes(save.path).contains("\r\n   "));
    EXPECT_EQ(form->guideLines()[0], ui(22));
}

TEST_F(EsoScreen, SavingNeverLosesTheOldFile)
{
    fullReport();
    dialogs.steps = {typeName(QStringLiteral("Ana"))};
    ScriptedSaveDialog save;
    save.path = temp.filePath(QStringLiteral("Ana.TXT"));
    QFile old(save.path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old report\r\n");
    old.close();

    messages.answers = {false};
    form->grabarClick();
    EXPECT_EQ(fileBytes(save.path), "old report\r\n") << "replacing refused";

    save.path = temp.filePath(QStringLiteral("missing-folder/Ana.TXT"));
    form->grabarClick();
    EXPECT_EQ(messages.shown, QStringList{ui(332)}) << "a write error is told to the pupil";
    EXPECT_NE(form->guideLines()[0], ui(22));

    save.path.clear();
    form->grabarClick();
    EXPECT_EQ(messages.shown.size(), 1) << "a cancelled dialog writes nothing";
}

TEST_F(EsoScreen, CareersPanelOpensFromTheRankedLines)
{
    fullReport();
    const int best = form->report().ranking.front().group;
    form->ListresCuesMouseMove(16, QPoint(40, 330));
    EXPECT_TRUE(form->LabelAviso->isVisible());
    EXPECT_EQ(form->LabelAviso->text(), ui(283));
    form->ListresCuesMouseMove(5, QPoint(40, 110));
    EXPECT_FALSE(form->LabelAviso->isVisible());

    form->ListresCuesClick(16);
    EXPECT_TRUE(form->PanelCar->isVisible());
    EXPECT_EQ(form->ListCar->item(0)->text(), QStringLiteral("   ") + store().itinerar.text(best));
    EXPECT_EQ(form->careers(), eso::careerLines(store(), best));

    RecordingPrintService printer;
    store().reportBoldLines.add(3);
    form->BotImpTitClick();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const QString heading = cp1252::decode(text::trimRight(form->careers()[2]));
    int headings = 0;
    for (const PrintedItem& item : printer.jobs[0].pages.front())
        if (item.text.trimmed() == heading) {
            ++headings;
            EXPECT_FALSE(item.font.bold()) << "the titles printout has no bold lines";
        }
    EXPECT_EQ(headings, 1);
    EXPECT_EQ(store().reportBuffer[1], std::string(13, ' ') + std::string(store().uiText.bytes(190)));

    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->PanelCar->isVisible());
    EXPECT_TRUE(form->ListresCues->isVisible()) << "Esc closes the panel first";
}

TEST_F(EsoScreen, ScreensGrabbedAndReportPrintedToPdf)
{
    const QString folder = qEnvironmentVariableIsSet("TRAZELA_GRAB_DIR") ? qEnvironmentVariable("TRAZELA_GRAB_DIR")
                                                                          : temp.path();
    auto grab = [&](const char* name) {
        EXPECT_TRUE(form->grab().save(folder + QLatin1Char('/') + QLatin1String(name))) << name;
    };
    form->botCuestioMouseEnter();
    grab("eso_menu.png");
    form->BotCuestio3Click();
    answerEverythingHigh(20);
    for (int tick = 0; tick < 9; ++tick)
        form->TimerAyudaTimer();
    grab("eso_grid.png");
    form->BotResCuesClick();
    grab("eso_verdict.png");
    form->AcabarCuesClick();
    dialogs.steps = {answer(true)};
    fullReport();
    for (int tick = 0; tick < 9; ++tick)
        form->TimerAyudaTimer();
    grab("eso_report.png");
    form->ListresCuesClick(16);
    grab("eso_careers.png");

    const QString pdf = folder + QStringLiteral("/eso_report.pdf");
    std::unique_ptr<PrintService> printer = pdfPrintService(pdf);
    setPrintService(printer.get());
    dialogs.steps.push_back(typeName(QString::fromUtf8("Lucía Pérez")));
    form->ImpResulClick();
    setPrintService(nullptr);
    EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF"));
}
