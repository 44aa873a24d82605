#include "app/screen_table.h"

#include "app/exit_sequence.h"
#include "app/main_menu.h"
#include "app/question_dialog.h"
#include "app/screens.h"
#include "data/data_store.h"
#include "questionnaires/eso_questionnaire.h"
#include "university/degree_screen.h"
#include "university/star_map_window.h"

Screens& screens()
{
    static Screens all;
    return all;
}

namespace {

// The degree screen, opened by the main menu's degrees door.
TForm1* createDegreeScreen(DataStore& store)
{
    auto* form = new TForm1(store);
    form->setStarMap(screens().Form7);
    TForm1::Exits exits;
    exits.showMainMenu = [] {
        if (screens().form0)
            screens().form0->show();
    };
    exits.leaveProgram = [&store] {
        if (!screens().Form4 || !confirmLeavingProgram(*screens().Form4, store))
            return false;
        exitProgram(store);
        return true;
    };
    form->setExits(std::move(exits));
    if (screens().form0)
        screens().form0->setDoorAction(1, [form] {
            form->botinformacionClick();
            form->show();
        });
    return form;
}

} // namespace

std::vector<ScreenEntry> programScreens()
{
    return {
        {"Tform0", 0, 0, false, [](DataStore& store) { return screens().form0 = new Tform0(store); }},
        {"TForm7", 1, 10, false, [](DataStore& store) { return screens().Form7 = new TForm7(store); }},
        {"TForm1", 2, 20, false, [](DataStore& store) { return screens().Form1 = createDegreeScreen(store); }},
        {"TForm2", 3, 0, false, TForm2::create},
        {"TForm4", 4, 60, false,
         [](DataStore& store) { return screens().Form4 = new TForm4(store.uiText); }},
    };
}
