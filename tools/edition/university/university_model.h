#pragma once

#include "diagnostics.h"
#include "output_folder.h"
#include "source_file.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <vector>

// The university domain as read from edition/university/: every reference is
// resolved to a number (positions from 1, in the order the data folder uses).

inline constexpr int kNoMark = 10;          // a cut-off mark byte meaning "no mark"
inline constexpr int kSeveralSubjects = 50; // a subject field meaning "several subjects"
inline constexpr int kPlaceNameWidth = 35;  // lugar columns 3..37, and the dobles headings
inline constexpr int kNameWidth = 60;       // degree, group and alternative names
inline constexpr int kSubjectWidth = 70;

// An entry of a keyed list; its number is its position in the list, from 1.
struct KeyedEntry {
    QString key;
    QString text;
    int line = 0;
};

struct KeyedList {
    QString shown; // the source file as messages name it
    std::vector<KeyedEntry> entries;

    int count() const { return static_cast<int>(entries.size()); }
    // Number of the entry with this key, 0 when there is none.
    int number(const QString& key) const;
};

struct Place {
    QString key;
    QString name;
    int community = 0;
    QString address; // without scheme and without "www."
};

struct DegreePlace {
    int place = 0;   // place number
    int mark = 0;    // tenths, or kNoMark
    int altName = 0; // carrenue line, or 0
};

struct Degree {
    QString key;
    QString shown;
    QString name;
    int branch = 0;
    int group = 0;
    int advice = 0;
    int advice2 = 0;
    std::array<int, 4> professions{};
    int family = 0;
    int code = 0;
    std::array<int, 4> subjects{};
    std::vector<DegreePlace> places;
    std::vector<SourceLine> text; // the sections of its page, after the title
};

struct DoublePair {
    int first = 0;  // degree numbers
    int second = 0;
    int mark = 0;   // tenths, or kNoMark
};

struct UniversityData {
    std::vector<QString> communities; // community k at index k - 1
    std::vector<QString> professions; // keys of guidance/professions.txt, profession k at index k - 1
    std::vector<Place> places;        // place k at index k - 1
    KeyedList groups;                 // carreranb
    KeyedList altNames;               // carrenue lines 2..
    KeyedList subjects;               // materiasp
    std::vector<Degree> degrees;      // degree k at index k - 1
    std::vector<std::vector<DoublePair>> doubles; // per place
};

// Reads every source of the records and tables (not the studies pages or the
// documents). Problems are reported; the data read is returned anyway.
UniversityData readUniversity(const QString& sourceRoot, Diagnostics& diagnostics);

// Helpers shared by the university writers.
namespace university {

// "12,5" -> 125, "-" -> kNoMark; nothing (reported) for anything else or a
// mark outside 5,0..14,0.
std::optional<int> parseMark(const QString& text, const QString& file, int line, Diagnostics& diagnostics);
// The tab-separated fields of a line; reported when their count is not within min..max.
std::optional<QStringList> fields(const SourceLine& line, int min, int max, const char* layout, const QString& file,
                                  Diagnostics& diagnostics);
// Community number of a community name of geography/communities.txt, 0 (reported) when unknown.
int communityNumber(const std::vector<QString>& communities, const QString& name, const QString& file, int line,
                    Diagnostics& diagnostics);
std::vector<QString> readCommunities(const QString& sourceRoot, Diagnostics& diagnostics);
// The profession keys of guidance/professions.txt in profession order.
std::vector<QString> readProfessionKeys(const QString& sourceRoot, Diagnostics& diagnostics);

} // namespace university
