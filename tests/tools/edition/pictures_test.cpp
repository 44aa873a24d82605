#include "pictures.h"

#include "platform/image_lists.h"
#include "platform/picture_archive.h"
#include "support/fixture_folder.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 littleEndian(const QByteArray& bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value |= quint32(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

// Everything the edition draws, written into one folder.
Diagnostics writeAll(const FixtureFolder& folder)
{
    Diagnostics diagnostics;
    OutputFolder out(folder.path(), diagnostics);
    writeStartupPictures(out);
    writeSpriteArchives(out, diagnostics);
    writeEngineSound(out);
    writeImageLists(folder.filePath(QStringLiteral("lists")));
    return diagnostics;
}

QStringList numbered(const QString& stem, int first, int last)
{
    QStringList names;
    for (int n = first; n <= last; ++n)
        names << stem + QString::number(n).rightJustified(2, QLatin1Char('0'));
    return names;
}

QStringList playerPictures()
{
    QStringList names;
    for (const char* direction : {"manup", "mandown", "mander", "manizq", "manupder", "manupizq", "mandoder", "mandoizq"})
        names << numbered(QLatin1String(direction), 1, 10);
    return names;
}

class EditionPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new FixtureFolder;
        const Diagnostics diagnostics = writeAll(*folder_);
        ASSERT_EQ(diagnostics.errors(), 0);
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        folder_ = nullptr;
    }
    static const FixtureFolder& folder() { return *folder_; }

private:
    static inline FixtureFolder* folder_ = nullptr;
};

} // namespace

TEST_F(EditionPictures, StartupPicturesAre24BitBitmapsOfTheirSizes)
{
    struct Case {
        const char* file;
        QSize size;
    };
    const Case cases[] = {
        {"chica.bmp", {52, 120}}, {"parte", {174, 399}},    {"heli.bmp", {83, 28}},   {"suelo", {200, 200}},
        {"marcod", {23, 87}},     {"marcoar", {1024, 50}}, {"imagen", {120, 150}}, {"rotulon.bmp", {180, 90}},
    };
    for (const Case& c : cases) {
        const QString path = folder().filePath(QLatin1String(c.file));
        const QByteArray bytes = readFile(path);
        ASSERT_GT(bytes.size(), 54) << c.file;
        EXPECT_TRUE(bytes.startsWith("BM")) << c.file;
        EXPECT_EQ(littleEndian(bytes, 28, 2), 24u) << c.file;
        QImage picture;
        ASSERT_TRUE(picture.load(path)) << c.file; // as the program loads it: format from the contents
        EXPECT_EQ(picture.size(), c.size) << c.file;
    }
}

TEST_F(EditionPictures, TwoRunsWriteIdenticalBytes)
{
    FixtureFolder second;
    writeAll(second);
    const QDir first(folder().path());
    QStringList files = first.entryList(QDir::Files);
    for (const QString& list : QDir(first.filePath(QStringLiteral("lists"))).entryList(QDir::Files))
        files << QStringLiteral("lists/") + list;
    ASSERT_EQ(files.size(), 8 + 2 + 1 + int(std::size(image_lists::kFormats)));
    for (const QString& file : files)
        EXPECT_EQ(readFile(first.filePath(file)), readFile(second.filePath(file))) << file.toStdString();
}

TEST_F(EditionPictures, ArchivesHoldEveryPictureTheWorldShows)
{
    const std::optional<picture_archive::Pictures> first =
        picture_archive::read(folder().filePath(QStringLiteral("segdxg1.DXG")));
    const std::optional<picture_archive::Pictures> second =
        picture_archive::read(folder().filePath(QStringLiteral("india.DXG")));
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);

    const QStringList inFirst = playerPictures() + QStringList{"lupa", "lupa2", "diana", "diana2", "puertaS", "puertaS2"} +
                                QStringList{"circ1", "circ2", "circ3", "circ4", "circ5", "circ6"};
    const QStringList inSecond{"paredEx", "lateral1",  "lateral2", "paredUp", "paredUp2", "lateralPaso", "pared",
                               "puertaB", "puertab",   "puerta22", "puer3",   "faraon1",  "faraon2",     "rotulos",
                               "rotulo1", "rotulo2",   "tabla1",   "zoomC",   "bocadillo", "zoom",       "background"};
    for (const QString& name : inFirst)
        EXPECT_TRUE(first->contains(name)) << name.toStdString();
    for (const QString& name : inSecond)
        EXPECT_TRUE(second->contains(name)) << name.toStdString();

    // A picture swapped for its highlighted or walking variant keeps the
    // sprite's rectangle.
    const QList<QStringList> sameSize{
        playerPictures(),
        {"lupa", "lupa2"},
        {"diana", "diana2"},
        {"puertaS", "puertaS2"},
        {"circ1", "circ2", "circ3", "circ4", "circ5", "circ6"},
        {"puertaB", "puertab", "puerta22", "puer3"},
    };
    picture_archive::Pictures all = *first;
    all.insert(*second);
    for (const QStringList& group : sameSize)
        for (const QString& name : group)
            EXPECT_EQ(all.value(name).size(), all.value(group.first()).size()) << name.toStdString();
}

TEST_F(EditionPictures, EngineSoundIsOneAndAHalfSecondsOfMono16BitAudio)
{
    const QByteArray wave = readFile(folder().filePath(QStringLiteral("motor.wav")));
    ASSERT_GE(wave.size(), 44);
    EXPECT_TRUE(wave.startsWith("RIFF"));
    EXPECT_EQ(littleEndian(wave, 4, 4), quint32(wave.size() - 8));
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(littleEndian(wave, 20, 2), 1u);     // PCM
    EXPECT_EQ(littleEndian(wave, 22, 2), 1u);     // mono
    EXPECT_EQ(littleEndian(wave, 24, 4), 22050u); // rate
    EXPECT_EQ(littleEndian(wave, 34, 2), 16u);    // bits
    EXPECT_EQ(wave.mid(36, 4), "data");
    EXPECT_EQ(littleEndian(wave, 40, 4), quint32(wave.size() - 44));
    EXPECT_EQ(wave.size() - 44, 22050 * 3 / 2 * 2);
    int loudest = 0;
    for (qsizetype i = 44; i + 1 < wave.size(); i += 2)
        loudest = std::max(loudest, std::abs(int(qint16(littleEndian(wave, int(i), 2)))));
    EXPECT_GT(loudest, 4000);
}

TEST_F(EditionPictures, ImageListStripsMatchTheirFormats)
{
    for (const image_lists::Format& format : image_lists::kFormats) {
        QImageReader reader(folder().filePath(QStringLiteral("lists/%1.png").arg(QLatin1String(format.name))));
        EXPECT_EQ(reader.size(), QSize(format.width * format.count, format.height)) << format.name;
    }
}

TEST(EmbeddedImageLists, CutTheStripsIntoTheirPictures)
{
    for (const image_lists::Format& format : image_lists::kFormats) {
        const QList<QImage> pictures = image_lists::imageList(QLatin1String(format.name));
        ASSERT_EQ(pictures.size(), format.count) << format.name;
        for (const QImage& picture : pictures)
            EXPECT_EQ(picture.size(), QSize(format.width, format.height)) << format.name;
    }
    // The highest icon index that screens use is 42; icons stand on white.
    const QList<QImage> icons = image_lists::imageList(QStringLiteral("ImageListIconos"));
    ASSERT_GE(icons.size(), 43);
    for (const QImage& icon : icons)
        EXPECT_EQ(icon.pixel(0, 0), qRgb(255, 255, 255));
    // The open door differs from the closed one.
    const QList<QImage> door = image_lists::imageList(QStringLiteral("ImageListPuerta"));
    EXPECT_NE(door.first(), door.last());
    EXPECT_TRUE(image_lists::imageList(QStringLiteral("ImageListNone")).isEmpty());
}
