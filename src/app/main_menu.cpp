// Tform0: creation, appearance, showing and closing.
#include "app/main_menu.h"

#include "app/exit_sequence.h"
#include "app/main_menu_doors.h"
#include "app/main_menu_widgets.h"
#include "data/colors.h"
#include "data/data_store.h"
#include "platform/image_lists.h"
#include "platform/message_service.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr QSize kClientSize{1024, 768};
constexpr int kLeaveProgramLine = 49;
// A door whose section is not available yet: greyed, still readable.
const QColor kDisabledText{128, 128, 128};

// The menu's pictures are drawn on white, which the building shows through.
QPixmap withoutWhite(const QImage& picture)
{
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setMask(pixmap.createMaskFromColor(Qt::white));
    return pixmap;
}

QTimer* timer(QObject* owner, int intervalMs)
{
    auto* t = new QTimer(owner);
    t->setInterval(intervalMs);
    return t;
}

} // namespace

Tform0::Tform0(DataStore& store, SettingsStore settings, QWidget* parent)
    : QWidget(parent)
    , store_(store)
    , settings_(std::move(settings))
{
    setObjectName(QStringLiteral("Tform0"));
    ImageList1 = image_lists::imageList(QStringLiteral("ImageList1"));
    ImageListPuerta = image_lists::imageList(QStringLiteral("ImageListPuerta"));
    ImageListIconos = image_lists::imageList(QStringLiteral("ImageListIconos"));

    setFont(arial(10, true));
    createAppearance();
    createDoors();
    createGuide();
    createHelpPanel();
    createConfigurationPanel();
    wireTimers();

    for (QPushButton* button : findChildren<QPushButton*>())
        button->setFont(arial(9, false));
    BotRetroce->setFont(arial(9, true));

    fontSizeDelta_ = menu_doors::fontSizeDelta(screen() ? int(screen()->logicalDotsPerInch()) : 96);
    if (!store_.run.worldActive)
        piloto->start();
}

void Tform0::createAppearance()
{
    setFixedSize(kClientSize);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());

    mosaico = new MenuBackground(store_.pictures.parte, this);
    mosaico->setGeometry(rect());
    connect(mosaico, &MenuBackground::mouseMoved, this, &Tform0::mosaicoMouseMove);

    const LoadContext ctx = store_.context();
    QImage sign;
    QImage decoration;
    if (!sign.load(ctx.absolutePath(QLatin1String(StartupPictures::kMenuSign))) ||
        !decoration.load(ctx.absolutePath(QLatin1String(StartupPictures::kMenuPicture)))) {
        ctx.abort();
        QCoreApplication::quit();
    }

    // The first column of the lower row holds the sign, the year and the tree.
    const int lowerTop = menu_doors::rowTop(true);
    ImageDejar = new MenuLabel(this);
    ImageDejar->setPixmap(withoutWhite(sign));
    ImageDejar->setGeometry(QRect(QPoint(0, lowerTop + 62), sign.size()));
    LabelDejar = new MenuLabel(store_.uiText[587] + QLatin1Char('\n') + store_.uiText[588], this);
    LabelDejar->setFont(arial(9, true));
    LabelDejar->setAlignment(Qt::AlignCenter);
    LabelDejar->setGeometry(ImageDejar->geometry().adjusted(10, 22, -14, -14));
    setLabelTextColour(LabelDejar, ColorLabelText);
    for (MenuLabel* part : {LabelDejar, ImageDejar}) {
        part->setToolTip(store_.uiText[580]);
        part->setMouseTracking(true);
        part->setEnabled(false);
        connect(part, &MenuLabel::clicked, this, &Tform0::LabelDejarClick);
        connect(part, &MenuLabel::mouseMoved, this, &Tform0::LabelDejarMouseMove);
    }

    Imagefaraon = new QLabel(this);
    Imagefaraon->setPixmap(withoutWhite(decoration));
    Imagefaraon->setGeometry(QRect(QPoint(27, kClientSize.height() - decoration.height() - 8), decoration.size()));

    LabelAno = new QLabel(QStringLiteral("2016/17"), this);
    LabelAno->setAutoFillBackground(true);
    QPalette year = LabelAno->palette();
    year.setColor(QPalette::WindowText, ColorLabelText);
    year.setColor(QPalette::Window, ColorHighlight);
    LabelAno->setPalette(year);
    LabelAno->setContentsMargins(4, 1, 4, 1);
    LabelAno->adjustSize();
    LabelAno->move(54, lowerTop + 166);
    auto* shadow = new QGraphicsDropShadowEffect(LabelAno);
    shadow->setColor(ColorShadow);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(0);
    LabelAno->setGraphicsEffect(shadow);
}

void Tform0::wireTimers()
{
    TimerAyuda = timer(this, 200);
    piloto = timer(this, 200);
    TimerPuerta = timer(this, 200);
    TimerTexto = timer(this, 3000);
    TimerZoom = timer(this, 100);
    connect(TimerAyuda, &QTimer::timeout, this, &Tform0::TimerAyudaTimer);
    connect(piloto, &QTimer::timeout, this, &Tform0::pilotoTimer);
    connect(TimerPuerta, &QTimer::timeout, this, &Tform0::TimerPuertaTimer);
    connect(TimerTexto, &QTimer::timeout, this, &Tform0::TimerTextoTimer);
    connect(TimerZoom, &QTimer::timeout, this, &Tform0::TimerZoomTimer);
}

void Tform0::setLabelTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledText);
    label->setPalette(palette);
}

void Tform0::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (store_.run.startupAborted) {
        close();
        return;
    }
    raise();
    activateWindow();
    if (store_.run.worldActive)
        TimerAyuda->start();
}

void Tform0::closeEvent(QCloseEvent* event)
{
    // After an aborted start or a confirmed exit the menu closes without asking.
    if (!store_.run.startupAborted) {
        if (!messageService().ask(store_.uiText[kLeaveProgramLine])) {
            event->ignore();
            return;
        }
        exitProgram(store_);
    }
    event->accept();
}

void Tform0::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
