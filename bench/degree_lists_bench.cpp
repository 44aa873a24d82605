// Time to rebuild each list of the degree screen over the full edition
// compiled in the build folder (or the folder given in TRAZELA_BENCH_FOLDER,
// holding trazela16_17/). Every list is rebuilt on each click: each should
// take well under 5 ms.
#include "data/data_store.h"
#include "data/screen_files.h"
#include "data/settings.h"
#include "support/recording_messages.h"
#include "university/degree_lines.h"
#include "university/degree_lists.h"
#include "university/where_to_study.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The store with every table of the degree screen, loaded once.
const DataStore* loadedStore()
{
    static const DataStore* store = [] {
        const QByteArray given = qgetenv("TRAZELA_BENCH_FOLDER");
        const QString folder = given.isEmpty() ? QStringLiteral(TRAZELA_BUILD_FOLDER) : QString::fromLocal8Bit(given);
        static QTemporaryDir settingsFolder;
        static RecordingMessages messages;
        const SettingsStore settings(settingsFolder.filePath(QStringLiteral("bench.ini")));
        const QString home = QDir::currentPath();
        DataStore& loaded = DataStore::instance();
        loaded.initialise({{}, folder, folder, &settings});
        screen_files::loadDegreeBrowserLanguageTables(loaded);
        screen_files::loadDegreeBrowserDataFiles(loaded);
        QDir::setCurrent(home);
        return loaded.run.startupAborted ? nullptr : &loaded;
    }();
    return store;
}

template <typename Build>
void run(benchmark::State& state, Build build)
{
    const DataStore* store = loadedStore();
    if (!store) {
        state.SkipWithError("the data folder did not load");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(build(*store));
}

// The degree taught at the most places, and the place teaching the most degrees.
int busiestDegree(const DataStore& store)
{
    int best = 1;
    for (int d = 1; d <= degree_lines::degreeCount(store); ++d)
        if (store.datcarn.length(1, d) > store.datcarn.length(1, best))
            best = d;
    return best;
}

int busiestPlace(const DataStore& store)
{
    int best = 1;
    qsizetype most = 0;
    for (int p = 1; p <= store.lugar.count; ++p) {
        const qsizetype lines = composePlaceDegrees(store, p).size();
        if (lines > most) {
            most = lines;
            best = p;
        }
    }
    return best;
}

void BM_BranchRows(benchmark::State& state)
{
    run(state, [&](const DataStore& s) { return degree_lists::branchRows(s, static_cast<int>(state.range(0))); });
}
BENCHMARK(BM_BranchRows)->DenseRange(1, degree_lists::kAllDegrees)->Unit(benchmark::kMicrosecond);

void BM_SimilarTitlesTree(benchmark::State& state)
{
    run(state, [](const DataStore& s) { return degree_lists::similarTitlesTree(s); });
}
BENCHMARK(BM_SimilarTitlesTree)->Unit(benchmark::kMicrosecond);

void BM_StudyAdviceTree(benchmark::State& state)
{
    run(state, [](const DataStore& s) { return degree_lists::studyAdviceTree(s); });
}
BENCHMARK(BM_StudyAdviceTree)->Unit(benchmark::kMicrosecond);

void BM_ActivitiesTree(benchmark::State& state)
{
    run(state, [](const DataStore& s) { return degree_lists::activitiesTree(s); });
}
BENCHMARK(BM_ActivitiesTree)->Unit(benchmark::kMicrosecond);

void BM_UngroupedTree(benchmark::State& state)
{
    const bool sorted = state.range(0) != 0;
    run(state, [sorted](const DataStore& s) { return degree_lists::ungroupedTree(s, sorted); });
}
BENCHMARK(BM_UngroupedTree)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_WhereToStudy(benchmark::State& state)
{
    const DataStore* store = loadedStore();
    const int degree = store ? busiestDegree(*store) : 1;
    run(state, [degree](const DataStore& s) { return composeWhereToStudy(s, degree).lines.size(); });
}
BENCHMARK(BM_WhereToStudy)->Unit(benchmark::kMicrosecond);

void BM_PlaceDegrees(benchmark::State& state)
{
    const DataStore* store = loadedStore();
    const int place = store ? busiestPlace(*store) : 1;
    run(state, [place](const DataStore& s) { return composePlaceDegrees(s, place).size(); });
}
BENCHMARK(BM_PlaceDegrees)->Unit(benchmark::kMicrosecond);

} // namespace
BENCHMARK_MAIN();
