#pragma once

#include "diagnostics.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

// The program's fixed groups, numbered by position: career groups 1..13 (the
// advice screen uses 1..12) and study-habit groups 14..20.
inline constexpr std::array<const char*, 20> kGuidanceGroups = {
    "agro",       "arts",          "health",     "sciences",   "communication",
    "economics",  "management-law", "humanities", "languages",  "social-education",
    "architecture-engineering", "engineering", "higher-fp",  "study-time", "up-to-date",
    "concentration", "summaries",   "asking",     "memory",     "encouragement",
};
inline constexpr int kCareerGroups = 13;
inline constexpr int kAdviceGroups = 12;
inline constexpr int kMembersPerGroup = 50; // a list of the group file
inline constexpr int kLargestMember = 255;  // members are bytes

// Members of each group (index: group number - 1), as item numbers.
using GroupMembers = std::array<std::vector<int>, kGuidanceGroups.size()>;

// A comma-separated list of group keys, as group numbers; unknown keys and
// groups above `highest` are errors.
std::vector<int> parseGroups(const QString& field, int highest, const QString& file, int line,
                             Diagnostics& diagnostics);

// One record of the group file: 20 lists of a length byte and 50 members.
// A group with more members than a list holds is an error.
QByteArray groupRecord(const GroupMembers& members, const QString& file, Diagnostics& diagnostics);
