#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

// A collection of named pictures in one file, the sprite archives of the world
// (segdxg1.DXG, india.DXG). All integers are little-endian:
//
//   magic     8 bytes  "TRZPICS1"
//   count     uint32   number of entries
//   entries   count times:
//     name length  uint16  1..255
//     name         ASCII bytes (no control characters)
//     data length  uint32
//     data         a PNG file
//
// Names are unique. Anything else (a wrong magic, a length running past the end,
// bytes after the last entry, a duplicate name, data that is not a PNG picture)
// makes the whole archive unreadable.
namespace picture_archive {

struct Entry {
    QString name;
    QImage picture;
};

using Pictures = QMap<QString, QImage>;

// The archive bytes of the entries in their order; nothing when a name is not a
// valid entry name, repeats, or a picture cannot be encoded.
std::optional<QByteArray> encode(const QList<Entry>& entries);

// The pictures by name; nothing when the bytes are not a complete archive.
std::optional<Pictures> decode(const QByteArray& bytes);

// decode() of a file's contents; nothing when the file cannot be read or is
// larger than any archive of ours (64 MiB).
std::optional<Pictures> read(const QString& path);

} // namespace picture_archive
