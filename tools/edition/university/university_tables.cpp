#include "university_tables.h"

#include "data/data_store.h"
#include "languages.h"
#include "platform/cp1252.h"
#include "university_translations.h"

#include <QtEndian>

using namespace university;

namespace {

std::string twoColumns(int n)
{
    return QStringLiteral("%1").arg(n, 2).toStdString();
}

// A mark as the double-degree file writes it: "12,5", " 9,8", blank for none.
std::string markText(int mark)
{
    if (mark == kNoMark)
        return std::string(4, ' ');
    return QStringLiteral("%1,%2").arg(mark / 10, 2).arg(mark % 10).toStdString();
}

std::string cp(const QString& text)
{
    return cp1252::encode(text);
}

void writeLugar(const UniversityData& data, OutputFolder& out)
{
    std::vector<std::string> lines;
    for (const Place& place : data.places)
        lines.push_back(twoColumns(place.community) + padded(cp(place.name), kPlaceNameWidth) + cp(place.address));
    out.writeLines(QStringLiteral("lugar"), lines);
}

void writeDatgrados(const UniversityData& data, OutputFolder& out)
{
    const IntRecords& layout = DataStore::instance().datgrados;
    std::vector<qint32> values(size_t(layout.rows() * layout.fieldsPerRow()));
    for (size_t d = 0; d < data.degrees.size() && int(d) < layout.rows(); ++d) {
        const Degree& degree = data.degrees[d];
        const auto& p = degree.professions;
        const auto& s = degree.subjects;
        const int fields[] = {degree.branch, degree.group, degree.advice, degree.advice2, p[0], p[1], p[2], p[3],
                              degree.family, degree.code, s[0], s[1], s[2], s[3]};
        for (int f = 0; f < layout.fieldsPerRow() && f < int(std::size(fields)); ++f)
            values[d * size_t(layout.fieldsPerRow()) + size_t(f)] = fields[f];
    }
    QByteArray bytes(layout.byteSize(), '\0');
    for (size_t i = 0; i < values.size(); ++i)
        qToLittleEndian<qint32>(values[i], bytes.data() + 4 * i);
    out.writeBytes(QStringLiteral("datgrados"), bytes);
}

// Two records of one byte list per degree, laid out as `layout`.
template <typename Value>
QByteArray byteLists(const ByteLists& layout, const UniversityData& data, Value value)
{
    const int perList = layout.valuesPerList() + 1;
    const int lists = static_cast<int>(layout.byteSize() / (2 * perList));
    QByteArray bytes(layout.byteSize(), '\0');
    for (int record = 1; record <= 2; ++record)
        for (int d = 0; d < lists && d < static_cast<int>(data.degrees.size()); ++d) {
            const auto& places = data.degrees[size_t(d)].places;
            const int length = std::min<int>(static_cast<int>(places.size()), layout.valuesPerList());
            char* list = bytes.data() + ((record - 1) * lists + d) * perList;
            list[0] = static_cast<char>(length);
            for (int k = 0; k < length; ++k)
                list[1 + k] = static_cast<char>(value(record, places[size_t(k)]));
        }
    return bytes;
}

void writeDatcarn(const UniversityData& data, OutputFolder& out)
{
    out.writeBytes(QStringLiteral("datcarn"), byteLists(DataStore::instance().datcarn, data, [](int record, const DegreePlace& p) {
        return record == 1 ? p.place : p.mark;
    }));
    // Record 1 of the alternative names is not read; it repeats the places.
    out.writeBytes(QStringLiteral("datcarnue"), byteLists(DataStore::instance().datcarnue, data, [](int record, const DegreePlace& p) {
        return record == 1 ? p.place : p.altName;
    }));
}

// One block per place, in place order, so that block k belongs to place k.
void writeDobles(const UniversityData& data, OutputFolder& out)
{
    std::vector<std::string> lines;
    for (size_t k = 0; k < data.places.size(); ++k) {
        const Place& place = data.places[k];
        lines.push_back(twoColumns(place.community) + padded(cp(place.name.toUpper()), kPlaceNameWidth));
        for (const DoublePair& pair : data.doubles[k]) {
            const int first = pair.first ? data.degrees[size_t(pair.first - 1)].code : 0;
            const int second = pair.second ? data.degrees[size_t(pair.second - 1)].code : 0;
            lines.push_back(QStringLiteral("    %1%2").arg(first, 3).arg(second, 3).toStdString() + markText(pair.mark));
        }
    }
    out.writeLines(QStringLiteral("dobles"), lines);
}

// Each degree's page under its own key line ("<<" and the code in three
// columns), then a blank line and the title; a lone "<<" ends the file.
void writeDegreePages(const UniversityData& data, OutputFolder& out)
{
    std::vector<std::string> lines;
    for (const Degree& degree : data.degrees) {
        lines.push_back(QStringLiteral("<<%1").arg(degree.code, 3).toStdString());
        lines.emplace_back();
        lines.push_back(cp(degree.name));
        for (const SourceLine& line : degree.text)
            lines.push_back(cp(line.text));
    }
    lines.emplace_back("<<");
    out.writeLines(QStringLiteral("grados.txt"), lines);
}

std::vector<std::pair<QString, QString>> keyedTexts(const KeyedList& list)
{
    std::vector<std::pair<QString, QString>> texts;
    for (const KeyedEntry& entry : list.entries)
        texts.emplace_back(entry.key, entry.text);
    return texts;
}

void writeTranslated(const QString& sourceRoot, const QString& file, const char* output,
                     const std::vector<std::pair<QString, QString>>& castilian, int width,
                     const std::vector<std::string>& leading, OutputFolder& out, Diagnostics& diagnostics)
{
    for (const Language& language : kLanguages) {
        std::vector<std::string> lines = leading;
        for (const QString& text : translatedTexts(sourceRoot, language, file, castilian, width, diagnostics))
            lines.push_back(cp(text));
        out.writeLines(QLatin1String(language.folder) + QLatin1String(output), lines);
    }
}

} // namespace

void writeDegreeRecords(const UniversityData& data, OutputFolder& out)
{
    writeLugar(data, out);
    writeDatgrados(data, out);
    writeDatcarn(data, out);
    writeDobles(data, out);
    writeDegreePages(data, out);
}

void writeDegreeNames(const QString& sourceRoot, const UniversityData& data, OutputFolder& out, Diagnostics& diagnostics)
{
    std::vector<std::pair<QString, QString>> names;
    for (const Degree& degree : data.degrees)
        names.emplace_back(degree.key, degree.name);
    writeTranslated(sourceRoot, QStringLiteral("degrees.txt"), "carreran", names, kNameWidth, {}, out, diagnostics);
    // carrenue line 1 stays empty: 0 in datcarnue means "no alternative name".
    writeTranslated(sourceRoot, QStringLiteral("alt-names.txt"), "carrenue", keyedTexts(data.altNames), kNameWidth, {std::string()},
                    out, diagnostics);
    writeTranslated(sourceRoot, QStringLiteral("title-groups.txt"), "carreranb", keyedTexts(data.groups), kNameWidth, {}, out,
                    diagnostics);
    writeTranslated(sourceRoot, QStringLiteral("subjects.txt"), "materiasp", keyedTexts(data.subjects), kSubjectWidth, {}, out,
                    diagnostics);
}
