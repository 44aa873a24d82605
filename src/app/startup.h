#pragma once

#include "app/screen_table.h"

#include <vector>

class DataStore;
class QWidget;
class TBienvenida;

// The screens created in groups: a group with a failing loader is finished,
// and no later group is started.
class ScreenCreation {
public:
    ScreenCreation(DataStore& store, TBienvenida* splash);

    // Creates the main windows, then each group, checking the abort flag after
    // each group. False when start-up was aborted.
    bool createAll(const std::vector<ScreenEntry>& screens);

    // The first main window created (the application's main window), if any.
    QWidget* mainWindow() const { return mainWindow_; }
    const std::vector<const char*>& created() const { return created_; }

private:
    void create(const ScreenEntry& entry);

    DataStore& store_;
    TBienvenida* splash_;
    QWidget* mainWindow_ = nullptr;
    std::vector<const char*> created_;
};

// The program: data store, toolkit, single instance, splash, screens, event loop.
int runProgram(int argc, char** argv);
