#include "university_model.h"

#include "data/data_store.h"
#include "output_folder.h"

#include <QDir>
#include <algorithm>
#include <map>
#include <set>

using namespace university;

namespace {

constexpr int kAddressWidth = 100;
// One double-degree block per place (datcarn bytes would reach 255).
constexpr int kPlaces = DoubleDegrees::kCapacity;
constexpr int kPairsPerPlace = DoubleDegrees::kEntriesPerUniversity;
constexpr int kSubjects = 23;
constexpr int kDegreeNameShown = 55;  // the where-to-study lists show 55 characters
constexpr int kProfessions = 250;     // the study links per profession hold 250 rows
constexpr int kFamilies = 26;
constexpr int kAdviceGroups = 12;
constexpr int kBranches = 5;
constexpr int kCodes = 999;

const QString kFolder = QStringLiteral("university/");

std::optional<std::vector<SourceLine>> read(const QString& root, const QString& name, Diagnostics& diagnostics)
{
    return readSource(QDir(root).filePath(kFolder + name), kFolder + name, diagnostics);
}

// key<TAB>text lines with unique keys and texts of at most `width` characters.
KeyedList readKeyed(const QString& root, const QString& name, int width, Diagnostics& diagnostics)
{
    KeyedList list{kFolder + name, {}};
    const auto lines = read(root, name, diagnostics);
    if (!lines)
        return list;
    for (const KeyedText& entry : splitKeyed(*lines, list.shown, diagnostics)) {
        if (list.number(entry.key))
            diagnostics.error(list.shown, entry.line, QStringLiteral("key \"%1\" given twice").arg(entry.key));
        encodeWithin(entry.text, width, list.shown, entry.line, diagnostics);
        list.entries.push_back({entry.key, entry.text, entry.line});
    }
    return list;
}

void checkCapacity(const QString& file, int count, int capacity, const char* what, Diagnostics& diagnostics)
{
    if (count > capacity)
        diagnostics.error(file, 0, QStringLiteral("%1 %2; the data folder holds %3").arg(count).arg(QLatin1String(what)).arg(capacity));
}

std::vector<Place> readPlaces(const QString& root, const std::vector<QString>& communities, Diagnostics& diagnostics)
{
    const QString shown = kFolder + QStringLiteral("places.txt");
    std::vector<Place> places;
    const auto lines = read(root, QStringLiteral("places.txt"), diagnostics);
    if (!lines)
        return places;
    std::set<QString> keys;
    for (const SourceLine& line : *lines) {
        const auto parts = fields(line, 4, 4, "key<TAB>community<TAB>name<TAB>address", shown, diagnostics);
        if (!parts)
            continue;
        Place place{parts->at(0), parts->at(2), communityNumber(communities, parts->at(1), shown, line.number, diagnostics),
                    parts->at(3)};
        if (!keys.insert(place.key).second)
            diagnostics.error(shown, line.number, QStringLiteral("place \"%1\" given twice").arg(place.key));
        encodeWithin(place.name, kPlaceNameWidth, shown, line.number, diagnostics);
        encodeWithin(place.address, kAddressWidth, shown, line.number, diagnostics);
        if (place.address.contains(QLatin1Char(' ')) || place.address.startsWith(QLatin1String("http")) ||
            place.address.startsWith(QLatin1String("www.")))
            diagnostics.error(shown, line.number,
                              QStringLiteral("the address is written without blanks, \"http://\" and \"www.\""));
        places.push_back(place);
    }
    checkCapacity(shown, static_cast<int>(places.size()), kPlaces, "places", diagnostics);
    return places;
}

int placeNumber(const std::vector<Place>& places, const QString& key)
{
    const auto found = std::find_if(places.begin(), places.end(), [&](const Place& p) { return p.key == key; });
    return found == places.end() ? 0 : static_cast<int>(found - places.begin()) + 1;
}

// A number within first..last, reported otherwise.
int numberIn(const QString& text, int first, int last, const char* what, const QString& file, int line,
             Diagnostics& diagnostics)
{
    bool numeric = false;
    const int n = text.toInt(&numeric);
    if (numeric && n >= first && n <= last)
        return n;
    diagnostics.error(file, line, QStringLiteral("%1 must be %2..%3, not \"%4\"").arg(QLatin1String(what)).arg(first).arg(last).arg(text));
    return 0;
}

// Up to four values of a blank-separated list.
template <typename Resolve>
std::array<int, 4> upToFour(const QString& text, const char* what, const QString& file, int line,
                            Diagnostics& diagnostics, Resolve resolve)
{
    std::array<int, 4> values{};
    const QStringList items = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (items.size() > 4)
        diagnostics.error(file, line, QStringLiteral("at most four %1").arg(QLatin1String(what)));
    for (qsizetype i = 0; i < std::min<qsizetype>(items.size(), 4); ++i)
        values[size_t(i)] = resolve(items[i]);
    return values;
}

class DegreeReader {
public:
    DegreeReader(const UniversityData& data, Diagnostics& diagnostics)
        : data_(data)
        , diagnostics_(diagnostics)
    {
    }

    std::optional<Degree> read(const QString& path, const QString& key)
    {
        Degree degree;
        degree.key = key;
        degree.shown = kFolder + QStringLiteral("degrees/") + key + QStringLiteral(".txt");
        const auto lines = readSource(path, degree.shown, diagnostics_);
        if (!lines)
            return std::nullopt;
        std::set<QString> given;
        bool inText = false;
        for (const SourceLine& line : *lines) {
            if (inText) {
                if (line.text.contains(QLatin1String("<<")))
                    diagnostics_.error(degree.shown, line.number, QStringLiteral("\"<<\" marks the texts' keys; it cannot be text"));
                encodeChecked(line.text, degree.shown, line.number, diagnostics_);
                degree.text.push_back(line);
                continue;
            }
            if (line.text == QLatin1String("text")) {
                inText = true;
                continue;
            }
            const qsizetype tab = line.text.indexOf(QLatin1Char('\t'));
            const QString field = line.text.left(tab);
            const QString value = tab < 0 ? QString() : line.text.mid(tab + 1);
            if (field != QLatin1String("place") && !given.insert(field).second)
                diagnostics_.error(degree.shown, line.number, QStringLiteral("\"%1\" given twice").arg(field));
            apply(degree, field, value, line);
        }
        for (const char* required : {"name", "branch", "group", "advice", "code"})
            if (!given.count(QLatin1String(required)))
                diagnostics_.error(degree.shown, 0, QStringLiteral("no \"%1\"").arg(QLatin1String(required)));
        checkText(degree);
        checkCapacity(degree.shown, static_cast<int>(degree.places.size()), DataStore::instance().datcarn.valuesPerList(),
                      "places", diagnostics_);
        return degree;
    }

private:
    void apply(Degree& degree, const QString& field, const QString& value, const SourceLine& line)
    {
        const QString& file = degree.shown;
        const int at = line.number;
        if (field == QLatin1String("name")) {
            degree.name = value;
            const std::string bytes = encodeWithin(value, kNameWidth, file, at, diagnostics_);
            if (static_cast<int>(bytes.size()) > kDegreeNameShown)
                diagnostics_.warning(file, at, QStringLiteral("the lists of places show only %1 characters").arg(kDegreeNameShown));
        } else if (field == QLatin1String("branch")) {
            degree.branch = numberIn(value, 1, kBranches, "branch", file, at, diagnostics_);
        } else if (field == QLatin1String("group")) {
            degree.group = data_.groups.number(value);
            if (!degree.group)
                diagnostics_.error(file, at, QStringLiteral("unknown title group \"%1\"").arg(value));
        } else if (field == QLatin1String("advice")) {
            degree.advice = numberIn(value, 1, kAdviceGroups, "advice group", file, at, diagnostics_);
        } else if (field == QLatin1String("advice2")) {
            degree.advice2 = numberIn(value, 1, kAdviceGroups, "advice group", file, at, diagnostics_);
        } else if (field == QLatin1String("professions")) {
            degree.professions = upToFour(value, "professions", file, at, diagnostics_, [&](const QString& item) {
                const auto& keys = data_.professions;
                const auto found = std::find(keys.begin(), keys.end(), item);
                if (found != keys.end() && found - keys.begin() < kProfessions)
                    return static_cast<int>(found - keys.begin()) + 1;
                diagnostics_.error(file, at, QStringLiteral("unknown profession \"%1\"").arg(item));
                return 0;
            });
        } else if (field == QLatin1String("family")) {
            degree.family = numberIn(value, 1, kFamilies, "family", file, at, diagnostics_);
        } else if (field == QLatin1String("code")) {
            degree.code = numberIn(value, 1, kCodes, "code", file, at, diagnostics_);
        } else if (field == QLatin1String("subjects")) {
            degree.subjects = upToFour(value, "subjects", file, at, diagnostics_, [&](const QString& item) {
                if (item == QLatin1String("varias"))
                    return kSeveralSubjects;
                const int subject = data_.subjects.number(item);
                if (!subject)
                    diagnostics_.error(file, at, QStringLiteral("unknown subject \"%1\"").arg(item));
                return subject;
            });
        } else if (field == QLatin1String("place")) {
            addPlace(degree, value, line);
        } else {
            diagnostics_.error(file, at, QStringLiteral("unknown field \"%1\"").arg(field));
        }
    }

    // place<TAB>key<TAB>mark[<TAB>alternative name]
    void addPlace(Degree& degree, const QString& value, const SourceLine& line)
    {
        const auto parts = fields({line.number, value}, 2, 3, "place<TAB>place<TAB>mark[<TAB>alternative name]",
                                  degree.shown, diagnostics_);
        if (!parts)
            return;
        DegreePlace place;
        place.place = placeNumber(data_.places, parts->at(0));
        if (!place.place)
            diagnostics_.error(degree.shown, line.number, QStringLiteral("unknown place \"%1\"").arg(parts->at(0)));
        else if (std::any_of(degree.places.begin(), degree.places.end(), [&](const DegreePlace& p) { return p.place == place.place; }))
            diagnostics_.error(degree.shown, line.number, QStringLiteral("place \"%1\" given twice").arg(parts->at(0)));
        place.mark = parseMark(parts->at(1), degree.shown, line.number, diagnostics_).value_or(kNoMark);
        if (parts->size() == 3) {
            place.altName = data_.altNames.number(parts->at(2));
            if (!place.altName)
                diagnostics_.error(degree.shown, line.number, QStringLiteral("unknown alternative name \"%1\"").arg(parts->at(2)));
            else
                ++place.altName; // carrenue line 1 is empty
        }
        degree.places.push_back(place);
    }

    // The degree page needs its three sections.
    void checkText(const Degree& degree)
    {
        for (const char* heading : {"Perfil del Alumno", "Salidas Profesionales", "Qué estudiaré"})
            if (std::none_of(degree.text.begin(), degree.text.end(),
                             [&](const SourceLine& l) { return l.text == QString::fromUtf8(heading); }))
                diagnostics_.error(degree.shown, 0, QStringLiteral("the text has no section \"%1\"").arg(QString::fromUtf8(heading)));
    }

    const UniversityData& data_;
    Diagnostics& diagnostics_;
};

// Names compared without accents or case, so that "Á" sorts with "A".
QString sortingName(const QString& name)
{
    QString folded;
    for (QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c.toLower());
    return folded;
}

std::vector<Degree> readDegrees(const QString& root, const UniversityData& data, Diagnostics& diagnostics)
{
    const QDir folder(QDir(root).filePath(kFolder + QStringLiteral("degrees")));
    std::vector<Degree> degrees;
    DegreeReader reader(data, diagnostics);
    for (const QString& file : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        if (auto degree = reader.read(folder.filePath(file), file.chopped(4)))
            degrees.push_back(std::move(*degree));
    std::stable_sort(degrees.begin(), degrees.end(), [](const Degree& a, const Degree& b) {
        return sortingName(a.name) < sortingName(b.name);
    });
    const QString shown = kFolder + QStringLiteral("degrees/");
    if (degrees.empty())
        diagnostics.error(shown, 0, QStringLiteral("no degree"));
    checkCapacity(shown, static_cast<int>(degrees.size()), DataStore::instance().datgrados.rows(), "degrees", diagnostics);
    std::map<int, QString> codes;
    for (const Degree& degree : degrees)
        if (degree.code && !codes.emplace(degree.code, degree.key).second)
            diagnostics.error(degree.shown, 0, QStringLiteral("code %1 is also the code of \"%2\"").arg(degree.code).arg(codes[degree.code]));
    return degrees;
}

int degreeNumber(const std::vector<Degree>& degrees, const QString& key)
{
    const auto found = std::find_if(degrees.begin(), degrees.end(), [&](const Degree& d) { return d.key == key; });
    return found == degrees.end() ? 0 : static_cast<int>(found - degrees.begin()) + 1;
}

// Blocks of a place key line followed by TAB first TAB second TAB mark lines.
std::vector<std::vector<DoublePair>> readDoubles(const QString& root, const UniversityData& data, Diagnostics& diagnostics)
{
    const QString shown = kFolder + QStringLiteral("double-degrees.txt");
    std::vector<std::vector<DoublePair>> doubles(data.places.size());
    const auto lines = read(root, QStringLiteral("double-degrees.txt"), diagnostics);
    if (!lines)
        return doubles;
    int place = 0;
    std::set<int> seen;
    for (const SourceLine& line : *lines) {
        if (!line.text.startsWith(QLatin1Char('\t'))) {
            place = placeNumber(data.places, line.text);
            if (!place)
                diagnostics.error(shown, line.number, QStringLiteral("unknown place \"%1\"").arg(line.text));
            else if (!seen.insert(place).second)
                diagnostics.error(shown, line.number, QStringLiteral("place \"%1\" given twice").arg(line.text));
            continue;
        }
        const auto parts = fields({line.number, line.text.mid(1)}, 3, 3, "TAB degree TAB degree TAB mark", shown, diagnostics);
        if (!parts)
            continue;
        if (!place) {
            diagnostics.error(shown, line.number, QStringLiteral("a double degree outside a known place"));
            continue;
        }
        DoublePair pair{degreeNumber(data.degrees, parts->at(0)), degreeNumber(data.degrees, parts->at(1)),
                        parseMark(parts->at(2), shown, line.number, diagnostics).value_or(kNoMark)};
        for (const QString& key : {parts->at(0), parts->at(1)})
            if (!degreeNumber(data.degrees, key))
                diagnostics.error(shown, line.number, QStringLiteral("unknown degree \"%1\"").arg(key));
        for (int degree : {pair.first, pair.second}) {
            const auto& offered = degree ? data.degrees[size_t(degree - 1)].places : std::vector<DegreePlace>{};
            if (degree && std::none_of(offered.begin(), offered.end(), [&](const DegreePlace& p) { return p.place == place; }))
                diagnostics.warning(shown, line.number, QStringLiteral("\"%1\" is not among the places of \"%2\"")
                                                            .arg(data.places[size_t(place - 1)].key, data.degrees[size_t(degree - 1)].key));
        }
        auto& block = doubles[size_t(place - 1)];
        block.push_back(pair);
        if (static_cast<int>(block.size()) == kPairsPerPlace + 1)
            diagnostics.error(shown, line.number, QStringLiteral("more than %1 double degrees at one place").arg(kPairsPerPlace));
    }
    return doubles;
}

} // namespace

UniversityData readUniversity(const QString& sourceRoot, Diagnostics& diagnostics)
{
    UniversityData data;
    data.communities = readCommunities(sourceRoot, diagnostics);
    data.professions = readProfessionKeys(sourceRoot, diagnostics);
    data.places = readPlaces(sourceRoot, data.communities, diagnostics);
    data.groups = readKeyed(sourceRoot, QStringLiteral("title-groups.txt"), kNameWidth, diagnostics);
    data.altNames = readKeyed(sourceRoot, QStringLiteral("alt-names.txt"), kNameWidth, diagnostics);
    // carrenue line 1 stays empty.
    checkCapacity(data.altNames.shown, data.altNames.count(), altNameTable().slotCount() - 1, "alternative names", diagnostics);
    data.subjects = readKeyed(sourceRoot, QStringLiteral("subjects.txt"), kSubjectWidth, diagnostics);
    if (data.subjects.count() != kSubjects)
        diagnostics.error(data.subjects.shown, 0, QStringLiteral("%1 subjects given, %2 expected").arg(data.subjects.count()).arg(kSubjects));
    data.degrees = readDegrees(sourceRoot, data, diagnostics);
    data.doubles = readDoubles(sourceRoot, data, diagnostics);
    return data;
}
