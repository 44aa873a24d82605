#include "fp_centres.h"

#include "data/record_files.h"
#include "fp_places.h"

#include <QDir>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>

namespace {

constexpr int kTownWidth = 17;
constexpr int kNameWidth = 26;
constexpr int kCityNameWidth = 44;
constexpr int kTownListWidth = 35;
constexpr int kPhoneDigits = 9;
constexpr char kMadridProvince = '8';
constexpr char kMadridCityProvince = 'H';
constexpr char kBarcelonaPrivate = 'A';
constexpr char kBarcelonaCity = '5';
constexpr char kCuenca = 'D';

// Places whose centre lines carry the centre's name where others carry the town.
const QStringList kCityCodes {QStringLiteral("1J"), QStringLiteral("2G"), QStringLiteral("3G"), QStringLiteral("3E"),
                              QStringLiteral("41"), QStringLiteral("45"), QStringLiteral("4A")};

const char* const kGradeFields[] = {"higher", "intermediate", "basic"};
const char* const kRecordFiles[] = {"datluggs", "datluggm", "datlugbas"};

struct Centre {
    int table = 0;
    QString order; // province, then town, then name
    std::string line;
    std::array<std::vector<int>, 3> titles;
};

std::vector<int> titleNumbers(const GradeCatalogue& grade, const QStringList& keys, const Record& record,
                              const char* field, Diagnostics& diagnostics)
{
    std::vector<int> numbers;
    for (const QString& key : keys) {
        const auto found = grade.numberOf.find(key);
        if (found == grade.numberOf.end())
            diagnostics.error(record.file, record.line,
                              QStringLiteral("unknown %1 title \"%2\"").arg(QLatin1String(field), key));
        else if (std::find(numbers.begin(), numbers.end(), found->second) != numbers.end())
            diagnostics.error(record.file, record.line, QStringLiteral("title \"%1\" listed twice").arg(key));
        else
            numbers.push_back(found->second);
    }
    if (static_cast<int>(numbers.size()) > CentreTitles::kMaxTitles)
        diagnostics.error(record.file, record.line,
                          QStringLiteral("%1 %2 titles; a centre holds %3")
                              .arg(numbers.size())
                              .arg(QLatin1String(field))
                              .arg(CentreTitles::kMaxTitles));
    numbers.resize(std::min<size_t>(numbers.size(), CentreTitles::kMaxTitles));
    return numbers;
}

// The zone character of a centre of Catalonia or Madrid, and its province character.
std::optional<char> zoneOf(const CentrePlaces& places, const CentrePlaces::Place& place, const Field& zone,
                           char& province, Diagnostics& diagnostics)
{
    const bool catalonia = place.community == CentrePlaces::kCatalonia;
    const auto& zones = catalonia ? places.comarcas : places.madridZones;
    const auto found = zones.find(zone.value);
    if (found == zones.end()) {
        diagnostics.error(zone.file, zone.line,
                          QStringLiteral("unknown %1 \"%2\"")
                              .arg(catalonia ? QStringLiteral("comarca") : QStringLiteral("Madrid zone"), zone.value));
        return std::nullopt;
    }
    const QString& code = found->second;
    if (!catalonia) {
        province = place.code == QLatin1String("2H") ? kMadridCityProvince : kMadridProvince;
        return code.at(1).toLatin1();
    }
    if (code == places.barcelonesCode) {
        diagnostics.error(zone.file, zone.line,
                          QStringLiteral("choose a municipality or district of the Barcelonès list"));
        return std::nullopt;
    }
    const char expected = province == kBarcelonaPrivate ? kBarcelonaCity : province;
    if (code.at(0).toLatin1() != expected) {
        diagnostics.error(zone.file, zone.line,
                          QStringLiteral("\"%1\" is not in the province of the place").arg(zone.value));
        return std::nullopt;
    }
    return code.at(1).toLatin1();
}

std::optional<Centre> readCentre(const Record& record, const CentrePlaces& places, const Catalogue& catalogue,
                                 Diagnostics& diagnostics)
{
    FieldReader reader(record, diagnostics);
    const auto placeField = reader.single("place", true);
    const auto zoneField = reader.single("zone", false);
    const auto town = reader.single("town", false);
    const auto name = reader.single("name", true);
    const auto phone = reader.single("phone", true);
    Centre centre;
    for (size_t g = 0; g < catalogue.grades.size(); ++g)
        centre.titles[g]
            = titleNumbers(catalogue.grades[g], reader.words(kGradeFields[g]), record, kGradeFields[g], diagnostics);
    reader.finish();
    if (!placeField || !name || !phone)
        return std::nullopt;
    const auto place = places.places.find(placeField->value);
    if (place == places.places.end()) {
        diagnostics.error(placeField->file, placeField->line,
                          QStringLiteral("unknown place \"%1\"").arg(placeField->value));
        return std::nullopt;
    }
    const QString& code = place->second.code;
    centre.table = code.at(0).digitValue();
    char province = code.at(1).toLatin1();
    const bool zoned
        = place->second.community == CentrePlaces::kCatalonia || place->second.community == CentrePlaces::kMadrid;
    std::optional<char> zone;
    if (zoned && !zoneField)
        diagnostics.error(record.file, record.line,
                          QStringLiteral("a centre of %1 needs its zone").arg(placeField->value));
    else if (!zoned && zoneField)
        diagnostics.error(zoneField->file, zoneField->line,
                          QStringLiteral("only centres of Catalonia and Madrid have a zone"));
    else if (zoned && !(zone = zoneOf(places, place->second, *zoneField, province, diagnostics)))
        return std::nullopt;

    const bool city = kCityCodes.contains(code);
    if (city && town)
        diagnostics.error(town->file, town->line,
                          QStringLiteral("centres of %1 are listed by name, without a town").arg(placeField->value));
    if (!city && !town)
        diagnostics.error(record.file, record.line, QStringLiteral("record \"%1\" has no \"town\"").arg(record.key));
    const int nameWidth = (city ? kCityNameWidth : kNameWidth) - (zoned ? 1 : 0);
    const std::string nameBytes = fitted(*name, nameWidth, diagnostics);
    if (city && static_cast<int>(nameBytes.size()) > kTownListWidth)
        diagnostics.warning(name->file, name->line,
                            QStringLiteral("the town list shows only %1 characters").arg(kTownListWidth));
    static const QRegularExpression digits(QStringLiteral("^[0-9]{%1}$").arg(kPhoneDigits));
    if (!digits.match(phone->value).hasMatch())
        diagnostics.error(phone->file, phone->line,
                          QStringLiteral("a telephone number is %1 digits").arg(kPhoneDigits));

    std::string line(1, province);
    std::string townBytes = town ? fitted(*town, kTownWidth, diagnostics) : std::string();
    line += city ? padded(nameBytes, size_t(nameWidth))
                 : padded(townBytes, kTownWidth) + "-" + padded(nameBytes, size_t(nameWidth));
    if (zone)
        line += *zone;
    line += phone->value.toStdString();
    const bool madridCity = centre.table == 2 && province == kMadridCityProvince;
    centre.order = QString(QLatin1Char(madridCity ? kMadridProvince : province))
        + (madridCity ? QLatin1Char('~') : QLatin1Char(' ')) + QString::fromLatin1(line.substr(1).c_str());
    centre.line = line;
    if (std::all_of(centre.titles.begin(), centre.titles.end(), [](const auto& t) { return t.empty(); }))
        diagnostics.warning(record.file, record.line,
                            QStringLiteral("centre \"%1\" teaches no title and is never listed").arg(record.key));
    return centre;
}

Records readCentreFiles(const QString& folder, Diagnostics& diagnostics)
{
    Records all;
    const QDir centres(QDir(folder).filePath(QStringLiteral("centres")));
    const QStringList files = centres.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        diagnostics.error(QStringLiteral("fp/centres"), 0, QStringLiteral("no centre files"));
    std::map<QString, QString> seen;
    for (const QString& file : files)
        for (Record& record :
             readRecordFile(centres.filePath(file), QStringLiteral("fp/centres/") + file, diagnostics)) {
            const auto [at, fresh] = seen.emplace(record.key, record.file);
            if (!fresh && at->second != record.file)
                diagnostics.error(record.file, record.line,
                                  QStringLiteral("centre \"%1\" is also in %2").arg(record.key, at->second));
            all.push_back(std::move(record));
        }
    return all;
}

// The zoned Madrid block of lu2 ends at its first Cuenca line: without one,
// the program would take every later line for a Madrid centre.
void checkMadridBlock(const std::vector<Centre>& table, Diagnostics& diagnostics)
{
    auto province = [](const Centre& c) { return c.line.front(); };
    const bool madrid = std::any_of(table.begin(), table.end(), [&](const Centre& c) {
        return province(c) == kMadridProvince || province(c) == kMadridCityProvince;
    });
    const bool cuenca
        = std::any_of(table.begin(), table.end(), [&](const Centre& c) { return province(c) == kCuenca; });
    if (madrid && !cuenca)
        diagnostics.error(QStringLiteral("fp/centres"), 0,
                          QStringLiteral("the centres of Madrid need at least one centre of Cuenca after them in lu2"));
}

} // namespace

void compileCentres(const QString& sourceRoot, const Catalogue& catalogue, OutputFolder& out, Diagnostics& diagnostics)
{
    const CentrePlaces places = readCentrePlaces(sourceRoot, diagnostics);
    std::array<std::vector<Centre>, CentreTitles::kBlocks + 1> tables;
    for (const Record& record : readCentreFiles(catalogue.folder, diagnostics))
        if (const auto centre = readCentre(record, places, catalogue, diagnostics))
            tables[size_t(centre->table)].push_back(*centre);
    checkMadridBlock(tables[2], diagnostics);

    std::array<QByteArray, 3> records;
    for (QByteArray& bytes : records)
        bytes = QByteArray(CentreTitles().byteSize(), '\0');
    const int rowInts = 1 + CentreTitles::kMaxTitles;
    for (int table = 1; table <= CentreTitles::kBlocks; ++table) {
        auto& centres = tables[size_t(table)];
        std::stable_sort(centres.begin(), centres.end(),
                         [](const Centre& a, const Centre& b) { return a.order < b.order; });
        if (static_cast<int>(centres.size()) > CentreTitles::kRowsPerBlock)
            diagnostics.error(QStringLiteral("fp/centres"), 0,
                              QStringLiteral("lu%1 has %2 centres; the table holds %3")
                                  .arg(table)
                                  .arg(centres.size())
                                  .arg(CentreTitles::kRowsPerBlock));
        std::vector<std::string> lines;
        for (const Centre& centre : centres) {
            if (static_cast<int>(lines.size()) == CentreTitles::kRowsPerBlock)
                break;
            const int row = (table - 1) * CentreTitles::kRowsPerBlock + static_cast<int>(lines.size());
            for (size_t g = 0; g < records.size(); ++g) {
                char* at = records[g].data() + qsizetype(row) * rowInts * 4;
                qToLittleEndian<qint32>(static_cast<qint32>(centre.titles[g].size()), at);
                for (size_t t = 0; t < centre.titles[g].size(); ++t)
                    qToLittleEndian<qint32>(centre.titles[g][t], at + 4 * (t + 1));
            }
            lines.push_back(centre.line);
        }
        out.writeLines(QStringLiteral("lu%1").arg(table), lines);
    }
    for (size_t g = 0; g < records.size(); ++g)
        out.writeBytes(QLatin1String(kRecordFiles[g]), records[g]);
}
