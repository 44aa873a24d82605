#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>
#include <vector>

// The pages beside the degrees, in every language folder: otros and asignaot
// (other studies), artesplas, musica, danza and dramatico (artistic studies)
// and master.txt. `communities` are the community names, community k at k - 1.
void writeStudiesPages(const QString& sourceRoot, const std::vector<QString>& communities, OutputFolder& out,
                       Diagnostics& diagnostics);
