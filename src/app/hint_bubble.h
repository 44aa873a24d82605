#pragma once

#include <QRegion>
#include <QWidget>

// The program's tooltip: a speech bubble with its pointer at the top edge.
class TMonHint : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTextWidth = 300;
    static constexpr int kHintDelayMs = 400;

    TMonHint();

    // The window size for a text: the text wrapped at 300 pixels, widened by 10
    // and heightened by 30 for the pointer and the margins.
    QSize sizeFor(const QString& text) const;

    // The bubble's shape for a window of the given size: the body below the
    // pointer's 20 pixels, with its rounded corners, joined to the pointer.
    static QRegion bubbleShape(const QSize& size);

    // Shows the text in the given rectangle, shaped to its own size.
    void activate(const QString& text, const QRect& rect);

    const QString& text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

// Shows every tooltip of the application as a TMonHint bubble. Once the first
// bubble has been painted, bubbles appear 400 ms after the pointer rests.
void installHintBubbles();
