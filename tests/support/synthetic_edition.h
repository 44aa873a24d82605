#pragma once

#include <QString>

// Writes a complete data folder of made-up content at the full size of every
// table (every file the loaders read, the pictures and the record files), in
// the Castilian language folder only.
void writeSyntheticEdition(const QString& dataFolder);
