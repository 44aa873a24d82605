// The guide: a young woman with a folder who welcomes the pupil and walks into
// the menus.
#include "drawings.h"
#include "encoding.h"
#include "figure.h"

QImage guidePortrait()
{
    QImage picture = blankPicture(52, 120);
    QPainter p(&picture);
    prepare(p);
    drawFigure(p, QRectF(0, 2, 52, 117), guideLook(), Facing::Front, -1, true);
    return picture;
}

QList<QImage> guideWalkingFrames()
{
    constexpr int kCount = 8;
    QList<QImage> frames;
    for (int k = 0; k < kCount; ++k) {
        QImage frame = blankPicture(56, 168);
        QPainter p(&frame);
        prepare(p);
        drawFigure(p, QRectF(0, 4, 56, 162), guideLook(), Facing::Right, double(k) / kCount);
        frames << frame;
    }
    return frames;
}
