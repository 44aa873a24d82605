#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// The professions questionnaire and the activities by which degrees and titles
// are grouped: activities.txt, long-phrases.txt, short-phrases.txt,
// professions.txt and their language files -> LANG/activida, LANG/fralargas,
// LANG/fracortas, LANG/profesio.
void compileProfessions(const QString& folder, OutputFolder& out, Diagnostics& diagnostics);
