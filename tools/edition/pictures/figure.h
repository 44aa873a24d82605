#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// A person drawn from simple shapes: the guide of the menus and the pupil the
// pupil walks through the world.

enum class Facing { Front, Back, Right, Left, FrontRight, FrontLeft, BackRight, BackLeft };

struct FigureLook {
    QColor skin;
    QColor hair;
    QColor top;
    QColor trousers;
    QColor shoes;
    QColor accessory; // the guide's folder, the pupil's backpack
    bool longHair;    // ponytail and longer hair
    bool backpack;    // otherwise a folder held in the hand
    // Proportions in design units: the figure stands headRadius * 2 + torso + legs
    // high, and is scaled to the box it is drawn in.
    double headRadius;
    double torso;
    double legs;
    double shoulders; // half the shoulder width
};

FigureLook guideLook();
FigureLook pupilLook();

// Draws the figure standing in box (feet on its bottom edge, centred
// horizontally). walkPhase in [0, 1) is the point of the walking cycle; a
// negative phase stands still. A wave raises the right hand (front view only).
void drawFigure(QPainter& painter, const QRectF& box, const FigureLook& look, Facing facing, double walkPhase,
                bool wave = false);
