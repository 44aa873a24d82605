#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// geography/ -> comunida, comuint, comarcas, comarcasm (the region tables) and
// mapa, mapac, mapam, puntos3 (the maps and their region grids).
void compileGeography(const QString& sourceRoot, OutputFolder& out, Diagnostics& diagnostics);
