#pragma once

#include "diagnostics.h"
#include "guidance_groups.h"
#include "output_folder.h"

#include <QString>

// The two lists of the advice screen and their groups:
// qualities.txt and LANG/qualities.txt -> LANG/cualidad;
// interests.txt and LANG/interests.txt -> LANG/interes.
// Each returns the item numbers of each advice group.
GroupMembers compileQualities(const QString& folder, OutputFolder& out, Diagnostics& diagnostics);
GroupMembers compileInterests(const QString& folder, OutputFolder& out, Diagnostics& diagnostics);
