#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// The intermediate FP questionnaire: fp-fields.txt, fp-questions.txt and their
// language files -> LANG/cuesgm (the eleven fields, then the questions with
// their two field digits).
void compileFpQuestionnaire(const QString& folder, OutputFolder& out, Diagnostics& diagnostics);
