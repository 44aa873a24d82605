#include "platform/panel_transitions.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>

namespace panel_transitions {

namespace {

std::optional<bool>& animatedOverride()
{
    static std::optional<bool> value;
    return value;
}

const char* const kCaptureProperty = "panelTransitionCapture";
const QString kOverlayName = QStringLiteral("panelTransition");

enum class Effect { Roll, Circle, RollUp };

// Paints a captured picture over a panel's area while the panel is revealed
// (or, for the roll-up, while its picture leaves). Deletes itself at the end.
class TransitionOverlay final : public QWidget {
public:
    TransitionOverlay(QWidget* host, QWidget* panel, QPixmap picture, Effect effect)
        : QWidget(host)
        , panel_(panel)
        , picture_(std::move(picture))
        , effect_(effect)
    {
        setObjectName(kOverlayName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(effect == Effect::RollUp ? panel->geometry() : panel->rect());
        connect(&timer_, &QTimer::timeout, this, &TransitionOverlay::tick);
        clock_.start();
        timer_.start(15);
        raise();
        show();
    }

    QWidget* panel() const { return panel_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const double done = progress();
        QPainter painter(this);
        QPainterPath covered;
        covered.addRect(rect());
        switch (effect_) {
        case Effect::Roll: {
            QPainterPath revealed;
            revealed.addRect(QRectF(0, 0, width(), height() * done));
            covered = covered.subtracted(revealed);
            break;
        }
        case Effect::Circle: {
            const double radius = std::hypot(width(), height()) / 2.0 * done;
            QPainterPath revealed;
            revealed.addEllipse(QRectF(rect()).center(), radius, radius);
            covered = covered.subtracted(revealed);
            break;
        }
        case Effect::RollUp: {
            covered = QPainterPath();
            covered.addRect(QRectF(0, 0, width(), height() * (1.0 - done)));
            break;
        }
        }
        painter.setClipPath(covered);
        painter.drawPixmap(0, 0, picture_);
    }

private:
    double progress() const { return std::clamp(double(clock_.elapsed()) / kDurationMs, 0.0, 1.0); }

    void tick()
    {
        if (progress() >= 1.0) {
            timer_.stop();
            deleteLater();
            return;
        }
        update();
    }

    QPointer<QWidget> panel_;
    QPixmap picture_;
    Effect effect_;
    QTimer timer_;
    QElapsedTimer clock_;
};

void endTransitions(QWidget* panel)
{
    auto endOn = [panel](QWidget* host) {
        if (!host)
            return;
        const auto children = host->findChildren<QWidget*>(kOverlayName, Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            auto* overlay = dynamic_cast<TransitionOverlay*>(child);
            if (overlay && overlay->panel() == panel)
                delete overlay;
        }
    };
    endOn(panel);
    endOn(panel->parentWidget());
}

// What the parent shows where the panel stands once the panel is hidden.
QPixmap areaUnder(QWidget* panel)
{
    QWidget* parent = panel->parentWidget();
    if (!parent)
        return {};
    return parent->grab(panel->geometry());
}

void showWith(QWidget* panel, int step, Effect effect)
{
    if (!panel)
        return;
    endTransitions(panel);
    if (step == 0) {
        panel->hide();
        panel->setProperty(kCaptureProperty, animated() ? QVariant::fromValue(areaUnder(panel)) : QVariant());
        return;
    }
    const QVariant captured = panel->property(kCaptureProperty);
    panel->setProperty(kCaptureProperty, QVariant());
    panel->show();
    if (!animated() || !captured.canConvert<QPixmap>())
        return;
    const QPixmap picture = captured.value<QPixmap>();
    if (picture.isNull() || !panel->isVisible())
        return;
    new TransitionOverlay(panel, panel, picture, effect);
}

} // namespace

bool animated()
{
    if (animatedOverride())
        return *animatedOverride();
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void setAnimated(bool on)
{
    animatedOverride() = on;
}

} // namespace panel_transitions

void ShowWithRoll(QWidget* panel, int step)
{
    panel_transitions::showWith(panel, step, panel_transitions::Effect::Roll);
}

void ShowWithCircle(QWidget* panel, int step)
{
    panel_transitions::showWith(panel, step, panel_transitions::Effect::Circle);
}

void HideWithRollUp(QWidget* panel)
{
    using namespace panel_transitions;
    if (!panel)
        return;
    endTransitions(panel);
    const bool wasVisible = panel->isVisible();
    const QPixmap picture = wasVisible && animated() ? panel->grab() : QPixmap();
    panel->hide();
    if (!picture.isNull() && panel->parentWidget())
        new TransitionOverlay(panel->parentWidget(), panel, picture, Effect::RollUp);
}
