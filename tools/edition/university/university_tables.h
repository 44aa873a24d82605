#pragma once

#include "diagnostics.h"
#include "output_folder.h"
#include "university_model.h"

#include <QString>

// The degree tables: lugar, datgrados, datcarn, datcarnue, dobles and
// grados.txt in the data folder.
void writeDegreeRecords(const UniversityData& data, OutputFolder& out);

// carreran, carrenue, carreranb and materiasp in every language folder.
void writeDegreeNames(const QString& sourceRoot, const UniversityData& data, OutputFolder& out, Diagnostics& diagnostics);
