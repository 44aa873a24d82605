#include "data/data_store.h"

#include "data/screen_files.h"
#include "data/settings.h"
#include "support/recording_messages.h"
#include "support/synthetic_edition.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DataStoreStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        DataStore::reset();
        writeSyntheticEdition(dataFolder());
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }

    QString dataFolder() const { return working.filePath("trazela16_17"); }
    QString dataFile(const QString& name) const { return QDir(dataFolder()).filePath(name); }

    DataStore& start(const QStringList& arguments = {})
    {
        DataStore& store = DataStore::instance();
        store.initialise({arguments, working.path(), working.path(), &settings});
        return store;
    }

    void useLanguageFolder(const QString& name, const QString& firstText)
    {
        QDir(dataFolder()).mkpath(name);
        QFile source(dataFile("cas/textos"));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QByteArray bytes = source.readAll();
        bytes.replace(0, bytes.indexOf('\r'), firstText.toLatin1());
        QFile target(dataFile(name + "/textos"));
        ASSERT_TRUE(target.open(QIODevice::WriteOnly));
        target.write(bytes);
    }

    QString previousFolder = QDir::currentPath();
    QTemporaryDir working;
    QTemporaryDir settingsFolder;
    SettingsStore settings{settingsFolder.filePath("trazela.ini")};
    RecordingMessages messages;
};

} // namespace

TEST_F(DataStoreStart, CompleteFolderStartsAndEveryTableLoads)
{
    DataStore& store = start();
    EXPECT_FALSE(store.run.startupAborted);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    EXPECT_EQ(QDir::currentPath(), QDir(dataFolder()).absolutePath());
    EXPECT_EQ(store.run.languageFolder, "cas/");
    EXPECT_FALSE(store.run.nonCastilian);
    EXPECT_TRUE(store.run.savedAnimation);
    EXPECT_FALSE(store.run.animationEnabled); // no display able to show the world here
    EXPECT_EQ(store.uiText.count(), 749);
    EXPECT_EQ(store.pictures.mapa.size(), QSize(281, 196));
    EXPECT_FALSE(store.pictures.marcodRight.isNull());
    EXPECT_EQ(store.regionGrids.communities.at(1, 1), 0);
    EXPECT_EQ(store.regionGrids.communities.at(1, 2), 1);
    EXPECT_EQ(store.informa_l.count, 400);

    screen_files::loadAll(store);
    EXPECT_FALSE(store.run.startupAborted);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    EXPECT_EQ(store.carreran.count, 350);
    EXPECT_EQ(store.lu[4].count, 1100);
    EXPECT_EQ(store.lugar.count, 137);
    EXPECT_EQ(store.dobles.count, 137);
    EXPECT_EQ(store.asignafp.groupCount, 170);
    EXPECT_EQ(store.asignagm.groupCount, 156);
    EXPECT_EQ(store.asignaba.groupCount, 43);
    EXPECT_EQ(store.fpFamilies.count, 25);
    EXPECT_EQ(store.itinerar[1].size(), 54u);
    EXPECT_EQ(store.comarcas.count, 60);
    EXPECT_EQ(store.altNames.size(), 351u);
}

TEST_F(DataStoreStart, MissingDataFolderStopsTheStart)
{
    QDir(dataFolder()).removeRecursively();
    DataStore& store = start();
    EXPECT_TRUE(store.run.startupAborted);
    EXPECT_EQ(messages.shown, QStringList{QString::fromUtf8("El programa no funcionará correctamente. Falta la carpeta "
                                                            "trazela16_17\\ con los archivos necesrios.")});
    EXPECT_EQ(store.uiText.count(), 0);
}

TEST_F(DataStoreStart, StoredLanguageChoosesTheTexts)
{
    useLanguageFolder("galego", "Galego");
    ASSERT_TRUE(settings.write({2, false}));
    DataStore& store = start();
    EXPECT_EQ(store.uiText.path(), "galego/textos");
    EXPECT_EQ(store.uiText.bytes(1), "Galego");
    EXPECT_TRUE(store.run.nonCastilian);
    EXPECT_FALSE(store.run.savedAnimation);
}

TEST_F(DataStoreStart, CommandLineLanguageLeavesTheSettingsAlone)
{
    useLanguageFolder("galego", "Galego");
    DataStore& store = start({"N", "2"});
    EXPECT_EQ(store.uiText.bytes(1), "Galego");
    EXPECT_EQ(store.run.languageCode, 0);
    EXPECT_EQ(store.run.settings.languageCode, 0);
    EXPECT_TRUE(store.run.savedAnimation);
    EXPECT_FALSE(store.run.animationEnabled);
}

TEST_F(DataStoreStart, MissingMapIsReportedOnceAndLaterPicturesStillLoad)
{
    QFile::remove(dataFile("mapac"));
    QFile::remove(dataFile("heli.bmp"));
    DataStore& store = start();
    EXPECT_TRUE(store.run.startupAborted);
    EXPECT_EQ(messages.shown, QStringList{"Faltan ficheros"});
    EXPECT_FALSE(store.pictures.mapam.isNull());
    EXPECT_FALSE(store.pictures.marcoar.isNull());
}

TEST_F(DataStoreStart, UnreadablePictureAbortsLikeAMissingOne)
{
    QFile damaged(dataFile("suelo"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a picture");
    damaged.close();
    EXPECT_TRUE(start().run.startupAborted);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(DataStoreStart, MissingRegionFileStopsBeforeTheLongLineTables)
{
    QFile::remove(dataFile("puntos3"));
    DataStore& store = start();
    EXPECT_TRUE(store.run.startupAborted);
    EXPECT_EQ(messages.shown, QStringList{"Faltan ficheros"});
    EXPECT_EQ(store.informa_l.count, 0);
}

TEST_F(DataStoreStart, ShortRegionFileIsReported)
{
    QFile file(dataFile("puntos3"));
    ASSERT_TRUE(file.resize(1000));
    EXPECT_TRUE(start().run.startupAborted);
    EXPECT_EQ(messages.shown, QStringList{"Faltan ficheros (puntos3). Vuelva a instalar el programa"});
}

TEST_F(DataStoreStart, MissingTextsStopBeforeThePictures)
{
    QFile::remove(dataFile("cas/textos"));
    DataStore& store = start();
    EXPECT_TRUE(store.run.startupAborted);
    EXPECT_EQ(messages.shown, QStringList{"Faltan ficheros (cas/textos). Vuelva a instalar el programa"});
    EXPECT_TRUE(store.pictures.chica.isNull());
}
