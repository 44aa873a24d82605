// Tform0: the door labels, their hints, hover colours and clicks.
#include "app/main_menu.h"

#include "app/main_menu_doors.h"
#include "app/main_menu_widgets.h"
#include "data/colors.h"
#include "data/data_store.h"

#include <QTimer>

namespace {

QString lines(const UiText& texts, std::initializer_list<int> numbers)
{
    QStringList parts;
    for (const int n : numbers)
        parts << texts[n];
    return parts.join(QLatin1Char('\n'));
}

struct DoorTexts {
    QString caption;
    QString hint;
};

} // namespace

void Tform0::createDoors()
{
    const UiText& t = store_.uiText;
    const auto l = [&t](std::initializer_list<int> numbers) { return lines(t, numbers); };
    const std::array<DoorTexts, 12> doors = {{
        {},
        {l({84}), l({306, 551})},
        {l({103}), l({224})},
        {l({513}), l({318, 316, 317})},
        {l({21}), l({179, 180})},
        {l({512}), l({113, 154, 155, 156, 157, 158, 159})},
        {l({263}), l({263, 584})},
        {t[622] + QLatin1Char(' ') + t[623], l({641})},
        {l({8, 9, 10, 11}), l({305, 301, 302})},
        {l({8, 9, 10, 12}), l({305, 509}) + QLatin1Char(' ') + t[510]},
        {l({121, 396, 606}), {}},
        {l({6}), {}},
    }};
    for (int door = 1; door <= menu_doors::kDoorCount; ++door) {
        const DoorTexts& texts = doors[door];
        auto* label = new MenuLabel(texts.caption, this);
        doorHints_[door] = texts.hint;
        label->setToolTip(texts.hint);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, ColorPale);
        label->setPalette(palette);
        setLabelTextColour(label, ColorLabelText);
        label->setMouseTracking(true);
        label->setFixedWidth(menu_doors::kDoorLabelWidth);
        label->adjustSize();
        const int top = menu_doors::rowTop(menu_doors::isLowerRow(door)) + 146;
        label->move(menu_doors::labelLeft(door), top);
        // A door opens its section only once the section's screen has registered.
        label->setEnabled(door == menu_doors::kConfigurationDoor);
        if (door == menu_doors::kConfigurationDoor)
            connect(label, &MenuLabel::clicked, this, &Tform0::LabelConfigClick);
        else
            connect(label, &MenuLabel::clicked, this, [this, door] { DoorClick(door); });
        connect(label, &MenuLabel::mouseMoved, this, [this, door] { DoorMouseMove(door); });
        doorLabels[door] = label;
    }
    LabelCarreras = doorLabels[1];
    LabelCat = doorLabels[2];
    LabelFpS = doorLabels[3];
    LabelIti = doorLabels[4];
    LabelFPM = doorLabels[5];
    LabelFPip = doorLabels[6];
    LabelProfe = doorLabels[7];
    LabelCuesB = doorLabels[8];
    LabelCuesE = doorLabels[9];
    LabelConfig = doorLabels[10];
    LabelAsistente = doorLabels[11];

    // Turned on when the guide has arrived or the door is used.
    setDoorHint(1, false);
    setDoorHint(2, false);
}

void Tform0::setDoorAction(int door, std::function<void()> show)
{
    if (door < 1 || door > menu_doors::kDoorCount || door == menu_doors::kConfigurationDoor)
        return;
    doorActions_[door] = std::move(show);
    doorLabels[door]->setEnabled(bool(doorActions_[door]));
}

void Tform0::setSignAction(std::function<void()> show)
{
    signAction_ = std::move(show);
    LabelDejar->setEnabled(bool(signAction_));
    ImageDejar->setEnabled(bool(signAction_));
}

void Tform0::setDoorHint(int door, bool on)
{
    doorLabels[door]->setToolTip(on ? doorHints_[door] : QString());
}

void Tform0::DoorMouseMove(int door)
{
    setLabelTextColour(doorLabels[door], ColorHighlight);
}

void Tform0::LabelDejarMouseMove()
{
    setLabelTextColour(LabelDejar, QColor(255, 255, 0));
}

void Tform0::mosaicoMouseMove()
{
    for (int door = 1; door <= menu_doors::kDoorCount; ++door)
        setLabelTextColour(doorLabels[door], ColorLabelText);
    setLabelTextColour(LabelDejar, ColorListText);
}

void Tform0::LabelDejarClick()
{
    if (!signAction_)
        return;
    signAction_();
    hide();
}

void Tform0::DoorClick(int door)
{
    if (door < 1 || door > menu_doors::kDoorCount || !doorActions_[door])
        return;
    if (door == 1 || door == 2) {
        setDoorHint(1, true);
        setDoorHint(2, true);
    }
    selectedDoor_ = door;
    piloto->stop();
    if (store_.run.worldActive) {
        step_ = menu_doors::kImmediateStep;
        TimerZoom->start();
        return;
    }
    TimerTexto->stop();
    MenuLabel* label = doorLabels[door];
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ColorPanel);
    label->setPalette(palette);
    Bocadillo1->hide();
    LabelBocadillo1->hide();
    labelBocadillo2->hide();
    setDoorHint(door, false);
    doorPoint_ = menu_doors::doorPoint(door, label->x());
    step_ = 0;
    frame_ = 0;
    TimerPuerta->start();
}

void Tform0::performDoorAction()
{
    const int door = selectedDoor_;
    setDoorHint(door, true);
    zoomView->hide();
    if (menu_doors::hidesMenuFirst(door))
        hide();
    doorActions_[door]();
    hide();
}
