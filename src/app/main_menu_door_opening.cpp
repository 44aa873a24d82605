// Tform0: the door-opening animation and the zoom into the door.
#include "app/main_menu.h"

#include "app/main_menu_doors.h"
#include "app/main_menu_widgets.h"

#include <QTimer>

void Tform0::TimerPuertaTimer()
{
    LabelBocadillo1->hide();
    labelBocadillo2->hide();
    const QPoint at = menu_doors::openingFramePosition(doorPoint_, step_);
    anda->setPixmap(QPixmap::fromImage(ImageListPuerta.value(frame_)));
    anda->move(at);
    anda->show();
    anda->raise();
    guideY_ = at.y();
    ++step_;
    ++frame_;
    if (frame_ < menu_doors::kDoorFrames)
        return;
    TimerPuerta->stop();
    anda->hide();
    TimerZoom->start();
}

void Tform0::TimerZoomTimer()
{
    const std::optional<int> next = menu_doors::zoomTick(step_);
    if (!next) {
        TimerZoom->stop();
        performDoorAction();
        return;
    }
    step_ = *next;
    zoomView->showStep(menu_doors::zoomRect(selectedDoor_, step_), ImageListPuerta.value(menu_doors::kDoorFrames - 1),
                       QPoint(doorPoint_.x(), guideY_));
}
