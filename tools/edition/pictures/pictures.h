#pragma once

#include "diagnostics.h"
#include "output_folder.h"

#include <QString>

// The pictures and sounds of the edition, drawn by code: the same bytes on every
// run, no source files. docs/edition/pictures.md describes what is drawn.

// chica.bmp, parte, heli.bmp, suelo, marcod, marcoar, imagen and rotulon.bmp.
void writeStartupPictures(OutputFolder& out);

// segdxg1.DXG (player, magnifier, target, click marker, exit door) and india.DXG
// (scenery, doors, signs, balloon, background). An archive that cannot be built
// is an error.
void writeSpriteArchives(OutputFolder& out, Diagnostics& diagnostics);

// motor.wav, the helicopter's engine hum.
void writeEngineSound(OutputFolder& out);

// The screens' image lists as PNG strips NAME.png in folder (see
// platform/image_lists.h). Returns false when a file cannot be written.
bool writeImageLists(const QString& folder);
