#include "fp_catalogue.h"

#include <QDir>
#include <algorithm>

namespace {

constexpr int kAdviceGroups = 13;
constexpr int kRequirementSlots = 13;
constexpr size_t kHigherProfessions = 6;
constexpr size_t kIntermediateProfessions = 3;
constexpr size_t kQuestions = 3;
constexpr int kProfessionRows = 250;
constexpr int kQuestionLines = 1100 - 11; // the questionnaire's wide table after its 11 fields
constexpr const char* kNearHome = "home";
const QString kSportsKey = QStringLiteral("sports");
const QStringList kLabels {QStringLiteral("sports-family"), QStringLiteral("modules-heading")};

Records readCastilian(const Catalogue& catalogue, const char* file, const QStringList& fields, Diagnostics& diagnostics)
{
    const QString name = QLatin1String(file);
    return readLineFile(languageSource(catalogue.folder, "cas", name), shownSource("cas", name), fields, diagnostics);
}

void expectCount(const Records& records, const char* file, int expected, Diagnostics& diagnostics)
{
    if (static_cast<int>(records.size()) != expected)
        diagnostics.error(shownSource("cas", QLatin1String(file)), 0,
                          QStringLiteral("%1 entries given, %2 expected").arg(records.size()).arg(expected));
}

void readFamilies(Catalogue& catalogue, Diagnostics& diagnostics)
{
    catalogue.familyRecords = readCastilian(catalogue, "families.txt", kNameField, diagnostics);
    expectCount(catalogue.familyRecords, "families.txt", kOrdinaryFamilies, diagnostics);
    catalogue.artsRecords = readCastilian(catalogue, "arts-families.txt", kNameField, diagnostics);
    catalogue.labelRecords = readCastilian(catalogue, "labels.txt", kTextField, diagnostics);
    for (const Record& record : catalogue.labelRecords)
        if (!kLabels.contains(record.key))
            diagnostics.error(record.file, record.line, QStringLiteral("unknown label \"%1\"").arg(record.key));
    for (const QString& label : kLabels)
        if (std::none_of(catalogue.labelRecords.begin(), catalogue.labelRecords.end(),
                         [&](const Record& r) { return r.key == label; }))
            diagnostics.error(shownSource("cas", QStringLiteral("labels.txt")), 0,
                              QStringLiteral("label \"%1\" is missing").arg(label));

    auto add = [&](const Record& record, Family::Kind kind, int number) {
        if (!catalogue.familyIndex.emplace(record.key, static_cast<int>(catalogue.families.size())).second)
            diagnostics.error(record.file, record.line, QStringLiteral("family key \"%1\" used twice").arg(record.key));
        catalogue.families.push_back({record.key, kind, number});
    };
    int number = 0;
    for (const Record& record : catalogue.familyRecords)
        add(record, Family::Kind::Ordinary, ++number);
    for (const Record& record : catalogue.artsRecords)
        add(record, Family::Kind::Arts, 0);
    add({shownSource("cas", QStringLiteral("labels.txt")), 0, kSportsKey, {}}, Family::Kind::Sports, 0);
}

// Ordinary family keys (at most `most`), or the near-home marker where allowed.
QString familyCodes(const Catalogue& catalogue, const Record& record, bool nearHomeAllowed, Diagnostics& diagnostics,
                    std::vector<int>* numbers = nullptr)
{
    const QStringList keys = record.fields.front().value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString codes;
    if (nearHomeAllowed && keys == QStringList {QLatin1String(kNearHome)})
        return QStringLiteral("0");
    if (keys.isEmpty() || keys.size() > kGroupFamilies)
        diagnostics.error(record.file, record.line, QStringLiteral("one to %1 families expected").arg(kGroupFamilies));
    for (const QString& key : keys) {
        const auto family = catalogue.ordinaryFamily(key);
        if (!family) {
            diagnostics.error(record.file, record.line, QStringLiteral("unknown family \"%1\"").arg(key));
            continue;
        }
        codes += QLatin1Char(familyCode(*family));
        if (numbers)
            numbers->push_back(*family);
    }
    return codes.left(kGroupFamilies);
}

void readGroups(Catalogue& catalogue, Diagnostics& diagnostics)
{
    catalogue.groupRecords = readCastilian(catalogue, "family-groups.txt",
                                           {QStringLiteral("families"), QStringLiteral("name")}, diagnostics);
    expectCount(catalogue.groupRecords, "family-groups.txt", kFamilyGroups, diagnostics);
    std::map<int, int> groupOf;
    for (const Record& record : catalogue.groupRecords) {
        std::vector<int> numbers;
        familyCodes(catalogue, record, false, diagnostics, &numbers);
        FamilyGroup group;
        for (size_t i = 0; i < numbers.size() && i < group.families.size(); ++i) {
            group.families[i] = numbers[i];
            if (!groupOf.emplace(numbers[i], record.line).second)
                diagnostics.error(record.file, record.line,
                                  QStringLiteral("family %1 is already in the group on line %2")
                                      .arg(catalogue.families[size_t(numbers[i] - 1)].key)
                                      .arg(groupOf[numbers[i]]));
        }
        catalogue.groups.push_back(group);
    }
    for (int family = 1; family <= kOrdinaryFamilies && !catalogue.groupRecords.empty(); ++family)
        if (family <= static_cast<int>(catalogue.familyRecords.size()) && !groupOf.count(family))
            diagnostics.error(
                catalogue.groupRecords.front().file, 0,
                QStringLiteral("family %1 is in no group").arg(catalogue.families[size_t(family - 1)].key));
}

void readBasicFields(Catalogue& catalogue, Diagnostics& diagnostics)
{
    catalogue.fieldRecords = readCastilian(catalogue, "basic-fields.txt",
                                           {QStringLiteral("families"), QStringLiteral("name")}, diagnostics);
    expectCount(catalogue.fieldRecords, "basic-fields.txt", kFields, diagnostics);
    for (const Record& record : catalogue.fieldRecords)
        catalogue.basicFields.push_back({familyCodes(catalogue, record, true, diagnostics)});
}

void readRequirements(Catalogue& catalogue, Diagnostics& diagnostics)
{
    catalogue.requirementRecords = readCastilian(catalogue, "requirements.txt", kTextField, diagnostics);
    int number = 0;
    for (const Record& record : catalogue.requirementRecords)
        catalogue.requirementNumber.emplace(record.key, ++number);
}

Title readTitle(const Catalogue& catalogue, const GradeCatalogue& grade, const Record& record, Diagnostics& diagnostics)
{
    FieldReader reader(record, diagnostics);
    Title title {record.key, record.line, -1, {}, {}, {}, {}};
    if (const auto family = reader.single("family", true)) {
        const auto found = catalogue.familyIndex.find(family->value);
        const bool ordinaryOnly = grade.grade == Grade::Basic;
        if (found == catalogue.familyIndex.end())
            diagnostics.error(family->file, family->line, QStringLiteral("unknown family \"%1\"").arg(family->value));
        else if (ordinaryOnly && catalogue.families[size_t(found->second)].kind != Family::Kind::Ordinary)
            diagnostics.error(family->file, family->line,
                              QStringLiteral("basic FP titles belong to one of the 26 families"));
        else
            title.family = found->second;
    }
    reader.single("name", true);
    reader.single("duration", true);
    reader.all("job");
    reader.all("module");
    const int line = record.line;
    const char* professions = "profession numbers";
    if (grade.grade == Grade::Higher) {
        title.groups = numbersIn(reader, reader.words("groups"), kAdviceGroups, 4, "advice groups", line, diagnostics);
        title.professions = numbersIn(reader, reader.words("professions"), kProfessionRows, kHigherProfessions,
                                      professions, line, diagnostics);
        const QStringList requirements = reader.words("requires");
        if (requirements.size() > kRequirementSlots)
            diagnostics.error(record.file, line,
                              QStringLiteral("at most %1 requirement texts per title").arg(kRequirementSlots));
        for (const QString& key : requirements.mid(0, kRequirementSlots)) {
            const auto found = catalogue.requirementNumber.find(key);
            if (found == catalogue.requirementNumber.end())
                diagnostics.error(record.file, line, QStringLiteral("unknown requirement \"%1\"").arg(key));
            else
                title.requirements.push_back(found->second);
        }
    } else if (grade.grade == Grade::Intermediate) {
        title.professions = numbersIn(reader, reader.words("professions"), kProfessionRows, kIntermediateProfessions,
                                      professions, line, diagnostics);
        title.questions = numbersIn(reader, reader.words("questions"), kQuestionLines, kQuestions, "question numbers",
                                    line, diagnostics);
    }
    reader.finish();
    return title;
}

void readGrade(const Catalogue& catalogue, GradeCatalogue& grade, Diagnostics& diagnostics)
{
    grade.records = readRecordFile(languageSource(catalogue.folder, "cas", grade.file), shownSource("cas", grade.file),
                                   diagnostics);
    for (const Record& record : grade.records)
        grade.titles.push_back(readTitle(catalogue, grade, record, diagnostics));

    for (int family = 0; family < static_cast<int>(catalogue.families.size()); ++family) {
        const Family::Kind kind = catalogue.families[size_t(family)].kind;
        std::vector<int> titles;
        for (int t = 0; t < static_cast<int>(grade.titles.size()); ++t)
            if (grade.titles[size_t(t)].family == family)
                titles.push_back(t);
        // fp and fp2 head every ordinary family and the sports teachings (the
        // screens reach them by position); other families only when they have titles.
        const bool always = grade.grade != Grade::Basic && kind != Family::Kind::Arts;
        if (titles.empty() && !always)
            continue;
        grade.lines.push_back({true, family});
        for (int t : titles) {
            grade.lines.push_back({false, t});
            grade.numberOf[grade.titles[size_t(t)].key] = static_cast<int>(grade.lines.size());
        }
    }
    if (static_cast<int>(grade.lines.size()) > kCatalogueCapacity)
        diagnostics.error(shownSource("cas", grade.file), 0,
                          QStringLiteral("the catalogue has %1 lines; the program holds %2")
                              .arg(grade.lines.size())
                              .arg(kCatalogueCapacity));
}

} // namespace

char familyCode(int number)
{
    return number <= 9 ? char('0' + number) : char('A' + number - 10);
}

std::optional<int> Catalogue::ordinaryFamily(const QString& key) const
{
    const auto found = familyIndex.find(key);
    if (found == familyIndex.end() || families[size_t(found->second)].kind != Family::Kind::Ordinary)
        return std::nullopt;
    return families[size_t(found->second)].number;
}

QString languageSource(const QString& folder, const char* language, const QString& file)
{
    return QDir(folder).filePath(QLatin1String(language) + QLatin1Char('/') + file);
}

QString shownSource(const char* language, const QString& file)
{
    return QStringLiteral("fp/") + QLatin1String(language) + QLatin1Char('/') + file;
}

Catalogue readCatalogue(const QString& folder, Diagnostics& diagnostics)
{
    Catalogue catalogue;
    catalogue.folder = folder;
    readFamilies(catalogue, diagnostics);
    readGroups(catalogue, diagnostics);
    readBasicFields(catalogue, diagnostics);
    readRequirements(catalogue, diagnostics);
    for (GradeCatalogue& grade : catalogue.grades)
        readGrade(catalogue, grade, diagnostics);
    return catalogue;
}
