#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// The maps of geography/maps: each NAME-index.png (grey value = region number,
// 0 none) and NAME-display.png (what the pupil sees) of one size.
struct MapSource {
    const char* name;   // communities, catalonia, madrid
    const char* output; // mapa, mapac, mapam
    int height;         // 196 or 220; every map is 281 pixels wide
    int regions;        // region numbers 1..regions must all be present
};

// Writes the three display pictures as bitmaps (mapa 8-bit indexed, the others
// 24-bit) and puntos3, the region grids of all three in one record file.
void compileMaps(const QString& folder, const MapSource (&maps)[3], OutputFolder& out, Diagnostics& diagnostics);
