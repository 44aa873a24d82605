#include "platform/picture_archive.h"

#include <QBuffer>
#include <QFile>
#include <QSet>

namespace picture_archive {

namespace {

constexpr char kMagic[] = "TRZPICS1";
constexpr qsizetype kMagicSize = sizeof(kMagic) - 1;
constexpr qsizetype kMaxNameLength = 255;
// Far above any sprite archive; a larger file is not one of ours.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

bool isValidName(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxNameLength)
        return false;
    for (const QChar c : name)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7F)
            return false;
    return true;
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Reads fields from the front of the bytes; every read checks that the field
// lies inside them.
class Cursor {
public:
    explicit Cursor(const QByteArray& bytes)
        : bytes_(bytes)
    {
    }

    bool atEnd() const { return position_ == bytes_.size(); }

    std::optional<quint32> integer(int size)
    {
        if (bytes_.size() - position_ < size)
            return std::nullopt;
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value |= quint32(static_cast<unsigned char>(bytes_[position_ + i])) << (8 * i);
        position_ += size;
        return value;
    }

    std::optional<QByteArray> take(quint32 size)
    {
        if (quint64(bytes_.size() - position_) < size)
            return std::nullopt;
        QByteArray field = bytes_.mid(position_, qsizetype(size));
        position_ += qsizetype(size);
        return field;
    }

private:
    const QByteArray& bytes_;
    qsizetype position_ = 0;
};

std::optional<QByteArray> pngBytes(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return std::nullopt;
    return png;
}

} // namespace

std::optional<QByteArray> encode(const QList<Entry>& entries)
{
    QByteArray bytes(kMagic, kMagicSize);
    appendLittleEndian(bytes, quint32(entries.size()), 4);
    QSet<QString> names;
    for (const Entry& entry : entries) {
        if (!isValidName(entry.name) || names.contains(entry.name))
            return std::nullopt;
        names.insert(entry.name);
        const std::optional<QByteArray> png = pngBytes(entry.picture);
        if (!png)
            return std::nullopt;
        appendLittleEndian(bytes, quint32(entry.name.size()), 2);
        bytes.append(entry.name.toLatin1());
        appendLittleEndian(bytes, quint32(png->size()), 4);
        bytes.append(*png);
    }
    return bytes;
}

std::optional<Pictures> decode(const QByteArray& bytes)
{
    Cursor cursor(bytes);
    const std::optional<QByteArray> magic = cursor.take(quint32(kMagicSize));
    if (!magic || *magic != QByteArray(kMagic, kMagicSize))
        return std::nullopt;
    const std::optional<quint32> count = cursor.integer(4);
    if (!count)
        return std::nullopt;
    Pictures pictures;
    for (quint32 i = 0; i < *count; ++i) {
        const std::optional<quint32> nameLength = cursor.integer(2);
        if (!nameLength)
            return std::nullopt;
        const std::optional<QByteArray> nameBytes = cursor.take(*nameLength);
        if (!nameBytes)
            return std::nullopt;
        const QString name = QString::fromLatin1(*nameBytes);
        if (!isValidName(name) || pictures.contains(name))
            return std::nullopt;
        const std::optional<quint32> dataLength = cursor.integer(4);
        if (!dataLength)
            return std::nullopt;
        const std::optional<QByteArray> data = cursor.take(*dataLength);
        if (!data)
            return std::nullopt;
        const QImage picture = QImage::fromData(*data, "PNG");
        if (picture.isNull())
            return std::nullopt;
        pictures.insert(name, picture);
    }
    if (!cursor.atEnd())
        return std::nullopt;
    return pictures;
}

std::optional<Pictures> read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return std::nullopt;
    return decode(file.readAll());
}

} // namespace picture_archive
