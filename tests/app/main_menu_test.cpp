#include "app/main_menu.h"

#include "app/main_menu_doors.h"
#include "app/main_menu_widgets.h"
#include "app/screen_table.h"
#include "data/colors.h"
#include "data/data_store.h"
#include "support/recording_messages.h"
#include "support/synthetic_edition.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

QColor textColour(const QWidget* label)
{
    return label->palette().color(QPalette::Active, QPalette::WindowText);
}

void moveMouseOver(QWidget* widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// A menu over a synthetic data folder with the menu's two pictures, settings
// in a file of the test's own.
class MainMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        DataStore::reset();
        data = root.filePath(QStringLiteral("trazela16_17"));
        writeSyntheticEdition(data);
        QImage(120, 150, QImage::Format_RGB32).save(data + QStringLiteral("/imagen"), "BMP");
        QImage(180, 90, QImage::Format_RGB32).save(data + QStringLiteral("/rotulon.bmp"), "BMP");
    }

    void TearDown() override
    {
        menu.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    Tform0& start(const SettingsStore& stored)
    {
        DataStore& store = DataStore::instance();
        store.initialise({{}, root.path(), root.path(), &stored});
        EXPECT_FALSE(store.run.startupAborted) << messages.shown.join(QLatin1Char('|')).toStdString();
        menu = std::make_unique<Tform0>(store, stored);
        return *menu;
    }
    Tform0& start() { return start(settings); }

    // Runs a door's opening and zoom ticks until the door action has run.
    static void runDoorAnimation(Tform0& form)
    {
        while (form.TimerPuerta->isActive())
            form.TimerPuertaTimer();
        for (int tick = 0; tick < 20 && form.TimerZoom->isActive(); ++tick)
            form.TimerZoomTimer();
    }

    RecordingMessages messages;
    QTemporaryDir root;
    QString data;
    SettingsStore settings{root.filePath(QStringLiteral("config/trazela16_17.ini"))};
    std::unique_ptr<Tform0> menu;
};

} // namespace

TEST_F(MainMenu, IsTheFirstMainWindowOfTheScreenTable)
{
    const std::vector<ScreenEntry> table = programScreens();
    ASSERT_FALSE(table.empty());
    EXPECT_STREQ(table.front().name, "Tform0");
    EXPECT_EQ(table.front().group, 0);
    EXPECT_FALSE(table.front().animatedOnly);
}

TEST_F(MainMenu, CaptionsAndHintsComeFromTheirInterfaceLines)
{
    Tform0& form = start();
    EXPECT_EQ(form.size(), QSize(1024, 768));
    EXPECT_EQ(form.LabelCuesB->text(), "Texto 8\nTexto 9\nTexto 10\nTexto 11");
    EXPECT_EQ(form.LabelCuesE->text(), "Texto 8\nTexto 9\nTexto 10\nTexto 12");
    EXPECT_EQ(form.LabelProfe->text(), "Texto 622 Texto 623");
    EXPECT_EQ(form.LabelConfig->text(), "Texto 121\nTexto 396\nTexto 606");
    EXPECT_EQ(form.LabelCuesE->toolTip(), "Texto 305\nTexto 509 Texto 510");
    EXPECT_EQ(form.LabelFPM->toolTip(),
              "Texto 113\nTexto 154\nTexto 155\nTexto 156\nTexto 157\nTexto 158\nTexto 159");
    EXPECT_EQ(form.LabelDejar->text(), "Texto 587\nTexto 588");
    EXPECT_EQ(form.ImageDejar->toolTip(), "Texto 580");
    EXPECT_EQ(form.LabelAno->text(), "2016/17");
    EXPECT_EQ(form.BotRetroce->text(), "Texto 222") << "without animation the button ends the program";
    EXPECT_FALSE(form.BotRetroce->isHidden());
    for (const QWidget* hidden : {static_cast<QWidget*>(form.Bocadillo1), static_cast<QWidget*>(form.anda),
                                  static_cast<QWidget*>(form.PanelAyuda), static_cast<QWidget*>(form.panelConfigu)})
        EXPECT_TRUE(hidden->isHidden());
    EXPECT_EQ(form.ImageList1.size(), 8);
    EXPECT_EQ(form.ImageListPuerta.size(), 5);
}

TEST_F(MainMenu, GuideWalksInThenTheBalloonChangesItsText)
{
    Tform0& form = start();
    EXPECT_TRUE(form.piloto->isActive());
    EXPECT_TRUE(form.LabelCarreras->toolTip().isEmpty()) << "hints of doors 1 and 2 wait for the guide";
    EXPECT_TRUE(form.LabelCat->toolTip().isEmpty());
    for (int tick = 0; tick < menu_doors::kGuideFrames; ++tick)
        form.pilotoTimer();
    EXPECT_FALSE(form.piloto->isActive());
    EXPECT_EQ(form.anda->pos(), QPoint(164, 235));
    EXPECT_EQ(form.LabelCarreras->toolTip(), "Texto 306\nTexto 551");
    EXPECT_EQ(form.LabelCat->toolTip(), "Texto 224");
    EXPECT_FALSE(form.Bocadillo1->isHidden());
    EXPECT_FALSE(form.LabelBocadillo1->isHidden());
    EXPECT_EQ(form.LabelBocadillo1->text(), "Texto 264\nTrazela.\nTexto 175 2016/17.");
    ASSERT_TRUE(form.TimerTexto->isActive());
    EXPECT_EQ(form.TimerTexto->interval(), 3000);

    form.TimerTextoTimer();
    EXPECT_FALSE(form.TimerTexto->isActive());
    EXPECT_TRUE(form.LabelBocadillo1->isHidden());
    EXPECT_FALSE(form.labelBocadillo2->isHidden());
    EXPECT_EQ(form.labelBocadillo2->text(), "Texto 16\nTexto 265\nTexto 266\nTexto 267");
}

TEST_F(MainMenu, DoorsWithoutASectionAreDisabledAndDoNothing)
{
    Tform0& form = start();
    form.show();
    for (int door = 1; door <= menu_doors::kDoorCount; ++door)
        EXPECT_EQ(form.doorLabels[door]->isEnabled(), door == menu_doors::kConfigurationDoor) << "door " << door;
    EXPECT_FALSE(form.LabelDejar->isEnabled());
    EXPECT_EQ(form.LabelCuesB->toolTip(), "Texto 305\nTexto 301\nTexto 302") << "a disabled door keeps its hint";

    QTest::mouseClick(form.LabelCuesE, Qt::LeftButton);
    form.DoorClick(9);
    QTest::mouseClick(form.LabelDejar, Qt::LeftButton);
    form.LabelDejarClick();
    EXPECT_EQ(form.selectedDoor(), 0);
    EXPECT_FALSE(form.TimerPuerta->isActive());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(MainMenu, DoorOpensThenZoomsThenShowsItsSection)
{
    Tform0& form = start();
    form.show();
    int shown = 0;
    bool menuVisibleWhenShown = true;
    form.setDoorAction(8, [&] {
        ++shown;
        menuVisibleWhenShown = form.isVisible();
    });
    ASSERT_TRUE(form.LabelCuesB->isEnabled());

    QTest::mouseClick(form.LabelCuesB, Qt::LeftButton);
    EXPECT_EQ(form.selectedDoor(), 8);
    EXPECT_FALSE(form.piloto->isActive());
    EXPECT_TRUE(form.TimerPuerta->isActive());
    EXPECT_EQ(form.LabelCuesB->palette().color(QPalette::Window), ColorPanel);
    EXPECT_TRUE(form.LabelCuesB->toolTip().isEmpty());
    EXPECT_TRUE(form.Bocadillo1->isHidden());

    for (int tick = 0; tick < menu_doors::kDoorFrames; ++tick)
        form.TimerPuertaTimer();
    EXPECT_FALSE(form.TimerPuerta->isActive());
    EXPECT_TRUE(form.anda->isHidden());
    EXPECT_EQ(form.anda->pos(), QPoint(form.LabelCuesB->x() + 4, 470)) << "the last frame 40 pixels above 510";
    ASSERT_TRUE(form.TimerZoom->isActive());

    int drawingTicks = 0;
    while (form.TimerZoom->isActive() && shown == 0) {
        form.TimerZoomTimer();
        if (shown == 0) {
            ++drawingTicks;
            EXPECT_TRUE(form.zoomView->isVisible());
        }
    }
    EXPECT_EQ(drawingTicks, 10);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(menuVisibleWhenShown) << "door 8 shows its section before hiding the menu";
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.zoomView->isHidden());
    EXPECT_EQ(form.LabelCuesB->toolTip(), "Texto 305\nTexto 301\nTexto 302");
}

TEST_F(MainMenu, SomeDoorsHideTheMenuBeforeShowingTheirSection)
{
    Tform0& form = start();
    for (const auto& [door, hiddenFirst] : {std::pair{9, true}, std::pair{1, false}, std::pair{11, true}}) {
        form.show();
        bool visibleWhenShown = true;
        form.setDoorAction(door, [&] { visibleWhenShown = form.isVisible(); });
        form.DoorClick(door);
        runDoorAnimation(form);
        EXPECT_EQ(visibleWhenShown, !hiddenFirst) << "door " << door;
        EXPECT_FALSE(form.isVisible()) << "door " << door;
    }
}

TEST_F(MainMenu, WithTheWorldActiveADoorActsWithoutAnimation)
{
    Tform0& form = start();
    DataStore::instance().run.worldActive = true;
    int shown = 0;
    form.setDoorAction(3, [&] { ++shown; });
    form.DoorClick(3);
    EXPECT_FALSE(form.TimerPuerta->isActive());
    ASSERT_TRUE(form.TimerZoom->isActive());
    form.TimerZoomTimer();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(form.TimerZoom->isActive());
    EXPECT_TRUE(form.zoomView->isHidden());
}

TEST_F(MainMenu, HoverPaintsDoorsRedAndTheSignYellowUntilTheMouseIsOverTheBuilding)
{
    Tform0& form = start();
    form.setDoorAction(2, [] {});
    form.setSignAction([] {});
    moveMouseOver(form.LabelCat);
    moveMouseOver(form.LabelConfig);
    moveMouseOver(form.LabelDejar);
    EXPECT_EQ(textColour(form.LabelCat), ColorHighlight);
    EXPECT_EQ(textColour(form.LabelConfig), ColorHighlight);
    EXPECT_EQ(textColour(form.LabelDejar), QColor(255, 255, 0));
    EXPECT_EQ(textColour(form.LabelIti), ColorLabelText);

    moveMouseOver(form.mosaico);
    for (int door = 1; door <= menu_doors::kDoorCount; ++door)
        EXPECT_EQ(textColour(form.doorLabels[door]), ColorLabelText) << "door " << door;
    EXPECT_EQ(textColour(form.LabelDejar), ColorListText);
}

TEST_F(MainMenu, ClosingAsksLine49AndOnlyYesEndsTheProgram)
{
    Tform0& form = start();
    form.show();
    messages.answers = {false, false};
    EXPECT_FALSE(form.close());
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(DataStore::instance().run.startupAborted);
    EXPECT_EQ(messages.asked, (QStringList{"Texto 49", "Texto 49"}));

    messages.answers = {true};
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(DataStore::instance().run.startupAborted) << "the exit sequence ran";
    EXPECT_EQ(messages.asked.size(), 3);
}

TEST_F(MainMenu, BackButtonClosesWithoutTheWorldAndReturnsToItWhenActive)
{
    Tform0& form = start();
    form.show();
    QTest::mouseClick(form.BotRetroce, Qt::LeftButton);
    EXPECT_EQ(messages.asked, QStringList{"Texto 49"});
    EXPECT_TRUE(form.isVisible());

    DataStore::instance().run.worldActive = true;
    DataStore::instance().run.animationEnabled = false;
    int worldShown = 0;
    form.setWorldAction([&] { ++worldShown; });
    form.hide();
    form.show();
    ASSERT_TRUE(form.TimerAyuda->isActive()) << "the help panel starts when the menu is shown";
    for (int tick = 0; tick <= menu_doors::kHelpTicks; ++tick)
        form.TimerAyudaTimer();
    EXPECT_FALSE(form.TimerAyuda->isActive());
    EXPECT_TRUE(form.PanelAyuda->isVisible());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(form.LabelAyu[i]->text(), QStringLiteral("Texto %1").arg(14 + i));

    QTest::mouseClick(form.BotRetroce, Qt::LeftButton);
    EXPECT_EQ(worldShown, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.PanelAyuda->isHidden());
    EXPECT_TRUE(DataStore::instance().run.animationEnabled);
    EXPECT_EQ(messages.asked.size(), 1);
}

TEST_F(MainMenu, AnimationChoiceIsOfferedOnlyWithBothSpriteArchives)
{
    Tform0& form = start();
    QTest::mouseClick(form.LabelConfig, Qt::LeftButton);
    EXPECT_TRUE(form.panelConfigu->isVisibleTo(&form));
    EXPECT_TRUE(form.cas->isChecked());
    EXPECT_TRUE(form.PanelCofigu2->isHidden());
    EXPECT_TRUE(form.LabelSINO->isHidden());

    QFile(data + QStringLiteral("/segdxg1.DXG")).open(QIODevice::WriteOnly);
    form.LabelConfigClick();
    EXPECT_TRUE(form.PanelCofigu2->isHidden()) << "one archive is not enough";
    QFile(data + QStringLiteral("/india.DXG")).open(QIODevice::WriteOnly);
    form.LabelConfigClick();
    EXPECT_FALSE(form.PanelCofigu2->isHidden());
    EXPECT_FALSE(form.LabelSINO->isHidden());
    EXPECT_TRUE(form.si->isChecked()) << "the stored choice, not this run's";
    EXPECT_EQ(form.LabelSINO->text(), "Texto 141");
    EXPECT_TRUE(form.ButActualizar->isVisibleTo(&form));
    EXPECT_FALSE(form.ButActualizar->isEnabled());
}

TEST_F(MainMenu, SavingShowsTheRestartNoticeOnlyWhenAChoiceChanged)
{
    struct Case {
        const char* name;
        int language;
        bool animation;
        bool notice;
    };
    Tform0& form = start();
    form.show();
    const std::array<QRadioButton*, 4> languages = {form.cas, form.cat, form.gal, form.eus};
    for (const Case c : {Case{"same", 0, true, false}, Case{"language", 2, true, true},
                         Case{"animation", 2, false, true}, Case{"same again", 2, false, false}}) {
        messages.shown.clear();
        form.LabelConfigClick();
        QTest::mouseClick(languages[c.language], Qt::LeftButton);
        (c.animation ? form.si : form.no)->setChecked(true);
        QTest::mouseClick(form.ButtonGrabar, Qt::LeftButton);
        EXPECT_EQ(messages.shown, c.notice ? QStringList{"Texto 607"} : QStringList{}) << c.name;
        EXPECT_EQ(settings.read().languageCode, c.language) << c.name;
        EXPECT_EQ(settings.read().animation, c.animation) << c.name;
        EXPECT_TRUE(form.panelConfigu->isHidden()) << c.name;
    }
    EXPECT_EQ(form.LabelIdiomaSel->text(), QString::fromUtf8("Galego"));
    EXPECT_EQ(DataStore::instance().run.languageFolder, "cas/") << "the running program keeps its language";
}

TEST_F(MainMenu, SavingThatFailsSaysSoAndGivesNoRestartNotice)
{
    // The settings file's folder cannot be created: a file stands in its place.
    QFile(root.filePath(QStringLiteral("blocked"))).open(QIODevice::WriteOnly);
    const SettingsStore unwritable(root.filePath(QStringLiteral("blocked/trazela16_17.ini")));
    Tform0& form = start(unwritable);
    form.show();
    form.LabelConfigClick();
    QTest::mouseClick(form.eus, Qt::LeftButton);
    QTest::mouseClick(form.ButtonGrabar, Qt::LeftButton);
    EXPECT_EQ(messages.shown, QStringList{"Lo siento. No puedo grabar."});
    EXPECT_TRUE(form.panelConfigu->isHidden());
    EXPECT_EQ(DataStore::instance().run.languageCode, 3) << "the in-memory choice stays changed";
}

TEST_F(MainMenu, MissingSignPictureAbortsTheStart)
{
    QFile::remove(data + QStringLiteral("/rotulon.bmp"));
    start();
    EXPECT_TRUE(DataStore::instance().run.startupAborted);
    EXPECT_TRUE(messages.shown.isEmpty());
}
