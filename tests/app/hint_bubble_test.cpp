#include "app/hint_bubble.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(HintBubble, LongTextsWrapAtThreeHundredPixels)
{
    TMonHint bubble;
    const QString longText = QString("Pincha aquí para ver todos los grados de esta rama ").repeated(6);
    const QSize wide = bubble.sizeFor(longText);
    EXPECT_LE(wide.width(), TMonHint::kTextWidth + 10);
    EXPECT_GT(wide.height(), bubble.sizeFor("Ayuda").height());
    const QSize shortOne = bubble.sizeFor("Ayuda");
    EXPECT_LT(shortOne.width(), 100);
    EXPECT_EQ(shortOne.height(), bubble.fontMetrics().height() + 30);
}

TEST(HintBubble, ShapeIsAPointerOverARoundedBody)
{
    const QRegion shape = TMonHint::bubbleShape(QSize(120, 80));
    EXPECT_TRUE(shape.contains(QPoint(23, 1)));   // tip of the pointer
    EXPECT_FALSE(shape.contains(QPoint(5, 10)));  // beside the pointer
    EXPECT_FALSE(shape.contains(QPoint(0, 20)));  // rounded corner
    EXPECT_TRUE(shape.contains(QPoint(60, 50)));  // body
    EXPECT_FALSE(shape.contains(QPoint(119, 79)));
}

TEST(HintBubble, EachHintGetsItsOwnShape)
{
    TMonHint bubble;
    bubble.activate("Primera", QRect(QPoint(10, 10), bubble.sizeFor("Primera")));
    EXPECT_EQ(bubble.mask().boundingRect().bottomRight(), QPoint(bubble.width() - 1, bubble.height() - 1));

    const QString second = "Una segunda ayuda bastante más larga que la primera";
    bubble.activate(second, QRect(QPoint(10, 10), bubble.sizeFor(second)));
    QImage image(bubble.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    bubble.render(&image);
    EXPECT_EQ(bubble.mask().boundingRect().bottomRight() + QPoint(1, 1),
              QPoint(bubble.sizeFor(second).width(), bubble.sizeFor(second).height()));
    const QRgb edge = image.pixelColor(0, 20 + (bubble.height() - 20) / 2).rgb();
    EXPECT_TRUE(edge == QColor(160, 160, 160).rgb() || edge == QColor(96, 96, 96).rgb()) << std::hex << edge;
    EXPECT_EQ(image.pixelColor(3, 1).alpha(), 0); // outside the shape
}
