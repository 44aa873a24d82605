#pragma once

#include "diagnostics.h"
#include "fp_records.h"

#include <QString>
#include <array>
#include <map>
#include <optional>
#include <vector>

// The structure of the vocational-training catalogue, read from the Castilian
// sources in fp/cas/: families, family groups, requirement texts and the titles
// of the three grades. Texts come later, per language (fp_catalogue_files.h).

inline constexpr int kOrdinaryFamilies = 26;
inline constexpr int kFamilyGroups = 9;
inline constexpr int kGroupFamilies = 3;
inline constexpr int kFields = 9; // fields of work of basic FP and of the certificates
inline constexpr int kCatalogueCapacity = 170; // detail blocks per grade
inline constexpr int kTextLineWidth = 60;

struct Family {
    enum class Kind { Ordinary, Arts, Sports };
    QString key;
    Kind kind = Kind::Ordinary;
    int number = 0; // 1..26 for the ordinary families, 0 otherwise
};

// The family code character of the familias table: "1".."9", then "A".."Q".
char familyCode(int number);

struct Title {
    QString key;
    int line = 0; // source line of the record
    int family = 0; // index into Catalogue::families
    std::vector<int> groups; // advice groups 1..13 (higher grade)
    std::vector<int> requirements; // requirement text numbers (higher grade)
    std::vector<int> professions; // profession numbers
    std::vector<int> questions; // intermediate questionnaire questions
};

enum class Grade { Higher, Intermediate, Basic };

// One grade's titles and the lines of its catalogue table.
struct GradeCatalogue {
    Grade grade;
    QString file; // e.g. "higher.txt"
    Records records;
    std::vector<Title> titles;
    struct Line {
        bool heading = false;
        int index = 0; // family index for a heading, title index otherwise
    };
    // The catalogue as the program numbers it: fp and fp2 from line 1, the
    // basic table from the line after the fields.
    std::vector<Line> lines;
    std::map<QString, int> numberOf; // title key -> title number
};

struct FamilyGroup {
    std::array<int, kGroupFamilies> families {}; // family numbers, 0 = none
};

struct BasicField {
    QString codes; // up to three family code characters, or "0" (study near home)
};

struct Catalogue {
    QString folder; // fp/
    std::vector<Family> families; // the ordinary ones, the arts ones, the sports teachings
    std::map<QString, int> familyIndex;
    Records familyRecords, artsRecords, labelRecords, groupRecords, requirementRecords, fieldRecords;
    std::vector<FamilyGroup> groups;
    std::map<QString, int> requirementNumber;
    std::vector<BasicField> basicFields;
    std::array<GradeCatalogue, 3> grades {{{Grade::Higher, QStringLiteral("higher.txt"), {}, {}, {}, {}},
                                           {Grade::Intermediate, QStringLiteral("intermediate.txt"), {}, {}, {}, {}},
                                           {Grade::Basic, QStringLiteral("basic.txt"), {}, {}, {}, {}}}};

    const GradeCatalogue& grade(Grade g) const { return grades[static_cast<size_t>(g)]; }
    std::optional<int> ordinaryFamily(const QString& key) const;
};

// The text fields of each source kind, which translations may replace.
inline const QStringList kNameField {QStringLiteral("name")};
inline const QStringList kTextField {QStringLiteral("text")};
inline const QStringList kTitleTextFields {QStringLiteral("name"), QStringLiteral("job"), QStringLiteral("duration"),
                                           QStringLiteral("module")};

// The source path of a language's file ("fp/cas/higher.txt") and its name in messages.
QString languageSource(const QString& folder, const char* language, const QString& file);
QString shownSource(const char* language, const QString& file);

Catalogue readCatalogue(const QString& folder, Diagnostics& diagnostics);
