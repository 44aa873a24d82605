#pragma once

#include "diagnostics.h"

#include <QString>

// Compiles the sources below sourceRoot into the data folder outputRoot.
// Returns false when an error was reported.
bool compileEdition(const QString& sourceRoot, const QString& outputRoot, Diagnostics& diagnostics);
