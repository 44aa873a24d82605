#include "university/degree_screen.h"

#include "app/main_menu.h"
#include "app/main_menu_widgets.h"
#include "app/screen_table.h"
#include "app/screens.h"
#include "data/data_store.h"
#include "data/map_regions.h"
#include "data/settings.h"
#include "platform/cp1252.h"
#include "platform/open_service.h"
#include "platform/owner_drawn.h"
#include "platform/print_service.h"
#include "support/recording_messages.h"
#include "university/degree_lines.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <utility>

namespace {

class RecordingOpenService final : public OpenService {
public:
    RecordingOpenService() { setOpenService(this); }
    ~RecordingOpenService() override { setOpenService(nullptr); }
    bool open(const QUrl& url) override
    {
        opened << url;
        return true;
    }
    QList<QUrl> opened;
};

bool shown(const QWidget* widget)
{
    return !widget->isHidden();
}

// The screen over the edition compiled in the build folder.
class DegreeScreen : public ::testing::Test {
protected:
    void SetUp() override { start({}); }

    // The screen over the edition, with the program's command line.
    void start(const QStringList& arguments)
    {
        form.reset();
        starMap.reset();
        DataStore::reset();
        const SettingsStore settings(config.filePath(QStringLiteral("trazela16_17.ini")));
        store().initialise(
            {arguments, QStringLiteral(TRAZELA_BUILD_FOLDER), QStringLiteral(TRAZELA_BUILD_FOLDER), &settings});
        starMap = std::make_unique<TForm7>(store());
        form = std::make_unique<TForm1>(store());
        ASSERT_FALSE(store().run.startupAborted) << messages.shown.join(QLatin1Char('|')).toStdString();
        form->setStarMap(starMap.get());
    }

    void TearDown() override { QDir::setCurrent(QDir::tempPath()); }

    static DataStore& store() { return DataStore::instance(); }

    QString text(int line) const { return store().uiText[line]; }

    // The first grid row of a branch list that holds a degree.
    int firstDegreeRow() const
    {
        for (size_t row = 0; row < form->RowDegree.size(); ++row)
            if (form->RowDegree[row] != 0)
                return static_cast<int>(row);
        return -1;
    }

    static std::optional<QPoint> pointOf(int community)
    {
        for (int y = 1; y <= 196; ++y)
            for (int x = 1; x <= 281; ++x)
                if (regionAt(store().regionGrids, MapKind::Communities, x, y) == community)
                    return QPoint(x, y);
        return std::nullopt;
    }

    void clickCommunity(int community)
    {
        const std::optional<QPoint> at = pointOf(community);
        ASSERT_TRUE(at) << "community " << community << " is on the map";
        form->mapaMouseMove(at->x(), at->y());
        form->mapaClick();
    }

    // Lists the degrees of the first place that teaches more than `moreThan`.
    int listPlaceTeaching(int moreThan)
    {
        form->BotMenuUniClick();
        for (int community = 1; community <= 17; ++community) {
            clickCommunity(community);
            for (int row = 0; row < form->ListComunidad->count(); ++row) {
                form->ListComunidadClick(row);
                int degrees = 0;
                for (int r = 0; r < form->GridNotas->rowCount(); ++r)
                    degrees += form->GridNotas->cellText(r, 0).startsWith(QLatin1Char('<'));
                if (degrees > moreThan)
                    return row;
            }
            form->BotRetrocederClick();
        }
        return -1;
    }

    RecordingMessages messages;
    QTemporaryDir config;
    std::unique_ptr<TForm7> starMap;
    std::unique_ptr<TForm1> form;
};

} // namespace

TEST_F(DegreeScreen, OpensOnItsMenuWithLaterSectionsDisabled)
{
    form->botinformacionClick();
    EXPECT_TRUE(shown(form->PanelMenu));
    EXPECT_EQ(form->BotMenuGrados->text(), text(523));
    EXPECT_TRUE(form->BotMenuGrados->isEnabled());
    EXPECT_TRUE(form->BotMenuUni->isEnabled());
    for (QPushButton* later : {form->BotMenuDobles, form->BotMenuDepor, form->BotMaster, form->botinfo2,
                               form->BotReq, form->BotPonde, form->BotImprimirN})
        EXPECT_FALSE(later->isEnabled()) << later->text().toStdString();
    EXPECT_EQ(cp1252::decode(store().carreran[0]), text(48));
    EXPECT_GT(store().profesio.count, 0);
    EXPECT_GT(store().materiasp.count, 0);
}

TEST_F(DegreeScreen, HeaderRowSelectsNoDegreeAndClearsTheList)
{
    form->BotMenuGradosClick();
    form->ListramasClick(0);
    ASSERT_TRUE(form->HeaderRow.at(0));
    const int degreeRow = firstDegreeRow();
    form->listgradosMouseUp(degreeRow);
    EXPECT_TRUE(shown(form->GridNotas));

    form->listgradosMouseUp(0);
    EXPECT_EQ(form->SelectedDegree, 0);
    EXPECT_EQ(form->PanelSelTit->text(), text(48));
    EXPECT_TRUE(shown(form->BotUni));
    EXPECT_TRUE(shown(form->BotReq));
    EXPECT_FALSE(shown(form->GridNotas));
    EXPECT_FALSE(starMap->isVisible());
}

TEST_F(DegreeScreen, SelectedDegreeListsWhereItIsStudiedWithMarks)
{
    form->BotMenuGradosClick();
    form->ListramasClick(degree_lists::kAllDegrees - 1);
    const int row = firstDegreeRow();
    const int degree = form->RowDegree.at(size_t(row));
    form->listgradosMouseUp(row);

    EXPECT_EQ(form->SelectedDegree, degree);
    EXPECT_EQ(form->PanelSelTit->text(), cp1252::decode(text::trim(store().carreran[degree])));
    const OwnerDrawnGrid* grid = form->GridNotas;
    ASSERT_EQ(grid->rowCount(), form->ComposeLines.size());
    EXPECT_TRUE(grid->cellText(0, 0).startsWith(QLatin1Char('-')));
    EXPECT_EQ(grid->cellText(1, 1), QStringLiteral("Not."));
    // Every place of the degree is a row with its mark text in the narrow column.
    QStringList marks;
    for (int r = 2; r < grid->rowCount(); ++r)
        if (grid->cellText(r, 0).startsWith(QLatin1Char('<')))
            marks << grid->cellText(r, 1);
    QStringList expected;
    for (int k = 1; k <= store().datcarn.length(1, degree); ++k)
        expected << QLatin1Char(' ') + QString::fromLatin1(markText(store().datcarn.value(2, degree, k)));
    marks.sort();
    expected.sort();
    EXPECT_EQ(marks, expected);
    EXPECT_TRUE(starMap->isVisible());
    int flagged = 0;
    for (int c = 1; c <= 19; ++c)
        if (form->communityMarks().flags[size_t(c)]) {
            ++flagged;
            EXPECT_TRUE(grid->cellText(form->communityMarks().firstRow[size_t(c)], 0).startsWith(QStringLiteral("- ")));
        }
    EXPECT_GT(flagged, 0);

    // The where-to-study list of a degree is no way to jump.
    form->GridNotasDblClick(3);
    EXPECT_EQ(form->SelectedDegree, degree);
    EXPECT_FALSE(form->JumpDegree);
}

TEST_F(DegreeScreen, DegreeWithAlternativeNamesShowsItsMarkAndHint)
{
    form->BotMenuGradosClick();
    form->ListramasClick(degree_lists::kAllDegrees - 1);
    int withNames = -1;
    int without = -1;
    for (int row = 0; row < int(form->RowDegree.size()); ++row) {
        const int d = form->RowDegree[size_t(row)];
        if (d == 0)
            continue;
        (store().altNames[size_t(d)].count > 0 ? withNames : without) = row;
    }
    ASSERT_GE(withNames, 0);
    ASSERT_GE(without, 0);
    EXPECT_EQ(form->listgrados->cellText(withNames, 1), QStringLiteral("+"));
    EXPECT_EQ(form->listgrados->cellText(without, 1), QString());
    form->listgradosMouseMove(withNames);
    const QString hint = form->listgrados->viewport()->toolTip();
    EXPECT_TRUE(hint.startsWith(text(538)));
    EXPECT_TRUE(hint.contains(QStringLiteral("\n-")));
    form->listgradosMouseMove(without);
    EXPECT_TRUE(form->listgrados->viewport()->toolTip().isEmpty());
}

TEST_F(DegreeScreen, ButtonRetroNReturnsToTheBranchesThenToTheMenu)
{
    form->BotMenuGradosClick();
    form->ListramasClick(1);
    EXPECT_FALSE(form->BranchListShown);
    form->ButtonRetroNClick();
    EXPECT_TRUE(form->BranchListShown);
    EXPECT_TRUE(shown(form->Listramas));
    EXPECT_FALSE(shown(form->listgrados));

    form->ComboAgruChange(3);
    EXPECT_TRUE(shown(form->Tree));
    EXPECT_EQ(form->Labelgrados->text(), text(376));
    EXPECT_EQ(form->Tree->topLevelItemCount(), 11);
    form->ButtonRetroNClick();
    EXPECT_TRUE(shown(form->Listramas));
    EXPECT_FALSE(shown(form->Tree));

    form->ButtonRetroNClick();
    EXPECT_FALSE(shown(form->PanelTree));
    EXPECT_TRUE(shown(form->PanelMenu));
    EXPECT_FALSE(form->UniversityPath);
    EXPECT_FALSE(shown(form->PanelSel));
}

TEST_F(DegreeScreen, TreeNodesSelectDegreesAndGroupsSelectNone)
{
    form->BotMenuGradosClick();
    form->ComboAgruChange(4);
    ASSERT_EQ(form->Tree->topLevelItemCount(), degree_lines::degreeCount(store()));
    QTreeWidgetItem* third = form->Tree->topLevelItem(2);
    EXPECT_EQ(third->data(0, Qt::UserRole).toInt(), 3); // Castilian keeps file order
    form->TreeClick(third);
    EXPECT_EQ(form->SelectedDegree, 3);
    EXPECT_TRUE(shown(form->GridNotas));

    form->ComboAgruChange(1);
    QTreeWidgetItem* group = nullptr;
    for (int i = 0; i < form->Tree->topLevelItemCount() && !group; ++i)
        if (form->Tree->topLevelItem(i)->childCount() > 0)
            group = form->Tree->topLevelItem(i);
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->text(0).endsWith(QStringLiteral(" (%1)").arg(group->childCount())));
    form->TreeClick(group);
    EXPECT_TRUE(form->PanelSelTit->text().isEmpty());
    EXPECT_FALSE(shown(form->GridNotas));
    EXPECT_FALSE(starMap->isVisible());
}

TEST_F(DegreeScreen, UngroupedListIsSortedInTheOtherLanguages)
{
    start({QStringLiteral("N"), QStringLiteral("1")});
    ASSERT_TRUE(store().run.nonCastilian);
    form->BotMenuGradosClick();
    form->ComboAgruChange(4);
    ASSERT_EQ(form->Tree->topLevelItemCount(), degree_lines::degreeCount(store()));
    for (int i = 1; i < form->Tree->topLevelItemCount(); ++i) {
        const int upper = form->Tree->topLevelItem(i - 1)->data(0, Qt::UserRole).toInt();
        const int lower = form->Tree->topLevelItem(i)->data(0, Qt::UserRole).toInt();
        const auto prefix = [](int d) { return text::cut(store().carreran[d], 10); };
        ASSERT_TRUE(prefix(upper) < prefix(lower) || (prefix(upper) == prefix(lower) && upper < lower))
            << "node " << i;
    }
}

TEST_F(DegreeScreen, BotMenuRetroLeavesForTheAssistantTheWorldOrTheMenu)
{
    struct Case {
        bool assistant;
        bool animation;
        bool worldExists;
        const char* expected;
    };
    for (const Case c : {Case{true, true, true, "assistant"}, Case{false, true, true, "world"},
                         Case{false, false, true, "menu"}, Case{false, true, false, "menu"}}) {
        QStringList went;
        TForm1::Exits exits;
        exits.showAssistant = [&] { went << QStringLiteral("assistant"); };
        if (c.worldExists)
            exits.showWorld = [&] { went << QStringLiteral("world"); };
        exits.showMainMenu = [&] { went << QStringLiteral("menu"); };
        form->setExits(exits);
        store().run.assistantActive = c.assistant;
        store().run.animationEnabled = c.animation;
        form->show();
        form->botinformacionClick();
        form->BotMenuRetroClick();
        EXPECT_EQ(went, QStringList{QString::fromLatin1(c.expected)});
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(shown(form->PanelMenu));
    }
}

TEST_F(DegreeScreen, CeutaAndMelillaListThePlacesOfAndalusia)
{
    form->BotMenuUniClick();
    clickCommunity(1);
    QStringList andalusia;
    for (int row = 0; row < form->ListComunidad->count(); ++row)
        andalusia << form->ListComunidad->item(row)->text();
    ASSERT_FALSE(andalusia.isEmpty());
    form->BotRetrocederClick();
    EXPECT_TRUE(shown(form->PanelEstrellas));
    for (int community : {18, 19}) {
        clickCommunity(community);
        QStringList listed;
        for (int row = 0; row < form->ListComunidad->count(); ++row)
            listed << form->ListComunidad->item(row)->text();
        EXPECT_EQ(listed, andalusia) << "community " << community;
        EXPECT_FALSE(shown(form->PanelEstrellas));
        form->BotRetrocederClick();
    }
    // The sea does nothing.
    form->mapaMouseMove(1, 1);
    form->mapaClick();
    EXPECT_TRUE(shown(form->PanelEstrellas));
}

TEST_F(DegreeScreen, UniversityListJumpsToADegreeOnDoubleClick)
{
    ASSERT_GE(listPlaceTeaching(15), 0);
    EXPECT_TRUE(shown(form->BotIntUni));
    EXPECT_TRUE(form->GridNotas->cellText(0, 0).startsWith(QLatin1Char('-')));
    int degreeRow = -1;
    for (int r = 0; r < form->GridNotas->rowCount() && degreeRow < 0; ++r)
        if (form->GridNotas->cellText(r, 0).startsWith(QLatin1Char('<')))
            degreeRow = r;
    ASSERT_GE(degreeRow, 0);
    form->GridNotasDblClick(0); // a branch header
    EXPECT_FALSE(form->JumpDegree);

    form->GridNotasDblClick(degreeRow);
    EXPECT_TRUE(form->JumpDegree);
    EXPECT_TRUE(form->DegreePath);
    const int degree = form->SelectedDegree;
    EXPECT_GT(degree, 0);
    EXPECT_TRUE(shown(form->PanelTree));
    EXPECT_TRUE(shown(form->Listramas));
    EXPECT_FALSE(shown(form->ListComunidad));
    EXPECT_FALSE(shown(form->BotIntUni));
    EXPECT_TRUE(shown(form->BotUni));
    EXPECT_EQ(form->PanelSelTit->text(), cp1252::decode(text::trim(store().carreran[degree])));
    EXPECT_EQ(form->GridNotas->rowCount(), composeWhereToStudy(store(), degree).lines.size());
}

TEST_F(DegreeScreen, UniversityListPrintsAndOpensItsWebPage)
{
    RecordingPrintService printer;
    RecordingOpenService opener;
    const int row = listPlaceTeaching(0);
    ASSERT_GE(row, 0);

    form->BotIntUniMouseUp();
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(opener.opened[0].toString().startsWith(QStringLiteral("http://www.")));

    printer.acceptDialog = false;
    form->BotImprimirClick();
    EXPECT_TRUE(printer.jobs.empty());
    printer.acceptDialog = true;
    form->BotImprimirClick();
    ASSERT_EQ(printer.jobs.size(), 1u);
    QStringList printed;
    for (const PrintedItem& item : printer.jobs[0].pages.at(0))
        printed << item.text;
    const QString all = printed.join(QLatin1Char('|'));
    EXPECT_TRUE(all.contains(text(289) + QStringLiteral(": ") + form->PanelSelTit->text())) << all.toStdString();
    EXPECT_TRUE(all.contains(text(296)));
    EXPECT_TRUE(all.contains(form->GridNotas->cellText(0, 0).left(40).trimmed()));
}

TEST_F(DegreeScreen, MainMenuDegreesDoorOpensTheScreenOnItsMenu)
{
    form.reset();
    starMap.reset();
    for (const ScreenEntry& entry : programScreens())
        if (QByteArray(entry.name) == "Tform0" || QByteArray(entry.name) == "TForm7" || QByteArray(entry.name) == "TForm1")
            entry.create(store());
    const std::unique_ptr<Tform0> menu(std::exchange(screens().form0, nullptr));
    const std::unique_ptr<TForm7> map(std::exchange(screens().Form7, nullptr));
    const std::unique_ptr<TForm1> degrees(std::exchange(screens().Form1, nullptr));
    ASSERT_TRUE(menu && map && degrees);

    store().run.worldActive = true; // the door acts without its animation
    ASSERT_TRUE(menu->doorLabels[1]->isEnabled());
    menu->DoorClick(1);
    for (int tick = 0; tick < 20 && menu->TimerZoom->isActive(); ++tick)
        menu->TimerZoomTimer();
    EXPECT_TRUE(degrees->isVisible());
    EXPECT_TRUE(shown(degrees->PanelMenu));
    EXPECT_FALSE(menu->isVisible());
}
