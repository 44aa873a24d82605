#include "university/star_map_window.h"

#include "data/data_store.h"
#include "data/map_regions.h"
#include "data/screen_files.h"
#include "data/settings.h"
#include "platform/cp1252.h"
#include "support/recording_messages.h"
#include "university/star_map_doubles.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

// Records what the star map asks of the degree browser.
class RecordingHost : public StarMapHost {
public:
    const CommunityMarks& communityMarks() const override { return marks; }
    bool doublesMode() const override { return doubles; }
    int selectedDegree() const override { return degree; }
    void setSelectedCommunity(int community) override { selectedCommunity = community; }
    void scrollGridToRow(int row) override { scrolledTo = row; }
    void showGridRows(const QList<GridRow>& rows) override { shownRows = rows; }

    CommunityMarks marks;
    bool doubles = false;
    int degree = 0;
    int selectedCommunity = 0;
    std::optional<int> scrolledTo;
    std::optional<QList<GridRow>> shownRows;
};

// The window over the edition compiled in the build folder.
class StarMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        DataStore::reset();
        DataStore& store = DataStore::instance();
        const SettingsStore settings(config.filePath(QStringLiteral("trazela16_17.ini")));
        store.initialise({{}, QStringLiteral(TRAZELA_BUILD_FOLDER), QStringLiteral(TRAZELA_BUILD_FOLDER), &settings});
        screen_files::loadDegreeBrowserLanguageTables(store);
        screen_files::loadDegreeBrowserDataFiles(store);
        ASSERT_FALSE(store.run.startupAborted) << messages.shown.join(QLatin1Char('|')).toStdString();
        form = std::make_unique<TForm7>(store);
        form->setHost(&host);
    }

    static DataStore& store() { return DataStore::instance(); }

    // A point of the map's line y whose region satisfies the test.
    template <typename Wanted>
    static std::optional<QPoint> pointOnLine(int y, Wanted wanted)
    {
        for (int x = 1; x <= 281; ++x) {
            if (wanted(regionAt(store().regionGrids, MapKind::Communities, x, y)))
                return QPoint(x, y);
        }
        return std::nullopt;
    }

    // A point of the map over a community.
    static std::optional<QPoint> landPoint()
    {
        for (int y = 1; y <= 196; ++y) {
            if (const auto point = pointOnLine(y, [](int region) { return region >= 1 && region <= 19; }))
                return point;
        }
        return std::nullopt;
    }

    void clickAt(QPoint point)
    {
        form->MapaEstrellasMouseMove(point.x(), point.y());
        form->MapaEstrellasClick();
    }

    // The first university of the double degrees with a pair.
    static const DoubleDegrees::University& firstUniversityWithPairs()
    {
        for (int u = 1; u <= store().dobles.count; ++u) {
            if (store().dobles.universities[static_cast<size_t>(u)].count > 0)
                return store().dobles.universities[static_cast<size_t>(u)];
        }
        ADD_FAILURE() << "no double degrees in the edition";
        return store().dobles.universities[0];
    }

    static QString communityName(int community)
    {
        return cp1252::decode(text::trimRight(text::from(store().comunida[community], 3)));
    }

    RecordingMessages messages;
    QTemporaryDir config;
    RecordingHost host;
    std::unique_ptr<TForm7> form;
};

TEST_F(StarMap, StarsPulseOnlyOverMarkedCommunities)
{
    host.marks.flags[1] = true;
    host.marks.flags[13] = true;
    form->showBlinking();
    EXPECT_TRUE(form->TimerEstrellas->isActive());
    EXPECT_EQ(form->TimerEstrellas->interval(), 200);
    for (int tick = 1; tick <= 2; ++tick)
        form->TimerEstrellasTimer();
    EXPECT_EQ(form->MapaEstrellas->canvas().pixelColor(starPosition(1)), QColor(255, 255, 0));
    form->TimerEstrellasTimer();
    EXPECT_EQ(form->MapaEstrellas->canvas().pixelColor(starPosition(13)), QColor(0, 0, 128));
    if (const QString folder = qEnvironmentVariable("TRAZELA_GRAB_FOLDER"); !folder.isEmpty()) {
        form->MapaEstrellasMouseMove(starPosition(13).x(), starPosition(13).y());
        form->grab().save(folder + QStringLiteral("/star_map.png"));
    }

    const QImage mapa = store().pictures.mapa.convertToFormat(QImage::Format_RGB32);
    const QImage& canvas = form->MapaEstrellas->canvas();
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.pixel(x, y) == mapa.pixel(x, y))
                continue;
            const auto nearStar = [&](int community) {
                const QPoint offset = QPoint(x, y) - starPosition(community);
                return std::abs(offset.x()) <= 4 && std::abs(offset.y()) <= 4;
            };
            EXPECT_TRUE(nearStar(1) || nearStar(13)) << x << "," << y;
        }
    }

    form->hideBlinking();
    EXPECT_FALSE(form->TimerEstrellas->isActive());
    EXPECT_FALSE(form->isVisible());
    form->showBlinking();
    EXPECT_EQ(form->MapaEstrellas->canvas().pixel(starPosition(1)), mapa.pixel(starPosition(1)));
}

TEST_F(StarMap, HoverNamesTheCommunityDownToTheBottomLine)
{
    // The edition's map has only sea on its bottom line: put a community there.
    store().regionGrids.communities.set(140, 196, 5);
    const auto land = pointOnLine(196, [](int region) { return region >= 1 && region <= 19; });
    ASSERT_TRUE(land);
    form->MapaEstrellasMouseMove(land->x(), land->y());
    const int community = regionAt(store().regionGrids, MapKind::Communities, land->x(), land->y());
    EXPECT_EQ(form->PanelMapa->text(), communityName(community));
    EXPECT_FALSE(form->PanelMapa->isHidden());
    EXPECT_EQ(form->PanelMapa->geometry(), QRect(land->x(), 196, MapState::kCaptionWidth, form->PanelMapa->height()));

    form->MapaEstrellasMouseMove(land->x(), 197);
    EXPECT_EQ(form->PanelMapa->text(), communityName(community));
}

TEST_F(StarMap, ClickOnTheSeaOrWithoutAHostDoesNothing)
{
    const auto sea = pointOnLine(1, [](int region) { return region < 1 || region > 19; });
    ASSERT_TRUE(sea);
    host.marks.firstRow.fill(5);
    clickAt(*sea);
    EXPECT_TRUE(form->PanelMapa->text().isEmpty());
    EXPECT_EQ(host.selectedCommunity, 0);
    EXPECT_FALSE(host.scrolledTo);

    const auto land = landPoint();
    ASSERT_TRUE(land);
    form->setHost(nullptr);
    clickAt(*land);
    form->TimerEstrellasTimer();
    EXPECT_EQ(host.selectedCommunity, 0);
}

TEST_F(StarMap, ClickScrollsTheListToTheCommunityHeader)
{
    const auto land = landPoint();
    ASSERT_TRUE(land);
    const int community = regionAt(store().regionGrids, MapKind::Communities, land->x(), land->y());
    host.marks.firstRow[static_cast<size_t>(community)] = 7;
    clickAt(*land);
    EXPECT_EQ(host.selectedCommunity, community);
    EXPECT_EQ(host.scrolledTo, 7);
    EXPECT_FALSE(host.shownRows);

    host.scrolledTo.reset();
    host.marks.firstRow[static_cast<size_t>(community)] = 0;
    clickAt(*land);
    EXPECT_FALSE(host.scrolledTo);
}

TEST_F(StarMap, DoublesModeListsThePartnersAtTheCommunitysUniversities)
{
    const DoubleDegrees::University& university = firstUniversityWithPairs();
    const auto& pair = university.entries[1];
    const QList<GridRow> rows = composeStarMapDoubles(store(), university.region, pair.firstDegree);
    ASSERT_GE(rows.size(), 5);
    EXPECT_EQ(rows[0].cell0, "     Dobles grados de...");
    EXPECT_EQ(rows[1].cell0, "- " + QByteArray::fromStdString(store().carreran[pair.firstDegree]));
    EXPECT_EQ(rows[2].cell0, "     Se imparte en...");
    EXPECT_EQ(rows[3].cell0, "- " + QByteArray::fromStdString(university.name));
    const QByteArray partner = QByteArray::fromStdString(store().carreran[pair.secondDegree]);
    EXPECT_EQ(rows[4].cell0, "+ " + partner.left(45).leftJustified(45));
    EXPECT_EQ(rows[4].cell1, " " + QByteArray::fromStdString(pair.mark).leftJustified(4));

    host.doubles = true;
    host.degree = pair.firstDegree;
    store().mapState.currentRegion = university.region;
    form->MapaEstrellasClick();
    ASSERT_TRUE(host.shownRows);
    EXPECT_EQ(host.shownRows->size(), rows.size());
    EXPECT_EQ(host.selectedCommunity, university.region);
}

TEST_F(StarMap, DoublesModeWithoutAMatchingPairGivesOnlyTheHeaderRows)
{
    const DoubleDegrees::University& university = firstUniversityWithPairs();
    const int unpaired = [&] {
        for (int degree = 1; degree <= store().carreran.count; ++degree) {
            if (composeStarMapDoubles(store(), university.region, degree).size() == 3)
                return degree;
        }
        return 0;
    }();
    ASSERT_NE(unpaired, 0);
    const QList<GridRow> rows = composeStarMapDoubles(store(), university.region, unpaired);
    EXPECT_EQ(rows[1].cell0, "- " + QByteArray::fromStdString(store().carreran[unpaired]));
    for (const GridRow& row : rows)
        EXPECT_TRUE(row.cell1.isEmpty());

    // Pairs naming an unknown code hold degree 0, which is never the chosen degree.
    EXPECT_EQ(composeStarMapDoubles(store(), university.region, 0).size(), 3);
}

} // namespace
