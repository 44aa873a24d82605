// Time to load a complete data folder: the data store's start-up and every
// table that the screens load while they are created.
#include "data/data_store.h"
#include "data/screen_files.h"
#include "data/settings.h"
#include "support/recording_messages.h"
#include "support/synthetic_edition.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString benchFolder()
{
    static QTemporaryDir working;
    static const bool written = [] {
        writeSyntheticEdition(working.filePath(QStringLiteral("trazela16_17")));
        return true;
    }();
    (void)written;
    return working.path();
}

// The folder to load: the one given in TRAZELA_BENCH_FOLDER (holding
// trazela16_17/), or a generated one of full size.
QString workingFolder()
{
    const QByteArray given = qgetenv("TRAZELA_BENCH_FOLDER");
    return given.isEmpty() ? benchFolder() : QString::fromLocal8Bit(given);
}

void startAndLoadEverything(DataStore& store, const QString& folder, const SettingsStore& settings)
{
    store.initialise({{}, folder, folder, &settings});
    screen_files::loadAll(store);
}

void BM_StartUpData(benchmark::State& state)
{
    const QString folder = workingFolder();
    const QString home = QDir::currentPath();
    QTemporaryDir settingsFolder;
    const SettingsStore settings(settingsFolder.filePath(QStringLiteral("bench.ini")));
    RecordingMessages messages;
    for (auto _ : state) {
        DataStore::reset();
        DataStore& store = DataStore::instance();
        startAndLoadEverything(store, folder, settings);
        QDir::setCurrent(home);
        if (store.run.startupAborted) {
            state.SkipWithError("the data folder did not load");
            break;
        }
        benchmark::DoNotOptimize(store.carreran.count);
    }
}
BENCHMARK(BM_StartUpData)->Unit(benchmark::kMillisecond);

void BM_StandardTable(benchmark::State& state)
{
    const QString folder = QDir(workingFolder()).filePath(QStringLiteral("trazela16_17"));
    bool aborted = false;
    const LoadContext ctx(folder, aborted);
    TextTable table = standardTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(loaders::loadFilled(ctx, QStringLiteral("lu1"), table, 60));
}
BENCHMARK(BM_StandardTable)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
