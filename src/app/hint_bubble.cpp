#include "app/hint_bubble.h"

#include <QApplication>
#include <QBitmap>
#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QProxyStyle>
#include <QToolTip>

namespace {

constexpr int kPointerHeight = 20;
constexpr int kCornerDiameter = 30;

// The hint delay: the platform's until the first bubble is painted.
class HintDelayStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay && shortDelay)
            return TMonHint::kHintDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
    bool shortDelay = false;
};

HintDelayStyle* delayStyle = nullptr;

QRegion eroded(const QRegion& region, int pixels)
{
    return region & region.translated(pixels, 0) & region.translated(-pixels, 0) & region.translated(0, pixels) &
           region.translated(0, -pixels);
}

// Routes tooltip events to one shared bubble.
class HintBubbles final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ToolTip: {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (!widget)
                return false;
            const QString text = widget->toolTip();
            if (text.isEmpty()) {
                hide();
                return true;
            }
            if (!bubble_)
                bubble_ = new TMonHint;
            const QPoint at = static_cast<QHelpEvent*>(event)->globalPos() + QPoint(-20, 22);
            bubble_->activate(text, QRect(at, bubble_->sizeFor(text)));
            return true;
        }
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            if (watched != bubble_)
                hide();
            return false;
        default:
            return false;
        }
    }

private:
    void hide()
    {
        if (bubble_)
            bubble_->hide();
    }

    QPointer<TMonHint> bubble_;
};

} // namespace

TMonHint::TMonHint()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(QToolTip::font());
    setPalette(QToolTip::palette());
}

QSize TMonHint::sizeFor(const QString& text) const
{
    const QRect textRect =
        fontMetrics().boundingRect(QRect(0, 0, kTextWidth, 10000), Qt::TextWordWrap, text);
    return textRect.size() + QSize(10, 30);
}

QRegion TMonHint::bubbleShape(const QSize& size)
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, kPointerHeight, size.width(), size.height() - kPointerHeight),
                         kCornerDiameter / 2.0, kCornerDiameter / 2.0);
    shape.addPolygon(QPolygonF({QPointF(18, kPointerHeight), QPointF(23, 0), QPointF(33, kPointerHeight)}));
    shape.setFillRule(Qt::WindingFill);
    QBitmap pixels(size);
    pixels.fill(Qt::color0);
    QPainter painter(&pixels);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawPath(shape);
    painter.end();
    return QRegion(pixels);
}

void TMonHint::activate(const QString& text, const QRect& rect)
{
    text_ = text;
    setGeometry(rect);
    setMask(bubbleShape(rect.size()));
    show();
    update();
}

void TMonHint::paintEvent(QPaintEvent*)
{
    const QRegion shape = mask().isEmpty() ? QRegion(rect()) : mask();
    QPainter painter(this);
    painter.setClipRegion(shape);
    painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    for (const auto& [width, colour] : {std::pair{2, QColor(96, 96, 96)}, std::pair{1, QColor(160, 160, 160)}}) {
        const QRegion frame = shape - eroded(shape, width);
        for (const QRect& part : frame)
            painter.fillRect(part, colour);
    }
    if (delayStyle)
        delayStyle->shortDelay = true;
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawText(rect().adjusted(5, 5 + 22, -5, -5), Qt::TextWordWrap, text_);
}

void installHintBubbles()
{
    if (!delayStyle) {
        delayStyle = new HintDelayStyle;
        QApplication::setStyle(delayStyle);
    }
    static HintBubbles* bubbles = new HintBubbles(qApp);
    qApp->installEventFilter(bubbles);
}
