#include "platform/panel_transitions.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class PanelTransitions : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        panel_transitions::setAnimated(GetParam());
        window.resize(300, 300);
        panel = new QWidget(&window);
        panel->setGeometry(20, 20, 200, 200);
        window.show();
    }
    void TearDown() override { panel_transitions::setAnimated(false); }

    int overlays() const { return window.findChildren<QWidget*>(QStringLiteral("panelTransition")).size(); }

    QWidget window;
    QWidget* panel = nullptr;
};

} // namespace

TEST_P(PanelTransitions, HideChangeShowEndsWithThePanelShown)
{
    for (auto show : {&ShowWithRoll, &ShowWithCircle}) {
        show(panel, 0);
        EXPECT_TRUE(panel->isHidden());
        show(panel, 1);
        EXPECT_FALSE(panel->isHidden());
        // A transition restarted while one runs replaces it.
        show(panel, 0);
        show(panel, 1);
        EXPECT_EQ(overlays(), GetParam() ? 1 : 0);
    }
    HideWithRollUp(panel);
    EXPECT_TRUE(panel->isHidden());
    QTest::qWait(panel_transitions::kDurationMs + 150);
    EXPECT_EQ(overlays(), 0);
}

TEST_P(PanelTransitions, PanelDeletedDuringItsTransitionIsNoFault)
{
    ShowWithRoll(panel, 0);
    ShowWithRoll(panel, 1);
    delete panel;
    QTest::qWait(50);

    auto* other = new QWidget(&window);
    other->setGeometry(10, 10, 100, 100);
    HideWithRollUp(other);
    delete other;
    QTest::qWait(panel_transitions::kDurationMs + 100);
    EXPECT_EQ(overlays(), 0);
    ShowWithCircle(nullptr, 1);
    HideWithRollUp(nullptr);
}

INSTANTIATE_TEST_SUITE_P(AnimatedOrPlain, PanelTransitions, ::testing::Bool());
