#include "platform/owner_drawn.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <set>
#include <utility>

TEST(OwnerDrawn, ListDrawsEveryVisibleItemThroughItsCallbackAtItsHeight)
{
    OwnerDrawnList list;
    list.resize(200, 200);
    list.setItemHeight(40);
    list.setLines({QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres")});
    std::set<int> drawn;
    list.setDrawItem([&](QPainter& painter, const QRect& rect, int index, const DrawState&) {
        EXPECT_EQ(rect.height(), 40);
        painter.fillRect(rect, Qt::red);
        drawn.insert(index);
    });
    const QImage picture = list.grab().toImage();
    EXPECT_EQ(drawn, (std::set<int>{0, 1, 2}));
    EXPECT_EQ(list.visualItemRect(list.item(1)).top(), 40);
    EXPECT_EQ(picture.pixelColor(list.viewport()->mapTo(&list, QPoint(10, 50))), QColor(Qt::red));

    list.setLines({QStringLiteral("solo")});
    EXPECT_EQ(list.count(), 1);
}

TEST(OwnerDrawn, GridKeepsItsColumnsAndRowsAndDrawsEachCell)
{
    OwnerDrawnGrid grid;
    grid.resize(500, 200);
    grid.setColumnWidths({360, 60});
    grid.setRowHeight(19);
    grid.setRows({{QStringLiteral("- Cabecera")}, {QStringLiteral("<Lugar"), QStringLiteral(" 5,5")}});
    EXPECT_EQ(grid.columnCount(), 2);
    EXPECT_EQ(grid.columnWidth(0), 360);
    EXPECT_EQ(grid.rowViewportPosition(1), 19);
    EXPECT_EQ(grid.cellText(1, 1), QStringLiteral(" 5,5"));
    EXPECT_EQ(grid.cellText(0, 1), QString());
    EXPECT_EQ(grid.cellText(9, 0), QString());

    std::set<std::pair<int, int>> drawn;
    grid.setDrawCell([&](QPainter&, const QRect& rect, int row, int column, const DrawState&) {
        EXPECT_EQ(rect.height(), 19);
        drawn.insert({row, column});
    });
    grid.grab();
    EXPECT_EQ(drawn, (std::set<std::pair<int, int>>{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
}
