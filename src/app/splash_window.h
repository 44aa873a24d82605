#pragma once

#include <QWidget>

class QImage;
class QLabel;
class QProgressBar;

// The window shown while the screens are being created.
class TBienvenida : public QWidget {
    Q_OBJECT
public:
    explicit TBienvenida(const QImage& picture, QWidget* parent = nullptr);

    void setProgress(int value);

    QLabel* Image1;
    QLabel* Label1;
    QProgressBar* ProgressBar1;
};
