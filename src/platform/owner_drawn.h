#pragma once

#include <QListWidget>
#include <QStyle>
#include <QTableWidget>
#include <functional>

// Lists and grids whose items are drawn by their screen: one callback per item
// or cell, with a fixed item height, fixed column widths and row heights.

// What a draw callback is told about the item it draws.
struct DrawState {
    bool selected = false;
    bool focused = false;
    bool hovered = false;
};

class OwnerDrawnList : public QListWidget {
    Q_OBJECT
public:
    using DrawItem = std::function<void(QPainter&, const QRect&, int index, const DrawState&)>;

    explicit OwnerDrawnList(QWidget* parent = nullptr);

    void setItemHeight(int height);
    int itemHeight() const { return itemHeight_; }
    // Without a callback the items are drawn as plain text.
    void setDrawItem(DrawItem draw);
    const DrawItem& drawItem() const { return draw_; }

    // Replaces every item with the given lines.
    void setLines(const QStringList& lines);

private:
    int itemHeight_ = 16;
    DrawItem draw_;
};

class OwnerDrawnGrid : public QTableWidget {
    Q_OBJECT
public:
    using DrawCell = std::function<void(QPainter&, const QRect&, int row, int column, const DrawState&)>;

    explicit OwnerDrawnGrid(QWidget* parent = nullptr);

    void setColumnWidths(const QList<int>& widths);
    void setRowHeight(int height);
    int rowHeight() const { return rowHeight_; }
    void setDrawCell(DrawCell draw);
    const DrawCell& drawCell() const { return draw_; }

    // The text of a cell, empty where the grid has none.
    QString cellText(int row, int column) const;
    // Replaces every row; each row gives its cells from column 0.
    void setRows(const QList<QStringList>& rows);

private:
    int rowHeight_ = 19;
    DrawCell draw_;
};
