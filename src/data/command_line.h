#pragma once

#include "data/run_state.h"

#include <QStringList>

// The two optional parameters: "S"/"N" turns the animation on or off for this
// run, "0".."3" picks the language folder. They are read only when the first is
// present and not empty. Neither the language code nor the saved animation
// choice changes.
void applyCommandLine(const QStringList& arguments, RunState& state);
