#pragma once

#include "fp_catalogue.h"
#include "output_folder.h"

// fp/centres/*.txt -> the centre tables lu1..lu4 and the centre-title records
// datluggs, datluggm and datlugbas.
void compileCentres(const QString& sourceRoot, const Catalogue& catalogue, OutputFolder& out, Diagnostics& diagnostics);
