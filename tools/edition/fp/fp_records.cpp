#include "fp_records.h"

#include "output_folder.h"
#include "source_file.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <set>

namespace {

void checkKeys(const Records& records, Diagnostics& diagnostics)
{
    std::map<QString, int> seen;
    for (const Record& record : records) {
        const auto [at, fresh] = seen.emplace(record.key, record.line);
        if (!fresh)
            diagnostics.error(record.file, record.line,
                              QStringLiteral("key \"%1\" already used on line %2").arg(record.key).arg(at->second));
    }
}

} // namespace

Records readRecordFile(const QString& path, const QString& shown, Diagnostics& diagnostics, bool optional)
{
    Records records;
    const auto lines = readSource(path, shown, diagnostics, optional);
    if (!lines)
        return records;
    static const QRegularExpression fieldLine(QStringLiteral("^([a-z][a-z-]*):(?: (.*))?$"));
    for (const SourceLine& line : *lines) {
        if (line.text.startsWith(QLatin1String("=="))) {
            const QString key = line.text.mid(2).trimmed();
            if (key.isEmpty() || key.contains(QLatin1Char(' ')) || key.contains(QLatin1Char('\t')))
                diagnostics.error(shown, line.number,
                                  QStringLiteral("a record starts with \"== key\", the key without blanks"));
            records.push_back({shown, line.number, key, {}});
            continue;
        }
        const auto match = fieldLine.match(line.text);
        if (!match.hasMatch()) {
            diagnostics.error(shown, line.number, QStringLiteral("expected \"field: value\" or \"== key\""));
            continue;
        }
        if (records.empty()) {
            diagnostics.error(shown, line.number, QStringLiteral("a field before the first \"== key\""));
            continue;
        }
        records.back().fields.push_back({shown, line.number, match.captured(1), match.captured(2)});
    }
    checkKeys(records, diagnostics);
    return records;
}

Records readLineFile(const QString& path, const QString& shown, const QStringList& fieldNames, Diagnostics& diagnostics,
                     bool optional)
{
    Records records;
    const auto lines = readSource(path, shown, diagnostics, optional);
    if (!lines)
        return records;
    for (const SourceLine& line : *lines) {
        const QStringList parts = line.text.split(QLatin1Char('\t'));
        if (parts.size() != fieldNames.size() + 1 || parts.contains(QString())) {
            diagnostics.error(shown, line.number,
                              QStringLiteral("expected key<TAB>%1").arg(fieldNames.join(QStringLiteral("<TAB>"))));
            continue;
        }
        Record record {shown, line.number, parts.at(0), {}};
        for (qsizetype i = 0; i < fieldNames.size(); ++i)
            record.fields.push_back({shown, line.number, fieldNames.at(i), parts.at(i + 1)});
        records.push_back(record);
    }
    checkKeys(records, diagnostics);
    return records;
}

Records translate(const Records& castilian, const Records& translation, const QStringList& textFields,
                  Diagnostics& diagnostics, int& translated)
{
    std::map<QString, const Record*> byKey;
    for (const Record& record : translation)
        byKey.emplace(record.key, &record);
    std::set<QString> known;
    Records result = castilian;
    translated = 0;
    for (Record& record : result) {
        known.insert(record.key);
        const auto found = byKey.find(record.key);
        if (found == byKey.end())
            continue;
        ++translated;
        std::set<QString> replaced;
        for (const Field& field : found->second->fields)
            if (textFields.contains(field.name))
                replaced.insert(field.name);
        std::vector<Field> fields;
        for (const Field& field : record.fields)
            if (!replaced.count(field.name))
                fields.push_back(field);
        for (const Field& field : found->second->fields)
            if (replaced.count(field.name))
                fields.push_back(field);
        record.fields = fields;
    }
    for (const Record& record : translation) {
        if (!known.count(record.key))
            diagnostics.error(record.file, record.line, QStringLiteral("no Castilian record \"%1\"").arg(record.key));
        for (const Field& field : record.fields)
            if (!textFields.contains(field.name))
                diagnostics.error(
                    field.file, field.line,
                    QStringLiteral("\"%1\" is not translated: it is given in the Castilian file only").arg(field.name));
    }
    return result;
}

FieldReader::FieldReader(const Record& record, Diagnostics& diagnostics)
    : record_(record)
    , diagnostics_(diagnostics)
{
}

std::optional<Field> FieldReader::single(const char* name, bool required)
{
    const std::vector<Field> found = all(name);
    if (found.size() > 1)
        diagnostics_.error(found[1].file, found[1].line, QStringLiteral("\"%1\" given twice").arg(QLatin1String(name)));
    if (found.empty()) {
        if (required)
            diagnostics_.error(record_.file, record_.line,
                               QStringLiteral("record \"%1\" has no \"%2\"").arg(record_.key, QLatin1String(name)));
        return std::nullopt;
    }
    return found.front();
}

std::vector<Field> FieldReader::all(const char* name)
{
    asked_ << QLatin1String(name);
    std::vector<Field> found;
    for (const Field& field : record_.fields)
        if (field.name == QLatin1String(name))
            found.push_back(field);
    return found;
}

QStringList FieldReader::words(const char* name)
{
    const auto field = single(name, false);
    return field ? field->value.split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
}

void FieldReader::finish()
{
    for (const Field& field : record_.fields)
        if (!asked_.contains(field.name))
            diagnostics_.error(field.file, field.line, QStringLiteral("unknown field \"%1\"").arg(field.name));
}

std::vector<int> numbersIn(const FieldReader& reader, const QStringList& words, int last, size_t most, const char* what,
                           int line, Diagnostics& diagnostics)
{
    std::vector<int> numbers;
    for (const QString& word : words) {
        bool numeric = false;
        const int n = word.toInt(&numeric);
        if (!numeric || n < 1 || n > last)
            diagnostics.error(
                reader.record().file, line,
                QStringLiteral("%1 must be 1..%2, not \"%3\"").arg(QLatin1String(what)).arg(last).arg(word));
        else
            numbers.push_back(n);
    }
    if (numbers.size() > most)
        diagnostics.error(reader.record().file, line,
                          QStringLiteral("at most %1 %2 per record").arg(most).arg(QLatin1String(what)));
    numbers.resize(std::min(numbers.size(), most));
    return numbers;
}

void noteCoverage(Diagnostics& diagnostics, const char* language, const QString& file, int own, int total)
{
    diagnostics.note(QStringLiteral("%1 fp/%2: %3 of %4 entries (%5%)")
                         .arg(QLatin1String(language), 8)
                         .arg(file)
                         .arg(own)
                         .arg(total)
                         .arg(total ? own * 100 / total : 100));
}
