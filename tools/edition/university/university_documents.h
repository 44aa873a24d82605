#pragma once

#include "diagnostics.h"
#include "output_folder.h"
#include "university_model.h"

#include <QString>

// The PDF documents: pdf/NAME.pdf, one weighting table per community or
// university listed in university/weightings.txt, drawn from the degrees'
// subjects; and pdf/est/NAME.pdf from the texts of university/documents/.
// Every page carries the notice that its figures are sample data.
void writeDocuments(const QString& sourceRoot, const UniversityData& data, OutputFolder& out, Diagnostics& diagnostics);
