#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// The information tables: LANG/information.txt (fixed lines) and
// LANG/information-sections.txt -> LANG/informa_l; LANG/subjects.txt ->
// LANG/materias_l. Section lines carry their section's two-column code.
void compileInformation(const QString& folder, OutputFolder& out, Diagnostics& diagnostics);
