#include "app/splash_window.h"

#include "data/colors.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>

TBienvenida::TBienvenida(const QImage& picture, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , Image1(new QLabel(this))
    , Label1(new QLabel(this))
    , ProgressBar1(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("Trazela 2016/17"));
    setFixedSize(354, 154);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColorPanel);
    setPalette(colours);

    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->setScaledContents(true);
    Image1->setGeometry(12, 8, 52, 120);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(48);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setText(QStringLiteral("Trazela 2016/17"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setStyleSheet(QStringLiteral("color: maroon;"));
    Label1->setGeometry(72, 8, 274, 120);

    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(12, 134, 330, 12);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TBienvenida::setProgress(int value)
{
    ProgressBar1->setValue(value);
    repaint();
}
