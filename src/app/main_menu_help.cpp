// Tform0: the help panel and the back button, used when the animated world is
// the main screen.
#include "app/main_menu.h"

#include "app/main_menu_doors.h"
#include "data/colors.h"
#include "data/data_store.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

void Tform0::createHelpPanel()
{
    PanelAyuda = new QFrame(this);
    PanelAyuda->setFrameShape(QFrame::Panel);
    PanelAyuda->setFrameShadow(QFrame::Raised);
    PanelAyuda->setAutoFillBackground(true);
    QPalette palette = PanelAyuda->palette();
    palette.setColor(QPalette::Window, ColorPanel);
    PanelAyuda->setPalette(palette);
    PanelAyuda->setGeometry(192, 578, 330, 182);
    chica = new QLabel(PanelAyuda);
    chica->setGeometry(QRect(QPoint(8, 7), ImageList1.value(0).size()));
    for (int i = 0; i < int(LabelAyu.size()); ++i) {
        LabelAyu[i] = new QLabel(PanelAyuda);
        setLabelTextColour(LabelAyu[i], ColorLabelText);
        LabelAyu[i]->setGeometry(72, 18 + 30 * i, 252, 24);
    }
    PanelAyuda->hide();

    BotRetroce = new QPushButton(store_.uiText[store_.run.animationEnabled ? 82 : 222], this);
    BotRetroce->setGeometry(926, 730, 90, 30);
    BotRetroce->setVisible(!store_.run.animationEnabled);
    connect(BotRetroce, &QPushButton::clicked, this, &Tform0::BotRetroceClick);
}

void Tform0::setWorldAction(std::function<void()> show)
{
    worldAction_ = std::move(show);
}

void Tform0::TimerAyudaTimer()
{
    PanelAyuda->show();
    PanelAyuda->raise();
    BotRetroce->show();
    const int k = helpTick_;
    if (const auto help = menu_doors::helpLineAt(k))
        LabelAyu[help->label - 1]->setText(store_.uiText[help->line]);
    if (k < menu_doors::kHelpTicks) {
        chica->setPixmap(QPixmap::fromImage(ImageList1.value(k)));
        ++helpTick_;
        return;
    }
    TimerAyuda->stop();
    helpTick_ = 0;
}

void Tform0::BotRetroceClick()
{
    if (!store_.run.worldActive) {
        close();
        return;
    }
    TimerAyuda->stop();
    helpTick_ = 0;
    PanelAyuda->hide();
    hide();
    store_.run.animationEnabled = true;
    if (worldAction_)
        worldAction_();
}
