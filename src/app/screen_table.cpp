#include "app/screen_table.h"

#include "app/main_menu.h"
#include "app/question_dialog.h"
#include "app/screens.h"
#include "data/data_store.h"

Screens& screens()
{
    static Screens all;
    return all;
}

std::vector<ScreenEntry> programScreens()
{
    return {
        {"Tform0", 0, 0, false, [](DataStore& store) { return screens().form0 = new Tform0(store); }},
        {"TForm4", 4, 60, false,
         [](DataStore& store) { return screens().Form4 = new TForm4(store.uiText); }},
    };
}
