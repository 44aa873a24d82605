// ImageListIconos: the icons of career groups, professional families and
// wishes, a pictogram on a rounded badge, on white.
#include "drawings.h"
#include "encoding.h"
#include "icon_glyphs.h"

#include <QLinearGradient>

QList<QImage> menuIcons()
{
    QList<QImage> icons;
    for (int index = 0; index < glyphs::kCount; ++index) {
        QImage icon = blankPicture(30, 30, Qt::white);
        QPainter p(&icon);
        prepare(p);
        const QColor badge = glyphs::badgeColor(index);
        QLinearGradient shade(0, 1, 0, 29);
        shade.setColorAt(0, badge.lighter(115));
        shade.setColorAt(1, badge.darker(110));
        p.setBrush(shade);
        p.drawRoundedRect(QRectF(1, 1, 28, 28), 7, 7);
        glyphs::draw(p, index);
        icons << icon;
    }
    return icons;
}
