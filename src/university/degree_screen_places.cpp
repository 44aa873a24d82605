// TForm1: where a degree is studied, and the universities browser.
#include "university/degree_screen.h"

#include "data/data_store.h"
#include "data/map_regions.h"
#include "platform/cp1252.h"
#include "platform/open_service.h"
#include "platform/owner_drawn.h"
#include "platform/panel_transitions.h"
#include "platform/print_service.h"
#include "university/place_printout.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

namespace {

constexpr int kCommunities = 19;
constexpr int kMapWidth = 281;
constexpr int kMapHeight = 196;
constexpr int kPlaceNameWidth = 35;
constexpr int kCaptionHeight = 18;
constexpr int kPlaceIcon = 5;
constexpr int kBulletIcon = 3;
const QColor kHeaderColour{231, 90, 94};
const QColor kMaroon{128, 0, 0};

QString display(const QByteArray& bytes)
{
    return cp1252::decode(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

QString display(std::string_view bytes)
{
    return cp1252::decode(bytes);
}

bool isCommunity(int region)
{
    return region >= 1 && region <= kCommunities;
}

} // namespace

void TForm1::BotUniClick()
{
    DoublesMode = false;
    if (JumpDegree)
        SelectedDegree = jumpDegree;
    showTitle(display(text::trim(store_.carreran[SelectedDegree])));
    RichSalidas->hide();
    if (SelectedDegree == 0) {
        ListSel->clear();
        GridNotas->hide();
        hideStarMap();
        return;
    }
    GridNotas->show();
    const WhereToStudyList list = composeWhereToStudy(store_, SelectedDegree);
    ComposeLines = list.lines;
    communityMarks_ = list.marks;
    if (starMap_)
        starMap_->showBlinking();
    if (!store_.run.assistantActive)
        GridNotas->setFocus();

    QList<GridRow> rows;
    for (qsizetype i = 0; i < ComposeLines.size(); ++i) {
        const QByteArray& line = ComposeLines[i];
        if (i == 0)
            rows.append({line, {}});
        else if (i == 1)
            rows.append({{}, line});
        else
            rows.append({line.chopped(std::min<qsizetype>(4, line.size())), ' ' + line.right(4)});
    }
    gridRowDegree_.clear();
    ShowWithRoll(PanelSel, 0);
    showGridLines(rows);
    ShowWithRoll(PanelSel, 1);
}

void TForm1::showGridLines(const QList<GridRow>& rows)
{
    QList<QStringList> cells;
    cells.reserve(rows.size());
    for (const GridRow& row : rows)
        cells.append({display(row.cell0), display(row.cell1)});
    GridNotas->setRows(cells);
    GridNotas->scrollToTop();
    GridNotas->clearSelection();
    GridNotas->setCurrentCell(-1, -1);
}

void TForm1::scrollGridToRow(int row)
{
    if (row >= 0 && row < GridNotas->rowCount())
        GridNotas->scrollTo(GridNotas->model()->index(row, 0), QAbstractItemView::PositionAtTop);
}

void TForm1::showGridRows(const QList<GridRow>& rows)
{
    GridNotas->show();
    ListSel->hide();
    gridRowDegree_.clear();
    showGridLines(rows);
}

void TForm1::GridNotasDrawCell(QPainter& painter, const QRect& rect, int row, int column)
{
    const QString text = GridNotas->cellText(row, column);
    const bool selected = GridNotas->currentRow() == row && GridNotas->currentRow() >= 0;
    painter.fillRect(rect, selected ? QColor(0, 0, 128) : GridNotas->palette().color(QPalette::Base));
    QFont font = GridNotas->font();
    if (text.startsWith(QLatin1Char('-'))) {
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(selected ? Qt::white : kMaroon);
        painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        return;
    }
    painter.setFont(font);
    painter.setPen(selected ? Qt::white : Qt::black);
    if (text.startsWith(QLatin1Char('<'))) {
        painter.drawImage(rect.left() + 2, rect.top() + (rect.height() - 16) / 2, ImageList1.value(kBulletIcon));
        painter.drawText(rect.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text.mid(1));
        return;
    }
    painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void TForm1::BotMenuUniClick()
{
    JumpDegree = false;
    DegreePath = false;
    OtherStudiesMode = false;
    ArtKind[0] = false;
    DoublesMode = false;
    UniversityPath = true;
    PanelMenu->hide();
    HideSubMenusMouseMove();
    PanelSelTit->clear();
    PanelEstrellas->show();
    PanelSel->show();
    PanelSelTit->show();
    BotRetroceder->show();
    ListSel->setCursor(Qt::PointingHandCursor);
}

void TForm1::mapaMouseMove(int x, int y)
{
    if (x <= 0 || x > kMapWidth || y <= 0 || y > kMapHeight)
        return;
    hoverCommunity_ = regionAt(store_.regionGrids, MapKind::Communities, x, y);
    if (!isCommunity(hoverCommunity_)) {
        PanelMapa->clear();
        PanelMapa->hide();
        mapa->setCursor(Qt::ArrowCursor);
        return;
    }
    const QPoint at = mapa->mapTo(this, QPoint(x, y + 20));
    PanelMapa->setGeometry(at.x(), at.y(), MapState::kCaptionWidth, kCaptionHeight);
    PanelMapa->setText(display(text::trimRight(text::from(store_.comunida[hoverCommunity_], 3))));
    mapa->setCursor(Qt::PointingHandCursor);
    PanelMapa->show();
    PanelMapa->raise();
}

void TForm1::mapaClick()
{
    if (!isCommunity(hoverCommunity_))
        return;
    PanelMapa->hide();
    const QList<int> places = placesOfCommunity(store_, hoverCommunity_);
    PanelEstrellas->hide();
    placeOfRow_.clear();
    QStringList rows;
    for (int place : places) {
        placeOfRow_.push_back(place);
        rows << display(text::cut(store_.lugar.names[place], kPlaceNameWidth));
    }
    if (places.isEmpty()) {
        placeOfRow_.push_back(0);
        rows << store_.uiText[292];
    }
    ListComunidad->setLines(rows);
    ListComunidad->show();
    ListComunidad->raise();
}

void TForm1::ListComunidadDrawItem(QPainter& painter, const QRect& rect, int index)
{
    const QString text = ListComunidad->item(index)->text();
    if (text.startsWith(QLatin1Char('-'))) {
        painter.fillRect(rect, kHeaderColour);
        painter.setPen(Qt::white);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, text);
        return;
    }
    const bool selected = ListComunidad->currentRow() == index;
    painter.fillRect(rect, selected ? QColor(0, 0, 128) : ListComunidad->palette().color(QPalette::Base));
    painter.drawImage(rect.left() + 2, rect.top() + (rect.height() - 16) / 2, ImageList1.value(kPlaceIcon));
    painter.setPen(selected ? Qt::white : kMaroon);
    painter.drawText(rect.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void TForm1::ListComunidadClick(int row)
{
    if (!UniversityPath || DegreePath || row < 0 || row >= int(placeOfRow_.size()))
        return;
    const int place = placeOfRow_[size_t(row)];
    // The line that says nothing is studied there leads nowhere.
    if (place == 0)
        return;
    showTitle(ListComunidad->item(row)->text().trimmed());
    const QList<PlaceDegreeLine> lines = composePlaceDegrees(store_, place);
    gridRowDegree_.clear();
    QList<GridRow> rows;
    for (const PlaceDegreeLine& line : lines) {
        gridRowDegree_.push_back(line.degree);
        rows.append(placeGridRow(line.text));
    }
    placeLines_ = lines;
    BotIntUni->show();
    listedPlace_ = place;
    ListSel->hide();
    PanelSelTit->show();
    GridNotas->show();
    BotImprimir->show();
    ShowWithRoll(PanelSel, 0);
    showGridLines(rows);
    ShowWithRoll(PanelSel, 1);
}

void TForm1::GridNotasDblClick(int row)
{
    if (!UniversityPath || DegreePath || row < 0 || row >= int(gridRowDegree_.size()))
        return;
    const int degree = gridRowDegree_[size_t(row)];
    if (degree == 0)
        return;
    JumpDegree = true;
    jumpDegree = degree;
    DegreePath = true;
    BotRetrocederClick();
    BotMenuGradosClick();
    showDegreeButtons(true);
    showTitle(display(text::trim(store_.carreran[degree])));
    BotUniClick();
}

void TForm1::BotIntUniMouseUp()
{
    if (listedPlace_ < 1 || listedPlace_ > store_.lugar.count)
        return;
    const std::string& address = store_.lugar.addresses[size_t(listedPlace_)];
    openService().open(QUrl(QStringLiteral("http://www.") + display(address)));
}

void TForm1::BotImprimirClick()
{
    const bool placeListed = UniversityPath && !DegreePath && !ListComunidad->isHidden() && !GridNotas->isHidden() &&
                             listedPlace_ >= 1;
    if (!placeListed)
        return;
    const PlacePrintout printout = composePlacePrintout(store_, listedPlace_, placeLines_);
    if (!printService().choosePrinter())
        return;
    TextTable& report = store_.reportBuffer;
    store_.reportBoldLines.clear();
    report.set(0, printout.title);
    const int count = std::min(int(printout.lines.size()), report::kLastLine);
    for (int line = 1; line <= count; ++line)
        report.set(line, printout.lines[size_t(line - 1)]);
    for (int line : printout.boldLines)
        store_.reportBoldLines.add(line);
    printPortraitReport(report, count, ReportFont::Fixed, 10);
    PrintCollect = false;
}
