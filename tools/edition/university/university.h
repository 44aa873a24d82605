#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// university/ -> the degree tables and records (lugar, carreran, carrenue,
// carreranb, materiasp, datgrados, datcarn, datcarnue, dobles, grados.txt),
// the other, artistic and master's studies pages and the pdf/ documents.
void compileUniversity(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics);
