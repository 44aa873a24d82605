#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class UiText;

// The shared yes/no question with an optional line of text (the pupil's name).
// Callers set LabelNombre, show EditNombre or LabelNombre2 when they need them,
// and call ask(). However a use ends, the dialog hides EditNombre and
// LabelNombre2 and shows ShadowNo again, so every use starts alike.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(const UiText& texts, QWidget* parent = nullptr);

    // Shows the dialog modally: true for "yes" (ShadowSi or Enter), false for
    // "cancel" (ShadowNo, Esc or the close box).
    bool ask();

    QLabel* LabelNombre;
    QLabel* LabelNombre2;
    QLineEdit* EditNombre;
    QPushButton* ShadowSi;
    QPushButton* ShadowNo;

    void done(int result) override;
};
