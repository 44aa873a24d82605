#pragma once

#include <QString>

// Loads a compiled data folder (named trazela16_17) in every language with the
// program's own loaders, checks the record files' sizes, and reports each
// problem. True when everything loaded without a message.
bool checkDataFolder(const QString& dataFolder);
