// ImageListRamas: the knowledge-branch icons, round badges of 40 x 40 with the
// pictograms of the menu's icons.
#include "drawings.h"
#include "encoding.h"
#include "icon_glyphs.h"

#include <QRadialGradient>
#include <array>

QList<QImage> branchIcons()
{
    // Arts and humanities, social and legal sciences, health sciences, all
    // degrees, engineering and architecture, sciences, other studies.
    constexpr std::array<int, 7> kGlyphOfBranch{9, 17, 16, 30, 27, 13, 4};
    QList<QImage> icons;
    for (const int glyph : kGlyphOfBranch) {
        QImage icon = blankPicture(40, 40);
        QPainter p(&icon);
        prepare(p);
        const QColor badge = glyphs::badgeColor(glyph);
        QRadialGradient shade(QPointF(15, 13), 26);
        shade.setColorAt(0, badge.lighter(125));
        shade.setColorAt(1, badge.darker(110));
        p.setBrush(shade);
        p.drawEllipse(QPointF(20, 20), 19, 19);
        p.translate(3.5, 3.5);
        p.scale(1.1, 1.1);
        glyphs::draw(p, glyph);
        icons << icon;
    }
    return icons;
}
