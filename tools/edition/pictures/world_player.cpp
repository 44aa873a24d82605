// The pupil the player walks through the world: a standing picture and ten
// walking pictures for each of eight directions ("manup01".."manup10", ...).
#include "drawings.h"
#include "encoding.h"
#include "figure.h"

#include <array>

namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 64;
constexpr int kFrames = 10;

struct Direction {
    const char* name;
    Facing facing;
};

constexpr std::array<Direction, 8> kDirections{{
    {"manup", Facing::Back},
    {"mandown", Facing::Front},
    {"mander", Facing::Right},
    {"manizq", Facing::Left},
    {"manupder", Facing::BackRight},
    {"manupizq", Facing::BackLeft},
    {"mandoder", Facing::FrontRight},
    {"mandoizq", Facing::FrontLeft},
}};

QImage pupil(Facing facing, double phase)
{
    QImage picture = blankPicture(kWidth, kHeight);
    QPainter p(&picture);
    prepare(p);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(QRectF(8, kHeight - 7, kWidth - 16, 6));
    drawFigure(p, QRectF(0, 1, kWidth, kHeight - 3), pupilLook(), facing, phase);
    return picture;
}

} // namespace

QList<picture_archive::Entry> playerSprites()
{
    QList<picture_archive::Entry> sprites;
    for (const Direction& direction : kDirections)
        for (int frame = 1; frame <= kFrames; ++frame)
            sprites.append({QStringLiteral("%1%2").arg(QLatin1String(direction.name)).arg(frame, 2, 10, QLatin1Char('0')),
                            pupil(direction.facing, double(frame - 1) / kFrames)});
    return sprites;
}
