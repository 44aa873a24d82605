#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// texts/LANG.txt -> LANG/textos: lines 1..749 in order as "N<TAB>text". The
// Castilian file is complete; another language's missing line falls back to
// the Castilian one. Texts longer than their shown maximum are warnings (the
// screens would cut them); longer than a table slot, errors.
void compileInterfaceTexts(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics);
