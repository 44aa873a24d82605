#pragma once

#include <functional>
#include <vector>

class DataStore;
class QWidget;

// One screen created at start-up.
struct ScreenEntry {
    const char* name;
    // 0: a main window (created before the groups); 1..7: a creation group.
    int group;
    // The splash progress shown before the screen is created (0: none).
    int progress;
    // Only when the animated world is enabled.
    bool animatedOnly;
    std::function<QWidget*(DataStore&)> create;
};

// Every screen of the program in creation order.
std::vector<ScreenEntry> programScreens();
