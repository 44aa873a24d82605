#include "platform/single_instance.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString probe(const QString& folder, const char* mode, QProcess& process)
{
    process.start(QStringLiteral(SINGLE_INSTANCE_PROBE), {folder, QLatin1String(mode)});
    process.waitForReadyRead(10000);
    return QString::fromLatin1(process.readLine()).trimmed();
}

QString probeOnce(const QString& folder)
{
    QProcess process;
    const QString outcome = probe(folder, "exit", process);
    process.waitForFinished(10000);
    return outcome;
}

} // namespace

TEST(SingleInstance, SecondProcessIsRefusedWhileTheFirstRuns)
{
    QTemporaryDir folder;
    QProcess first;
    ASSERT_EQ(probe(folder.path(), "hold", first), "locked");
    EXPECT_EQ(probeOnce(folder.path()), "refused");
    first.closeWriteChannel();
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(probeOnce(folder.path()), "locked");
}

TEST(SingleInstance, LockOfACrashedCopyDoesNotBlock)
{
    QTemporaryDir folder;
    QProcess crashed;
    ASSERT_EQ(probe(folder.path(), "crash", crashed), "locked");
    crashed.waitForFinished(10000);
    EXPECT_EQ(crashed.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(probeOnce(folder.path()), "locked");
}

TEST(SingleInstance, HolderInThisProcessRefusesAnother)
{
    QTemporaryDir folder;
    SingleInstanceGuard first(folder.path());
    SingleInstanceGuard second(folder.path());
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(first.lockPath().endsWith(QLatin1String("trazela15_16.exe.lock")));
}
