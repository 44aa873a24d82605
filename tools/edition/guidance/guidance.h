#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// guidance/ -> the questionnaires, the advice lists, the professions and the
// information tables of every language folder, and the group file datgrub.
void compileGuidance(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics);
