#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// fp/ -> the vocational-training files: familias, fp, fp2, fpba, asignafp,
// asignagm, asignaba, reqfp, certifica, certificah (every language folder),
// datfps, datfpm, lu1..lu4, datluggs, datluggm, datlugbas and fami_estad.txt.
void compileVocationalTraining(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics);
