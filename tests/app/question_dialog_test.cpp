#include "app/question_dialog.h"

#include "app/exit_sequence.h"
#include "data/data_store.h"
#include "support/fixture_folder.h"
#include "support/scripted_dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class QuestionDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::string> lines(749, "x");
        lines[48] = "¿Salir del programa?";
        lines[139] = "no";
        lines[140] = "si";
        folder.writeLines("cas/textos", lines);
        ASSERT_TRUE(texts.load(folder.context(), "cas/textos"));
    }

    FixtureFolder folder;
    UiText texts;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(QuestionDialog, AnswersYesOnlyThroughTheYesButtonOrEnter)
{
    TForm4 dialog(texts);
    EXPECT_EQ(dialog.ShadowSi->text(), "si");
    EXPECT_EQ(dialog.ShadowNo->text(), "no");
    dialog.setWindowTitle(QString());
    dialogs.steps = {
        [](QDialog& d) { QTest::mouseClick(static_cast<TForm4&>(d).ShadowSi, Qt::LeftButton); },
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Return); },
        [](QDialog& d) { QTest::mouseClick(static_cast<TForm4&>(d).ShadowNo, Qt::LeftButton); },
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](QDialog& d) { d.close(); },
    };
    EXPECT_TRUE(dialog.ask());
    EXPECT_TRUE(dialog.ask());
    EXPECT_FALSE(dialog.ask());
    EXPECT_FALSE(dialog.ask());
    EXPECT_FALSE(dialog.ask()) << "the close box cancels";
    EXPECT_EQ(dialogs.shown, 5);
}

TEST_F(QuestionDialog, EveryUseStartsWithoutTheNameFieldsWhateverTheLastCallerLeft)
{
    TForm4 dialog(texts);
    dialogs.steps = {
        [](QDialog& d) {
            auto& form = static_cast<TForm4&>(d);
            EXPECT_TRUE(form.EditNombre->isVisible());
            form.EditNombre->setText(QString::fromUtf8("Lucía"));
            QTest::mouseClick(form.ShadowSi, Qt::LeftButton);
        },
        [](QDialog& d) {
            auto& form = static_cast<TForm4&>(d);
            EXPECT_FALSE(form.EditNombre->isVisible());
            EXPECT_FALSE(form.LabelNombre2->isVisible());
            EXPECT_TRUE(form.ShadowNo->isVisible());
        },
    };
    dialog.EditNombre->show();
    dialog.LabelNombre2->show();
    dialog.ShadowNo->hide();
    EXPECT_TRUE(dialog.ask());
    EXPECT_EQ(dialog.EditNombre->text(), QString::fromUtf8("Lucía"));
    EXPECT_TRUE(dialog.EditNombre->isHidden());
    EXPECT_FALSE(dialog.ask());
}

TEST_F(QuestionDialog, LeavingTheProgramAsksLineFortyNine)
{
    TForm4 dialog(texts);
    DataStore::reset();
    DataStore& store = DataStore::instance();
    store.uiText = texts;
    dialogs.steps = {[](QDialog& d) {
        EXPECT_EQ(static_cast<TForm4&>(d).LabelNombre->text(), QString::fromUtf8("¿Salir del programa?"));
        QTest::mouseClick(static_cast<TForm4&>(d).ShadowSi, Qt::LeftButton);
    }};
    dialog.EditNombre->show();
    ASSERT_TRUE(confirmLeavingProgram(dialog, store));
    exitProgram(store);
    EXPECT_TRUE(store.run.startupAborted);
}
