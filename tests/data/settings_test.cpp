#include "data/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Settings, DefaultsAreCastilianWithAnimation)
{
    QTemporaryDir folder;
    const SettingsRecord record = SettingsStore(folder.filePath("none.ini")).read();
    EXPECT_EQ(record.languageCode, 0);
    EXPECT_TRUE(record.animation);
}

TEST(Settings, WrittenRecordReadsBack)
{
    QTemporaryDir folder;
    const SettingsStore store(folder.filePath("sub/trazela.ini"));
    for (const SettingsRecord record : {SettingsRecord{2, false}, SettingsRecord{3, true}, SettingsRecord{0, false}}) {
        ASSERT_TRUE(store.write(record));
        const SettingsRecord read = store.read();
        EXPECT_EQ(read.languageCode, record.languageCode);
        EXPECT_EQ(read.animation, record.animation);
    }
}

TEST(Settings, UnwritableFileReportsFailure)
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(SettingsStore(folder.filePath("file/trazela.ini")).write({1, true}));
}

TEST(Settings, ValuesOutOfRangeReadAsDefaults)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("bad.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nlanguage=7\n");
    file.close();
    EXPECT_EQ(SettingsStore(folder.filePath("bad.ini")).read().languageCode, 0);
}
