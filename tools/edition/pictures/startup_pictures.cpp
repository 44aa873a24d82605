#include "drawings.h"
#include "encoding.h"
#include "pictures.h"

void writeStartupPictures(OutputFolder& out)
{
    out.writeBytes(QStringLiteral("chica.bmp"), bmpBytes(guidePortrait()));
    out.writeBytes(QStringLiteral("parte"), bmpBytes(buildingTile()));
    out.writeBytes(QStringLiteral("heli.bmp"), bmpBytes(helicopter()));
    out.writeBytes(QStringLiteral("suelo"), bmpBytes(floorTile()));
    out.writeBytes(QStringLiteral("marcod"), bmpBytes(sideFrameTile()));
    out.writeBytes(QStringLiteral("marcoar"), bmpBytes(topFrameStrip()));
    out.writeBytes(QStringLiteral("imagen"), bmpBytes(menuDecoration()));
    out.writeBytes(QStringLiteral("rotulon.bmp"), bmpBytes(stopStudyingSign()));
}
