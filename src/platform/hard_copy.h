#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QImage;
class QPainter;

// The printer canvas in resolution-independent units: positions are given in
// units (units per inch chosen at setup) or as cells of a character grid that
// divides the printable area, and converted to the device pixels of the
// painter's device. Text is drawn with the painter's font, pen and brush.
class HardCopy {
public:
    explicit HardCopy(QPainter& painter);

    // Reads the device's printable area and resolution, fixes the grid and the
    // scales, and puts the current position at (0, 0).
    void setup(int gridColumns, int gridRows, double unitsPerInch);

    QPoint toDevice(double x, double y) const;
    void moveTo(double x, double y);
    void gridMove(int column, int row);
    QPoint position() const { return position_; }

    // The device rectangle between two unit positions, without drawing.
    QRect rectangleValue(double x1, double y1, double x2, double y2) const;
    void rectangle(double x1, double y1, double x2, double y2);
    void ellipse(double x1, double y1, double x2, double y2);

    // Text with its top-left corner, its centre or its end at the current position.
    void text(const QString& text);
    void textCentred(const QString& text);
    void textRightAligned(const QString& text);

    void stretchPicture(const QRect& target, const QImage& picture);

    QPainter& painter() { return painter_; }

private:
    void textAt(int left, const QString& text);

    QPainter& painter_;
    QSize resolution_;
    int gridColumns_ = 1;
    int gridRows_ = 1;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    QPoint position_;
};
