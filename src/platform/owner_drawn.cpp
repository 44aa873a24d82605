#include "platform/owner_drawn.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

DrawState stateOf(const QStyleOptionViewItem& option)
{
    return {option.state.testFlag(QStyle::State_Selected), option.state.testFlag(QStyle::State_HasFocus),
            option.state.testFlag(QStyle::State_MouseOver)};
}

// Hands the painting of each item to its view's callback.
class CallbackDelegate final : public QStyledItemDelegate {
public:
    using Paint = std::function<bool(QPainter&, const QStyleOptionViewItem&, const QModelIndex&)>;
    using Height = std::function<int()>;

    CallbackDelegate(QObject* parent, Paint paint, Height height)
        : QStyledItemDelegate(parent)
        , paint_(std::move(paint))
        , height_(std::move(height))
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        painter->setClipRect(option.rect);
        const bool drawn = paint_(*painter, option, index);
        painter->restore();
        if (!drawn)
            QStyledItemDelegate::paint(painter, option, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_()};
    }

private:
    Paint paint_;
    Height height_;
};

} // namespace

OwnerDrawnList::OwnerDrawnList(QWidget* parent)
    : QListWidget(parent)
{
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new CallbackDelegate(
        this,
        [this](QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) {
            if (!draw_)
                return false;
            draw_(painter, option.rect, index.row(), stateOf(option));
            return true;
        },
        [this] { return itemHeight_; }));
}

void OwnerDrawnList::setItemHeight(int height)
{
    itemHeight_ = height;
    doItemsLayout();
}

void OwnerDrawnList::setDrawItem(DrawItem draw)
{
    draw_ = std::move(draw);
    viewport()->update();
}

void OwnerDrawnList::setLines(const QStringList& lines)
{
    clear();
    addItems(lines);
}

OwnerDrawnGrid::OwnerDrawnGrid(QWidget* parent)
    : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeight_);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new CallbackDelegate(
        this,
        [this](QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) {
            if (!draw_)
                return false;
            draw_(painter, option.rect, index.row(), index.column(), stateOf(option));
            return true;
        },
        [this] { return rowHeight_; }));
}

void OwnerDrawnGrid::setColumnWidths(const QList<int>& widths)
{
    setColumnCount(int(widths.size()));
    for (int column = 0; column < widths.size(); ++column)
        setColumnWidth(column, widths[column]);
}

void OwnerDrawnGrid::setRowHeight(int height)
{
    rowHeight_ = height;
    verticalHeader()->setDefaultSectionSize(height);
}

void OwnerDrawnGrid::setDrawCell(DrawCell draw)
{
    draw_ = std::move(draw);
    viewport()->update();
}

QString OwnerDrawnGrid::cellText(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void OwnerDrawnGrid::setRows(const QList<QStringList>& rows)
{
    clearContents();
    setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < std::min<int>(columnCount(), int(rows[row].size())); ++column)
            setItem(row, column, new QTableWidgetItem(rows[row][column]));
}
