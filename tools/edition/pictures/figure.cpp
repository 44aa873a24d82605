#include "figure.h"

#include "palette.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

FigureLook guideLook()
{
    return {palette::Skin, QColor(112, 62, 34), palette::Coral, palette::Navy, QColor(86, 46, 32), palette::Sky,
            true, false, 12.0, 50.0, 64.0, 13.0};
}

FigureLook pupilLook()
{
    return {palette::Skin, QColor(70, 46, 30), QColor(32, 150, 148), QColor(62, 92, 160), QColor(60, 40, 34),
            QColor(244, 150, 40), false, true, 12.5, 20.0, 20.0, 10.5};
}

namespace {

constexpr double kLegSwing = 0.4;
constexpr double kKneeBend = 0.65;
constexpr double kArmSwing = 0.45;
// An arm that carries the folder swings less.
constexpr double kLoadedArmSwing = 0.15;

enum class View { Front, Back, Side };

struct Pose {
    View view;
    bool mirrored;
    bool faceVisible; // eyes shown in a side view: turned towards the viewer
};

Pose poseOf(Facing facing)
{
    switch (facing) {
    case Facing::Front: return {View::Front, false, true};
    case Facing::Back: return {View::Back, false, false};
    case Facing::Right: return {View::Side, false, true};
    case Facing::Left: return {View::Side, true, true};
    case Facing::FrontRight: return {View::Side, false, true};
    case Facing::FrontLeft: return {View::Side, true, true};
    case Facing::BackRight: return {View::Side, false, false};
    case Facing::BackLeft: return {View::Side, true, false};
    }
    return {View::Front, false, true};
}

QPen limbPen(const QColor& color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

class FigurePainter {
public:
    FigurePainter(QPainter& painter, const FigureLook& look, Facing facing, double phase)
        : p_(painter)
        , look_(look)
        , facing_(facing)
        , pose_(poseOf(facing))
        , swing_(phase < 0 ? 0.0 : 1.0)
        , phi_(phase < 0 ? 0.0 : 2 * M_PI * phase)
        , limb_(look.shoulders * 0.62)
    {
        // Lift the body so that the lower foot touches the ground.
        hipY_ = pose_.view == View::Side ? -std::max(legFoot(0).y(), legFoot(M_PI).y()) : -look.legs;
        shoulderY_ = hipY_ - look.torso;
        headY_ = shoulderY_ - look.headRadius * 0.95;
    }

    void draw(bool wave)
    {
        if (pose_.view == View::Side)
            drawSide();
        else
            drawFrontOrBack(wave);
    }

private:
    // Foot position relative to the hip for a side view, y downwards.
    QPointF legKnee(double offset) const
    {
        const double thigh = swing_ * kLegSwing * std::sin(phi_ + offset);
        return {look_.legs / 2 * std::sin(thigh), look_.legs / 2 * std::cos(thigh)};
    }
    QPointF legFoot(double offset) const
    {
        const double thigh = swing_ * kLegSwing * std::sin(phi_ + offset);
        const double shin = thigh - swing_ * kKneeBend * std::max(0.0, std::cos(phi_ + offset));
        return legKnee(offset) + QPointF(look_.legs / 2 * std::sin(shin), look_.legs / 2 * std::cos(shin));
    }

    void drawSideLeg(double offset, const QColor& color)
    {
        const QPointF hip(0, hipY_);
        const QPointF knee = hip + legKnee(offset);
        const QPointF foot = hip + legFoot(offset);
        p_.setPen(limbPen(color, limb_ * 1.15));
        p_.drawPolyline(QPolygonF{hip, knee, foot});
        p_.setPen(Qt::NoPen);
        p_.setBrush(look_.shoes);
        p_.drawEllipse(QRectF(foot.x() - limb_ * 0.5, foot.y() - limb_ * 0.55, limb_ * 1.8, limb_ * 0.95));
    }

    void drawSideArm(double offset, const QColor& color, bool holdsFolder)
    {
        const double angle = -swing_ * (holdsFolder ? kLoadedArmSwing : kArmSwing) * std::sin(phi_ + offset);
        const double length = look_.torso * 0.9;
        const QPointF shoulder(0, shoulderY_ + limb_ * 0.6);
        const QPointF elbow = shoulder + QPointF(length / 2 * std::sin(angle), length / 2 * std::cos(angle));
        const double fore = angle + (holdsFolder ? 0.6 : 0.25);
        const QPointF hand = elbow + QPointF(length / 2 * std::sin(fore), length / 2 * std::cos(fore));
        p_.setPen(limbPen(color, limb_));
        p_.drawPolyline(QPolygonF{shoulder, elbow, hand});
        p_.setPen(Qt::NoPen);
        if (holdsFolder)
            drawFolder(hand + QPointF(-limb_ * 0.6, -limb_ * 1.8));
        p_.setBrush(look_.skin);
        p_.drawEllipse(hand, limb_ * 0.55, limb_ * 0.55);
    }

    void drawFolder(const QPointF& topLeft)
    {
        const QRectF folder(topLeft, QSizeF(limb_ * 2.4, limb_ * 3.0));
        p_.setBrush(look_.accessory);
        p_.drawRoundedRect(folder, limb_ * 0.3, limb_ * 0.3);
        p_.setBrush(palette::White);
        p_.drawRect(QRectF(folder.left() + limb_ * 0.4, folder.top() + limb_ * 0.5, limb_ * 1.5, limb_ * 0.35));
    }

    void drawTorso(double halfWidth)
    {
        const double top = shoulderY_ - limb_ * 0.2;
        const QRectF body(-halfWidth, top, 2 * halfWidth, hipY_ - top + limb_ * 0.5);
        p_.setBrush(look_.top);
        p_.drawRoundedRect(body, halfWidth * 0.55, halfWidth * 0.55);
        p_.setBrush(look_.top.darker(115));
        p_.drawRect(QRectF(body.left() + halfWidth * 0.15, hipY_ - limb_ * 0.2, body.width() - halfWidth * 0.3,
                           limb_ * 0.45));
    }

    void drawBackpackSide()
    {
        p_.setBrush(look_.accessory);
        p_.drawRoundedRect(QRectF(-look_.shoulders * 1.35, shoulderY_ + limb_ * 0.3, look_.shoulders * 0.9,
                                  look_.torso * 0.75),
                           limb_ * 0.5, limb_ * 0.5);
    }

    void drawHead(View view, bool faceVisible)
    {
        const double r = look_.headRadius;
        const QPointF c(0, headY_);
        // Hair behind the head.
        p_.setBrush(look_.hair);
        if (look_.longHair) {
            if (view == View::Side)
                drawPonytail(c + QPointF(-r * 0.85, -r * 0.25));
            else
                p_.drawRoundedRect(QRectF(c.x() - r * 1.12, c.y() - r * 0.6, r * 2.24, r * 1.9), r * 0.6, r * 0.6);
        }
        p_.setBrush(look_.skin);
        p_.drawEllipse(c, r, r * 1.04);
        p_.setBrush(look_.hair);
        if (view == View::Back) {
            p_.drawEllipse(c, r * 1.06, r * 1.1);
            if (look_.longHair)
                drawPonytail(c + QPointF(0, r * 0.2));
            return;
        }
        if (view == View::Side && !faceVisible) {
            // Turned away: hair all over but for the cheek and ear in front.
            p_.drawEllipse(c, r * 1.06, r * 1.1);
            QPainterPath head;
            head.addEllipse(c, r, r * 1.04);
            QPainterPath hair;
            hair.addEllipse(c - QPointF(r * 0.6, r * 0.3), r * 1.08, r * 1.2);
            p_.setBrush(look_.skin);
            p_.drawPath(head.subtracted(hair));
            return;
        }
        QPainterPath cap;
        if (view == View::Front) {
            cap.moveTo(c + QPointF(-r * 1.06, r * 0.15));
            cap.arcTo(QRectF(c.x() - r * 1.06, c.y() - r * 1.12, r * 2.12, r * 2.2), 180, -180);
            cap.quadTo(c + QPointF(r * 0.5, -r * 0.45), c + QPointF(-r * 0.2, -r * 0.5));
            cap.quadTo(c + QPointF(-r * 0.8, -r * 0.35), c + QPointF(-r * 1.06, r * 0.15));
        } else {
            cap.moveTo(c + QPointF(-r * 0.9, r * 0.75));
            cap.arcTo(QRectF(c.x() - r * 1.06, c.y() - r * 1.12, r * 2.12, r * 2.2), 225, -185);
            cap.quadTo(c + QPointF(r * 0.25, -r * 0.25), c + QPointF(-r * 0.2, -r * 0.1));
            cap.quadTo(c + QPointF(-r * 0.35, r * 0.4), c + QPointF(-r * 0.9, r * 0.75));
        }
        p_.drawPath(cap);
        if (faceVisible)
            drawFace(c, view);
    }

    void drawPonytail(const QPointF& root)
    {
        const double r = look_.headRadius;
        const double sway = swing_ * r * 0.15 * std::sin(phi_ * 2);
        QPainterPath tail;
        tail.moveTo(root + QPointF(-r * 0.3, -r * 0.3));
        tail.quadTo(root + QPointF(-r * 0.9 + sway, r * 0.6), root + QPointF(-r * 0.35 + sway, r * 1.6));
        tail.quadTo(root + QPointF(r * 0.1, r * 0.6), root + QPointF(r * 0.3, -r * 0.2));
        tail.closeSubpath();
        p_.drawPath(tail);
    }

    void drawFace(const QPointF& c, View view)
    {
        const double r = look_.headRadius;
        const double shift = view == View::Front ? 0.0 : r * 0.42;
        const double spread = view == View::Front ? r * 0.38 : r * 0.22;
        p_.setBrush(palette::Ink);
        for (const double side : {-1.0, 1.0}) {
            if (view != View::Front && side < 0 && facing_ != Facing::FrontRight && facing_ != Facing::FrontLeft)
                continue;
            p_.drawEllipse(c + QPointF(shift + side * spread, r * 0.05), r * 0.12, r * 0.16);
        }
        p_.setBrush(QColor(240, 140, 130, 150));
        p_.drawEllipse(c + QPointF(shift + spread + r * 0.12, r * 0.4), r * 0.16, r * 0.1);
        if (view == View::Front)
            p_.drawEllipse(c + QPointF(-spread - r * 0.12, r * 0.4), r * 0.16, r * 0.1);
        p_.setPen(limbPen(palette::Ink.lighter(130), r * 0.1));
        p_.setBrush(Qt::NoBrush);
        p_.drawArc(QRectF(c.x() + shift - r * 0.28, c.y() + r * 0.2, r * 0.56, r * 0.4), 200 * 16, 140 * 16);
        p_.setPen(Qt::NoPen);
    }

    void drawSide()
    {
        p_.save();
        if (pose_.mirrored)
            p_.scale(-1, 1);
        const bool diagonal = facing_ != Facing::Right && facing_ != Facing::Left;
        const QColor far = look_.trousers.darker(125);
        drawSideArm(0, look_.top.darker(125), false);
        drawSideLeg(M_PI, far);
        if (look_.backpack && pose_.faceVisible)
            drawBackpackSide();
        drawSideLeg(0, look_.trousers);
        drawTorso(look_.shoulders * (diagonal ? 0.95 : 0.75));
        if (look_.backpack && !pose_.faceVisible) {
            p_.setBrush(look_.accessory);
            p_.drawRoundedRect(QRectF(-look_.shoulders * 1.1, shoulderY_ + limb_ * 0.2, look_.shoulders * 1.3,
                                      look_.torso * 0.8),
                               limb_ * 0.5, limb_ * 0.5);
        }
        drawSideArm(M_PI, look_.top.lighter(108), !look_.backpack);
        drawHead(View::Side, pose_.faceVisible);
        p_.restore();
    }

    void drawFrontOrBack(bool wave)
    {
        const double gap = look_.shoulders * 0.42;
        for (const double side : {-1.0, 1.0}) {
            const double lift = swing_ * look_.legs * 0.12 * std::max(0.0, std::sin(phi_ + (side < 0 ? 0 : M_PI)));
            const QPointF hip(side * gap, hipY_);
            const QPointF foot(side * gap * 1.1, -lift - limb_ * 0.3);
            p_.setPen(limbPen(look_.trousers, limb_ * 1.15));
            p_.drawLine(hip, foot);
            p_.setPen(Qt::NoPen);
            p_.setBrush(look_.shoes);
            p_.drawEllipse(QRectF(foot.x() - limb_ * 0.7, foot.y() - limb_ * 0.25, limb_ * 1.4, limb_ * 0.8));
        }
        const bool back = pose_.view == View::Back;
        drawTorso(look_.shoulders);
        if (look_.backpack) {
            p_.setBrush(look_.accessory);
            if (back)
                p_.drawRoundedRect(QRectF(-look_.shoulders * 0.8, shoulderY_ + limb_ * 0.3, look_.shoulders * 1.6,
                                          look_.torso * 0.8),
                                   limb_ * 0.6, limb_ * 0.6);
            else
                for (const double side : {-1.0, 1.0})
                    p_.drawRect(QRectF(side * look_.shoulders * 0.55 - limb_ * 0.2, shoulderY_, limb_ * 0.4,
                                       look_.torso * 0.7));
        }
        for (const double side : {-1.0, 1.0}) {
            const QPointF shoulder(side * look_.shoulders * 0.92, shoulderY_ + limb_ * 0.6);
            const bool raised = wave && side > 0;
            const double swingY = swing_ * look_.torso * 0.08 * std::sin(phi_ + (side < 0 ? M_PI : 0));
            const QPointF hand = raised ? shoulder + QPointF(look_.shoulders * 0.9, -look_.torso * 0.75)
                                        : shoulder + QPointF(side * limb_ * 0.7, look_.torso * 0.85 - swingY);
            p_.setPen(limbPen(look_.top, limb_));
            p_.drawLine(shoulder, hand);
            p_.setPen(Qt::NoPen);
            if (!look_.backpack && !back && side < 0)
                drawFolder(hand + QPointF(-limb_ * 1.6, -limb_ * 2.0));
            p_.setBrush(look_.skin);
            p_.drawEllipse(hand, limb_ * 0.55, limb_ * 0.55);
        }
        drawHead(pose_.view, !back);
    }

    QPainter& p_;
    const FigureLook& look_;
    Facing facing_;
    Pose pose_;
    double swing_;
    double phi_;
    double limb_;
    double hipY_ = 0;
    double shoulderY_ = 0;
    double headY_ = 0;
};

} // namespace

void drawFigure(QPainter& painter, const QRectF& box, const FigureLook& look, Facing facing, double walkPhase,
                bool wave)
{
    const double height = look.headRadius * 2.1 + look.torso + look.legs + look.shoulders * 0.3;
    const double scale = box.height() / height;
    painter.save();
    painter.translate(box.center().x(), box.bottom() - look.shoulders * 0.15 * scale);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    FigurePainter(painter, look, facing, walkPhase).draw(wave);
    painter.restore();
}
