#pragma once

#include <QColor>

// The colours every screen shares.
inline const QColor ColorScreen{255, 239, 206};
inline const QColor ColorPanel{249, 209, 183};
inline const QColor ColorPale{255, 255, 225};
inline const QColor ColorAccent{0, 169, 251};
inline const QColor ColorWarm{231, 90, 94};
inline const QColor ColorTitle{128, 0, 0};
inline const QColor ColorLabelText{0, 0, 128};
inline const QColor ColorListText{0, 0, 128};
inline const QColor ColorHeading{0, 0, 128};
inline const QColor ColorHighlight{255, 0, 0};
inline const QColor ColorShadow{255, 255, 255};
inline const QColor ColorBlue{0, 0, 255};
inline const QColor ColorGradientEnd{0, 0, 128};
