#pragma once

#include "diagnostics.h"
#include "guidance_groups.h"
#include "output_folder.h"

#include <QString>
#include <optional>

// questions.txt and LANG/questions.txt -> LANG/cuestion; LANG/itinerary.txt
// -> LANG/itinerar. Returns the question numbers of each group (the third
// record of the group file), nothing when the question list is unusable.
std::optional<GroupMembers> compileEsoQuestionnaire(const QString& folder, OutputFolder& out,
                                                    Diagnostics& diagnostics);
