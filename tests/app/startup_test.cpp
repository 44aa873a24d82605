#include "app/splash_window.h"
#include "app/startup.h"

#include "data/data_store.h"

#include <QLabel>
#include <QProgressBar>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override { DataStore::reset(); }
    void TearDown() override { windows.clear(); }

    // A screen that records the splash progress it was created under and,
    // when asked to, fails like a loader with a missing file.
    ScreenEntry screen(const char* name, int group, int progress = 0, bool fails = false, bool animatedOnly = false)
    {
        return {name, group, progress, animatedOnly, [this, name, fails](DataStore& store) {
                    progressSeen.emplace_back(name, splash.ProgressBar1->value());
                    if (fails)
                        store.run.startupAborted = true;
                    windows.push_back(std::make_unique<QWidget>());
                    windows.back()->setObjectName(QLatin1String(name));
                    return windows.back().get();
                }};
    }

    TBienvenida splash{QImage()};
    std::vector<std::unique_ptr<QWidget>> windows;
    std::vector<std::pair<std::string, int>> progressSeen;
};

} // namespace

TEST_F(Startup, FailureInAGroupFinishesThatGroupAndStopsBeforeTheNext)
{
    ScreenCreation creation(DataStore::instance(), &splash);
    const bool completed = creation.createAll({
        screen("Tform0", 0),
        screen("TForm6", 1, 10),
        screen("TForm7", 1),
        screen("TForm1", 2, 20, true),
        screen("TForm8", 2),
        screen("TFormCon", 3, 30),
    });
    EXPECT_FALSE(completed);
    EXPECT_EQ(creation.created(), (std::vector<const char*>{"Tform0", "TForm6", "TForm7", "TForm1", "TForm8"}));
    EXPECT_EQ(splash.ProgressBar1->value(), 20);
}

TEST_F(Startup, ProgressIsSetBeforeTheMarkedScreens)
{
    ScreenCreation creation(DataStore::instance(), &splash);
    EXPECT_TRUE(creation.createAll({screen("TForm6", 1, 10), screen("TEstadisticas", 1), screen("TForm5", 4, 40),
                                    screen("TForm3", 4, 50), screen("TFlomce", 7), screen("TFormCat", 7, 100)}));
    EXPECT_EQ(progressSeen, (std::vector<std::pair<std::string, int>>{
                                {"TForm6", 10}, {"TEstadisticas", 10}, {"TForm5", 40}, {"TForm3", 50},
                                {"TFlomce", 50}, {"TFormCat", 100}}));
}

TEST_F(Startup, WorldIsTheMainWindowOnlyWithAnimation)
{
    for (const bool animated : {true, false}) {
        DataStore::instance().run.animationEnabled = animated;
        ScreenCreation creation(DataStore::instance(), &splash);
        ASSERT_TRUE(creation.createAll({screen("Tform9", 0, 0, false, true), screen("Tform0", 0)}));
        ASSERT_NE(creation.mainWindow(), nullptr);
        EXPECT_EQ(creation.mainWindow()->objectName(), animated ? "Tform9" : "Tform0");
        EXPECT_EQ(creation.created().size(), animated ? 2u : 1u);
    }
}

TEST(Splash, ShowsTheTitleOnThePanelColour)
{
    TBienvenida splash{QImage(52, 120, QImage::Format_RGB32)};
    EXPECT_EQ(splash.size(), QSize(354, 154));
    EXPECT_EQ(splash.Label1->text(), "Trazela 2016/17");
    EXPECT_EQ(splash.palette().color(QPalette::Window), QColor(249, 209, 183));
    EXPECT_EQ(splash.ProgressBar1->maximum(), 100);
}
