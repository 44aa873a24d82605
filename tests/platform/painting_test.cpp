#include "platform/painting.h"

#include <QPainter>
#include <gtest/gtest.h>

TEST(Gradient, LinesStepFromStartTowardsEnd)
{
    struct Case {
        QColor start;
        QColor end;
        int height;
        int line;
        QColor expected;
    };
    for (const Case& c : {
             Case{Qt::white, QColor(0, 0, 128), 1, 0, Qt::white},
             Case{QColor(0, 0, 0), QColor(3, 1, 5), 2, 1, QColor(2, 0, 2)}, // 1.5 -> 2, 0.5 -> 0, 2.5 -> 2
             Case{QColor(255, 255, 255), QColor(0, 0, 128), 100, 50, QColor(128, 128, 192)},
             Case{QColor(10, 20, 30), QColor(10, 20, 30), 7, 6, QColor(10, 20, 30)},
         })
        EXPECT_EQ(painting::gradientLine(c.start, c.end, c.height, c.line), c.expected)
            << c.height << " " << c.line;
}

TEST(Gradient, FillsTheRectangleLineByLine)
{
    QImage canvas(6, 4, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painting::verticalGradient(painter, QRect(1, 1, 4, 2), Qt::white, QColor(0, 0, 0));
    painter.end();
    EXPECT_EQ(canvas.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(4, 2), QColor(128, 128, 128)); // 255 - 127.5 -> 128 (even)
    EXPECT_EQ(canvas.pixelColor(0, 1), QColor(Qt::black));
    EXPECT_EQ(canvas.pixelColor(1, 3), QColor(Qt::black));
}

TEST(Tile, CoversTheAreaFromTheCorner)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.setPixelColor(0, 0, Qt::blue);
    QImage canvas(7, 5, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painting::tile(painter, canvas.size(), picture);
    painter.end();
    for (const QPoint corner : {QPoint(0, 0), QPoint(3, 0), QPoint(6, 4), QPoint(0, 2)})
        EXPECT_EQ(canvas.pixelColor(corner), QColor(Qt::blue)) << corner.x() << "," << corner.y();
    EXPECT_EQ(canvas.pixelColor(5, 3), QColor(Qt::red));
}
