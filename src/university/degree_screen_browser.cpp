// TForm1: the degree browser (branch list, branch grid, groupings, selection).
#include "university/degree_screen.h"

#include "data/data_store.h"
#include "platform/cp1252.h"
#include "platform/owner_drawn.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

const QColor kHeaderColour{231, 90, 94};
const QColor kSelectedColour{0, 0, 128};
const QColor kMaroon{128, 0, 0};
constexpr int kBrowserShift = 60;
constexpr int kBranchIcons[] = {0, 5, 1, 4, 2, 3};
enum SmallIcon { kSelectedTop = 0, kDegreeIcon = 1, kSelectedDegree = 2, kBullet = 3, kGroupIcon = 4 };
enum Grouping { kBranchList = 0, kSimilarTitles = 1, kActivities = 2, kStudyAdvice = 3, kUngrouped = 4 };

QString display(std::string_view bytes)
{
    return cp1252::decode(bytes);
}

} // namespace

void TForm1::BotMenuGradosClick()
{
    PanelSel->move(PanelSel->x(), designTops_[0] + kBrowserShift);
    PanelSelTit->move(PanelSelTit->x(), designTops_[1] + kBrowserShift);
    PanelCarSel->move(PanelCarSel->x(), designTops_[2] + kBrowserShift);
    RichSalidas->move(RichSalidas->x(), LabelMaster->y());
    UniversityPath = true;
    DegreePath = true;

    PanelMenu->hide();
    HideSubMenusMouseMove();
    PanelSel->show();
    PanelSelTit->show();
    PanelTree->show();
    Listramas->show();
    listgrados->hide();
    Tree->hide();
    Labelgrados->setText(store_.uiText[375]);

    {
        const QSignalBlocker quiet(ComboAgru);
        ComboAgru->clear();
        for (int line : {375, 374, 377, 376, 372})
            ComboAgru->addItem(store_.uiText[line]);
        ComboAgru->setPlaceholderText(store_.uiText[373]);
        ComboAgru->setCurrentIndex(-1);
    }
    Listramas->setLines(branchNames_ + QStringList{store_.uiText[523]});
    BranchListShown = true;
}

void TForm1::ListramasDrawItem(QPainter& painter, const QRect& rect, int index)
{
    const bool selected = Listramas->currentRow() == index;
    painter.fillRect(rect, selected ? kHeaderColour : Listramas->palette().color(QPalette::Base));
    if (index >= 0 && index < int(std::size(kBranchIcons)))
        painter.drawImage(rect.left() + 10, rect.top(), ImageListRamas.value(kBranchIcons[index]));
    painter.setPen(selected ? Qt::white : kMaroon);
    painter.drawText(rect.adjusted(65, 10, 0, 0), Qt::AlignLeft | Qt::AlignTop, Listramas->item(index)->text());
}

void TForm1::ListramasClick(int index)
{
    const int branch = index + 1;
    if (branch < 1 || branch > degree_lists::kAllDegrees)
        return;
    listgrados->show();
    Listramas->hide();
    Tree->hide();
    const std::vector<degree_lists::GridRow> rows = degree_lists::branchRows(store_, branch);
    RowDegree.clear();
    HeaderRow.clear();
    QList<QStringList> cells;
    for (const degree_lists::GridRow& row : rows) {
        RowDegree.push_back(row.degree);
        HeaderRow.push_back(row.header);
        cells.push_back({display(row.text), display(row.mark)});
    }
    listgrados->setRows(cells);
    listgrados->scrollToTop();
    BranchListShown = false;
    hintRow_ = -1;
    listgrados->setFocus();
}

void TForm1::listgradosDrawCell(QPainter& painter, const QRect& rect, int row, int column)
{
    const QString text = listgrados->cellText(row, column);
    const bool header = row >= 0 && row < int(HeaderRow.size()) && HeaderRow[size_t(row)];
    QFont font = listgrados->font();
    if (column == 1) {
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(kHeaderColour);
        painter.drawText(rect, Qt::AlignCenter, text);
        return;
    }
    if (header) {
        painter.fillRect(rect, kHeaderColour);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, text);
        return;
    }
    const bool selected = listgrados->currentRow() == row;
    painter.fillRect(rect, selected ? kSelectedColour : listgrados->palette().color(QPalette::Base));
    painter.drawImage(rect.left() + 2, rect.top() + (rect.height() - 16) / 2, ImageList1.value(kBullet));
    painter.setFont(font);
    painter.setPen(selected ? Qt::white : kMaroon);
    painter.drawText(rect.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void TForm1::listgradosMouseMove(int row)
{
    if (row == hintRow_)
        return;
    hintRow_ = row;
    const int degree = row >= 0 && row < int(RowDegree.size()) ? RowDegree[size_t(row)] : 0;
    listgrados->viewport()->setToolTip(display(degree_lists::altNameHint(store_, degree)).trimmed());
}

void TForm1::listgradosMouseUp(int row)
{
    if (row >= 0 && row < int(RowDegree.size()))
        selectDegree(RowDegree[size_t(row)]);
}

void TForm1::selectDegree(int degree)
{
    SelectedDegree = degree;
    DoublesMode = false;
    JumpDegree = false;
    showDegreeButtons(true);
    showTitle(display(text::trim(store_.carreran[SelectedDegree])));
    BotUniClick();
}

void TForm1::showDegreeButtons(bool shown)
{
    for (QPushButton* b : {BotUni, BotReq, BotSal, BotDoblesCar, BotPonde, BotCorte, BotImprimirN})
        b->setVisible(shown);
}

void TForm1::showTitle(const QString& text)
{
    PanelSelTit->setText(text);
}

void TForm1::ComboAgruChange(int index)
{
    if (index < 0)
        return;
    listgrados->hide();
    Listramas->hide();
    Tree->show();
    switch (index) {
    case kBranchList:
        Tree->hide();
        BotMenuGradosClick();
        return;
    case kSimilarTitles:
        TreeWithLeaves = true;
        fillTree(store_.uiText[374], degree_lists::similarTitlesTree(store_));
        return;
    case kActivities:
        TreeWithLeaves = false;
        fillTree(store_.uiText[377], degree_lists::activitiesTree(store_));
        return;
    case kStudyAdvice:
        TreeWithLeaves = false;
        fillTree(store_.uiText[376], degree_lists::studyAdviceTree(store_));
        return;
    case kUngrouped:
        TreeWithLeaves = false;
        fillTree(store_.uiText[372], degree_lists::ungroupedTree(store_, store_.run.nonCastilian));
        return;
    default:
        return;
    }
}

void TForm1::fillTree(const QString& caption, const std::vector<degree_lists::TreeNode>& nodes)
{
    Tree->clear();
    Labelgrados->setText(caption);
    RowDegree.clear();
    const QIcon groupIcon(QPixmap::fromImage(ImageList1.value(kGroupIcon)));
    const QIcon degreeIcon(QPixmap::fromImage(ImageList1.value(kDegreeIcon)));
    auto makeItem = [&](const degree_lists::TreeNode& node) {
        auto* item = new QTreeWidgetItem({display(node.text)});
        item->setData(0, Qt::UserRole, node.degree);
        item->setIcon(0, node.degree == 0 ? groupIcon : degreeIcon);
        RowDegree.push_back(node.degree);
        return item;
    };
    QList<QTreeWidgetItem*> top;
    for (const degree_lists::TreeNode& node : nodes) {
        QTreeWidgetItem* item = makeItem(node);
        for (const degree_lists::TreeNode& child : node.children)
            item->addChild(makeItem(child));
        top.push_back(item);
    }
    Tree->addTopLevelItems(top);
}

void TForm1::TreeClick(QTreeWidgetItem* node)
{
    if (!node)
        return;
    JumpDegree = false;
    const bool degreeNode = node->data(0, Qt::UserRole).toInt() != 0;
    const bool leafOnTop = TreeWithLeaves && !node->parent() && node->childCount() == 0;
    const int selectedIcon = degreeNode || leafOnTop ? kSelectedDegree : kSelectedTop;
    QIcon icon = node->icon(0);
    icon.addPixmap(QPixmap::fromImage(ImageList1.value(selectedIcon)), QIcon::Selected);
    node->setIcon(0, icon);
    Tree->viewport()->update();
    TreeDblClick(node);
}

void TForm1::TreeDblClick(QTreeWidgetItem* node)
{
    if (!node)
        return;
    const int degree = node->data(0, Qt::UserRole).toInt();
    if (degree == 0) {
        ListSel->clear();
        RichSalidas->clear();
        // The previous degree's places would otherwise stay under an empty title.
        GridNotas->hide();
        hideStarMap();
        PanelSelTit->clear();
        return;
    }
    selectDegree(degree);
}

void TForm1::ButtonRetroNClick()
{
    if (!BranchListShown || !Tree->isHidden()) {
        Tree->hide();
        BotMenuGradosClick();
        return;
    }
    JumpDegree = false;
    PanelTree->hide();
    hideStarMap();
    BotRetrocederClick();
}
