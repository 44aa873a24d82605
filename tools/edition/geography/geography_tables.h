#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// The region tables of geography/. Each writes its data-folder file and
// returns how many map regions its source defines (0 when it has errors).

// communities.txt -> comunida; regional-links.txt -> comuint.
int compileCommunities(const QString& folder, OutputFolder& out, Diagnostics& diagnostics);
// comarcas.txt and barcelona.txt -> comarcas.
int compileComarcas(const QString& folder, OutputFolder& out, Diagnostics& diagnostics);
// madrid-zones.txt -> comarcasm.
int compileMadridZones(const QString& folder, OutputFolder& out, Diagnostics& diagnostics);
