#pragma once

#include "data/settings.h"

#include <QImage>
#include <QList>
#include <QWidget>
#include <array>
#include <functional>

class DataStore;
class DoorZoomView;
class MenuBackground;
class MenuLabel;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class SpeechBalloon;

// The plain main menu: the building front whose doors lead to the sections,
// the stop-studying sign, the guide's entrance and balloon, the help panel
// used when the animated world is active, and the configuration panel.
//
// A section's screen registers the action that opens it with setDoorAction;
// until then its door is shown disabled.
class Tform0 : public QWidget {
    Q_OBJECT
public:
    explicit Tform0(DataStore& store, SettingsStore settings = SettingsStore(), QWidget* parent = nullptr);

    // Sets what a door (1..9, 11) does once its animation has ended: prepare
    // and show the section's screen. Enables the door.
    void setDoorAction(int door, std::function<void()> show);
    // Sets what the stop-studying sign opens. Enables the sign.
    void setSignAction(std::function<void()> show);
    // Sets how BotRetroce returns to the animated world.
    void setWorldAction(std::function<void()> show);

    // The shared font-size correction for this screen's display.
    int FontSizeDelta() const { return fontSizeDelta_; }

    int selectedDoor() const { return selectedDoor_; }

    MenuBackground* mosaico;
    std::array<MenuLabel*, 12> doorLabels{}; // by door number, 1..11
    MenuLabel* LabelCarreras;
    MenuLabel* LabelCat;
    MenuLabel* LabelFpS;
    MenuLabel* LabelIti;
    MenuLabel* LabelFPM;
    MenuLabel* LabelFPip;
    MenuLabel* LabelProfe;
    MenuLabel* LabelCuesB;
    MenuLabel* LabelCuesE;
    MenuLabel* LabelConfig;
    MenuLabel* LabelAsistente;
    MenuLabel* LabelDejar;
    MenuLabel* ImageDejar;
    QLabel* Imagefaraon;
    QLabel* LabelAno;
    SpeechBalloon* Bocadillo1;
    QLabel* LabelBocadillo1;
    QLabel* labelBocadillo2;
    QLabel* anda;
    QFrame* PanelAyuda;
    QLabel* chica;
    std::array<QLabel*, 5> LabelAyu{}; // LabelAyu1..LabelAyu5
    QPushButton* BotRetroce;
    DoorZoomView* zoomView;

    QFrame* panelConfigu;
    QLabel* Labelidioma;
    QRadioButton* cas;
    QRadioButton* cat;
    QRadioButton* gal;
    QRadioButton* eus;
    QLabel* LabelIdiomaSel;
    QFrame* PanelCofigu2;
    QLabel* LabelAnimacion;
    QRadioButton* si;
    QRadioButton* no;
    QLabel* LabelSINO;
    QPushButton* ButtonGrabar;
    QLabel* LabelReiniciar;
    QPushButton* ButtonRetroConf;
    QLabel* LabelActualizar;
    QPushButton* ButActualizar;
    QLabel* lblSize;
    QProgressBar* ProgressBar1;

    QList<QImage> ImageList1;
    QList<QImage> ImageListPuerta;
    QList<QImage> ImageListIconos;

    QTimer* TimerAyuda;
    QTimer* piloto;
    QTimer* TimerPuerta;
    QTimer* TimerTexto;
    QTimer* TimerZoom;

    void pilotoTimer();
    void TimerTextoTimer();
    void TimerPuertaTimer();
    void TimerZoomTimer();
    void TimerAyudaTimer();

    void DoorClick(int door);
    void DoorMouseMove(int door);
    void LabelDejarClick();
    void LabelDejarMouseMove();
    void mosaicoMouseMove();
    void BotRetroceClick();

    void LabelConfigClick();
    void LanguageClick();
    void AnimationClick();
    void ButtonGrabarClick();
    void ButtonRetroConfClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createAppearance();
    void createDoors();
    void createGuide();
    void createHelpPanel();
    void createConfigurationPanel();
    void wireTimers();

    void setDoorHint(int door, bool on);
    void performDoorAction();
    void setLabelTextColour(QLabel* label, const QColor& colour);

    DataStore& store_;
    SettingsStore settings_;
    std::array<std::function<void()>, 12> doorActions_{};
    std::array<QString, 12> doorHints_{};
    std::function<void()> signAction_;
    std::function<void()> worldAction_;
    int fontSizeDelta_ = 0;

    int selectedDoor_ = 0;
    QPoint doorPoint_;
    int step_ = 0;
    int frame_ = 0;
    int guideY_ = 0;
    int helpTick_ = 0;
};
