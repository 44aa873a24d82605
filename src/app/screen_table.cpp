#include "app/screen_table.h"

std::vector<ScreenEntry> programScreens()
{
    return {};
}
