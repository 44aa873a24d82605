// Tform0: the guide's entrance and the welcome balloon.
#include "app/main_menu.h"

#include "app/main_menu_doors.h"
#include "app/main_menu_widgets.h"
#include "data/colors.h"
#include "data/data_store.h"

#include <QTimer>

namespace {
// The balloon beside the guide's head once the guide has arrived.
constexpr QRect kBalloon{222, 226, 262, 96};
} // namespace

void Tform0::createGuide()
{
    const UiText& t = store_.uiText;
    anda = new QLabel(this);
    anda->setGeometry(QRect(menu_doors::kGuideStart, ImageList1.value(0).size()));
    anda->hide();

    Bocadillo1 = new SpeechBalloon(this);
    Bocadillo1->setGeometry(kBalloon);
    Bocadillo1->hide();
    const QRect textArea = Bocadillo1->textArea().translated(kBalloon.topLeft());
    LabelBocadillo1 = new QLabel(t[264] + QStringLiteral("\nTrazela.\n") + t[175] + QStringLiteral(" 2016/17."), this);
    labelBocadillo2 = new QLabel(QStringList{t[16], t[265], t[266], t[267]}.join(QLatin1Char('\n')), this);
    for (QLabel* text : {LabelBocadillo1, labelBocadillo2}) {
        text->setFont(arial(9, true));
        setLabelTextColour(text, ColorLabelText);
        text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        text->setGeometry(textArea);
        text->hide();
    }

    zoomView = new DoorZoomView(store_.pictures.parte, this);
    zoomView->setGeometry(rect());
    zoomView->hide();
}

void Tform0::pilotoTimer()
{
    anda->setPixmap(QPixmap::fromImage(ImageList1.value(frame_)));
    anda->move(menu_doors::guidePosition(frame_ + 1));
    anda->show();
    ++frame_;
    if (frame_ < menu_doors::kGuideFrames)
        return;
    piloto->stop();
    TimerTexto->start();
    setDoorHint(1, true);
    setDoorHint(2, true);
    Bocadillo1->show();
    LabelBocadillo1->show();
    LabelBocadillo1->raise();
}

void Tform0::TimerTextoTimer()
{
    TimerTexto->stop();
    LabelBocadillo1->hide();
    labelBocadillo2->show();
    labelBocadillo2->raise();
}
