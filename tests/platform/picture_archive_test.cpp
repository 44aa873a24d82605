#include "platform/picture_archive.h"

#include "support/fixture_folder.h"

#include <gtest/gtest.h>

namespace {

QImage picture(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    image.setPixel(0, 0, qRgba(1, 2, 3, 4));
    return image;
}

QByteArray littleEndian(quint32 value, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}

// An archive written field by field, to build damaged ones.
QByteArray rawArchive(quint32 count, const QList<std::pair<QByteArray, QByteArray>>& entries)
{
    QByteArray bytes = "TRZPICS1" + littleEndian(count, 4);
    for (const auto& [name, data] : entries)
        bytes += littleEndian(quint32(name.size()), 2) + name + littleEndian(quint32(data.size()), 4) + data;
    return bytes;
}

QByteArray png(const QImage& image)
{
    const std::optional<QByteArray> archive = picture_archive::encode({{QStringLiteral("x"), image}});
    return archive->mid(8 + 4 + 2 + 1 + 4);
}

} // namespace

TEST(PictureArchive, RoundTripKeepsNamesSizesAndPixels)
{
    const QList<picture_archive::Entry> entries{
        {QStringLiteral("mandown01"), picture(40, 64, qRgba(10, 200, 30, 255))},
        {QStringLiteral("paredEx"), picture(172, 87, qRgba(0, 0, 0, 0))},
        {QStringLiteral("b"), picture(1, 1, qRgba(255, 255, 255, 128))},
    };
    const std::optional<QByteArray> bytes = picture_archive::encode(entries);
    ASSERT_TRUE(bytes);
    const std::optional<picture_archive::Pictures> pictures = picture_archive::decode(*bytes);
    ASSERT_TRUE(pictures);
    ASSERT_EQ(pictures->size(), entries.size());
    for (const picture_archive::Entry& entry : entries) {
        ASSERT_TRUE(pictures->contains(entry.name)) << entry.name.toStdString();
        const QImage read = pictures->value(entry.name).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(read, entry.picture) << entry.name.toStdString();
    }
    EXPECT_EQ(picture_archive::decode(*picture_archive::encode({})), picture_archive::Pictures());
}

TEST(PictureArchive, EncodingRejectsEntriesItCouldNotReadBack)
{
    const QImage ok = picture(2, 2, qRgb(1, 2, 3));
    struct Case {
        const char* what;
        QList<picture_archive::Entry> entries;
    };
    const Case cases[] = {
        {"empty name", {{QString(), ok}}},
        {"name with a blank", {{QStringLiteral("a b"), ok}}},
        {"name outside ASCII", {{QStringLiteral("pu\u00f1o"), ok}}},
        {"name too long", {{QString(256, QLatin1Char('n')), ok}}},
        {"duplicate name", {{QStringLiteral("a"), ok}, {QStringLiteral("a"), ok}}},
        {"null picture", {{QStringLiteral("a"), QImage()}}},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(picture_archive::encode(c.entries)) << c.what;
    EXPECT_TRUE(picture_archive::encode({{QString(255, QLatin1Char('n')), ok}}));
}

TEST(PictureArchive, EveryTruncationFailsCleanly)
{
    const std::optional<QByteArray> bytes = picture_archive::encode(
        {{QStringLiteral("one"), picture(3, 2, qRgb(9, 9, 9))}, {QStringLiteral("two"), picture(2, 3, qRgb(7, 7, 7))}});
    ASSERT_TRUE(bytes);
    for (qsizetype size = 0; size < bytes->size(); ++size)
        EXPECT_FALSE(picture_archive::decode(bytes->left(size))) << size;
}

TEST(PictureArchive, DamagedArchivesFailCleanly)
{
    const QByteArray data = png(picture(2, 2, qRgb(50, 60, 70)));
    QByteArray corruptData = data;
    corruptData[20] = static_cast<char>(corruptData[20] ^ 0x5A);
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"wrong magic", "TRZPICS2" + rawArchive(1, {{"a", data}}).mid(8)},
        {"count beyond the entries", rawArchive(2, {{"a", data}})},
        {"count of four billion", rawArchive(0xFFFFFFFF, {{"a", data}})},
        {"bytes after the last entry", rawArchive(1, {{"a", data}}) + "x"},
        {"duplicate name", rawArchive(2, {{"a", data}, {"a", data}})},
        {"empty name", rawArchive(1, {{"", data}})},
        {"control character in a name", rawArchive(1, {{"a\n", data}})},
        {"data that is not a picture", rawArchive(1, {{"a", "not a png"}})},
        {"corrupt picture data", rawArchive(1, {{"a", corruptData}})},
        {"empty picture data", rawArchive(1, {{"a", ""}})},
        {"name length past the end",
         QByteArray("TRZPICS1") + littleEndian(1, 4) + littleEndian(0xFFFF, 2) + "abc"},
        {"data length past the end",
         QByteArray("TRZPICS1") + littleEndian(1, 4) + littleEndian(1, 2) + "a" + littleEndian(0xFFFFFFFF, 4) + data},
    };
    ASSERT_TRUE(picture_archive::decode(rawArchive(1, {{"a", data}})));
    for (const Case& c : cases)
        EXPECT_FALSE(picture_archive::decode(c.bytes)) << c.what;
}

TEST(PictureArchive, ReadsFilesAndFailsOnMissingOnes)
{
    FixtureFolder folder;
    folder.writeBytes(QStringLiteral("india.DXG"),
                      *picture_archive::encode({{QStringLiteral("pared"), picture(4, 3, qRgb(1, 1, 1))}}));
    folder.writeBytes(QStringLiteral("broken.DXG"), "TRZPICS1\x01");
    const std::optional<picture_archive::Pictures> pictures = picture_archive::read(folder.filePath("india.DXG"));
    ASSERT_TRUE(pictures);
    EXPECT_EQ(pictures->value(QStringLiteral("pared")).size(), QSize(4, 3));
    EXPECT_FALSE(picture_archive::read(folder.filePath("broken.DXG")));
    EXPECT_FALSE(picture_archive::read(folder.filePath("missing.DXG")));
}
