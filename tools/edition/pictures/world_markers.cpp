// The world's interactive markers: the magnifier that leads to the menu and
// the target rings around it, the click marker, and the exit door.
#include "drawings.h"
#include "encoding.h"
#include "palette.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace {

QImage magnifier(bool highlighted)
{
    QImage picture = blankPicture(48, 48);
    QPainter p(&picture);
    prepare(p);
    if (highlighted) {
        QRadialGradient glow(QPointF(24, 24), 24);
        glow.setColorAt(0, QColor(255, 236, 150, 220));
        glow.setColorAt(1, QColor(255, 236, 150, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(24, 24), 24, 24);
    }
    p.setPen(QPen(palette::WoodDark, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(29, 29), QPointF(41, 41));
    p.setPen(Qt::NoPen);
    p.setBrush(highlighted ? palette::Gold.lighter(115) : palette::Gold);
    p.drawEllipse(QPointF(20, 20), 14, 14);
    QRadialGradient lens(QPointF(16, 16), 14);
    lens.setColorAt(0, palette::GlassLight);
    lens.setColorAt(1, palette::Glass);
    p.setBrush(lens);
    p.drawEllipse(QPointF(20, 20), 10.5, 10.5);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(16, 15), 3.5, 2.5);
    return picture;
}

QImage target(bool bright)
{
    QImage picture = blankPicture(48, 48);
    QPainter p(&picture);
    prepare(p);
    const QColor ring = bright ? palette::Coral : palette::Coral.darker(115);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ring, bright ? 3.0 : 2.0));
    p.drawEllipse(QPointF(24, 24), bright ? 22 : 20, bright ? 22 : 20);
    p.setPen(QPen(palette::Gold, 2, Qt::DashLine));
    p.drawEllipse(QPointF(24, 24), bright ? 18 : 17, bright ? 18 : 17);
    return picture;
}

QImage clickMarker(int step)
{
    QImage picture = blankPicture(28, 28);
    QPainter p(&picture);
    prepare(p);
    const double radius = 12.0 - 1.8 * step;
    const int alpha = 255 - 30 * step;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 169, 251, alpha), 2.5));
    p.drawEllipse(QPointF(14, 14), radius, radius * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, alpha));
    p.drawEllipse(QPointF(14, 14), 2, 1.4);
    return picture;
}

QImage exitDoor(bool highlighted)
{
    QImage picture = blankPicture(64, 117);
    QPainter p(&picture);
    prepare(p);
    p.setBrush(palette::StoneShade);
    p.drawRect(QRectF(0, 0, 64, 117));
    p.setBrush(highlighted ? QColor(90, 190, 110) : QColor(60, 150, 84));
    p.drawRect(QRectF(5, 24, 54, 93));
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRect(QRectF(9, 28, 21, 85));
    p.setBrush(palette::Steel.lighter(130));
    p.drawRoundedRect(QRectF(8, 68, 48, 5), 2, 2);
    // The exit sign above the door: a running figure and an arrow.
    p.setBrush(highlighted ? QColor(110, 220, 130) : QColor(40, 160, 80));
    p.drawRoundedRect(QRectF(8, 3, 48, 18), 3, 3);
    p.setBrush(palette::White);
    p.drawEllipse(QPointF(20, 7), 2, 2);
    p.setPen(QPen(palette::White, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(15, 12), QPointF(19, 9.5), QPointF(22, 13), QPointF(25, 12)});
    p.drawPolyline(QPolygonF{QPointF(14, 19), QPointF(17, 16), QPointF(19, 11)});
    p.drawPolyline(QPolygonF{QPointF(19, 11), QPointF(21, 15), QPointF(24, 18)});
    p.drawLine(QPointF(32, 12), QPointF(48, 12));
    p.drawPolyline(QPolygonF{QPointF(43, 8), QPointF(48, 12), QPointF(43, 16)});
    return picture;
}

} // namespace

QList<picture_archive::Entry> markerSprites()
{
    QList<picture_archive::Entry> sprites{
        {QStringLiteral("lupa"), magnifier(false)},   {QStringLiteral("lupa2"), magnifier(true)},
        {QStringLiteral("diana"), target(false)},     {QStringLiteral("diana2"), target(true)},
        {QStringLiteral("puertaS"), exitDoor(false)}, {QStringLiteral("puertaS2"), exitDoor(true)},
    };
    for (int step = 1; step <= 6; ++step)
        sprites.append({QStringLiteral("circ%1").arg(step), clickMarker(step - 1)});
    return sprites;
}
