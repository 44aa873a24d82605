#pragma once

#include "fp_catalogue.h"
#include "output_folder.h"

// fp/family-statistics.txt -> fami_estad.txt: pupils' share, jobs' share and
// workers of each family, then the total of workers.
void compileFamilyStatistics(const Catalogue& catalogue, OutputFolder& out, Diagnostics& diagnostics);
