#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

// The vocational-training sources are sets of keyed records. A record file
// holds blocks that start with "== key" followed by "field: value" lines; a
// line file holds one record per line, "key<TAB>field<TAB>...". Both give the
// same shape, so a translation can replace the text fields of any record.

struct Field {
    QString file;
    int line = 0;
    QString name;
    QString value;
};

struct Record {
    QString file;
    int line = 0;
    QString key;
    std::vector<Field> fields;
};

using Records = std::vector<Record>;

// "== key" blocks; a missing optional file gives no records.
Records readRecordFile(const QString& path, const QString& shown, Diagnostics& diagnostics, bool optional = false);
// "key<TAB>..." lines whose tab-separated fields get the given names in order.
Records readLineFile(const QString& path, const QString& shown, const QStringList& fieldNames, Diagnostics& diagnostics,
                     bool optional = false);

// The Castilian records with the text fields that a translation gives replaced
// (all values of a field name at once). A translation record with an unknown
// key or a field that is not a text field is an error. `translated` receives
// the number of Castilian records that the translation covers.
Records translate(const Records& castilian, const Records& translation, const QStringList& textFields,
                  Diagnostics& diagnostics, int& translated);

// Reads the fields of one record: each asked for by name, the rest reported as
// unknown by finish().
class FieldReader {
public:
    FieldReader(const Record& record, Diagnostics& diagnostics);

    // The value of a field given at most once; a missing required field is an error.
    std::optional<Field> single(const char* name, bool required);
    std::vector<Field> all(const char* name);
    // The blank-separated words of an optional single field.
    QStringList words(const char* name);
    void finish();

    const Record& record() const { return record_; }

private:
    const Record& record_;
    Diagnostics& diagnostics_;
    QStringList asked_;
};

// Windows-1252 bytes of a text that must fit its columns (an error otherwise).
inline std::string fitted(const Field& field, int width, Diagnostics& diagnostics)
{
    return encodeWithin(field.value, width, field.file, field.line, diagnostics);
}

// Small plain numbers of a field (e.g. advice groups), each within 1..last.
std::vector<int> numbersIn(const FieldReader& reader, const QStringList& words, int last, size_t most, const char* what,
                           int line, Diagnostics& diagnostics);

// Coverage of one translated file, printed as a note.
void noteCoverage(Diagnostics& diagnostics, const char* language, const QString& file, int own, int total);
