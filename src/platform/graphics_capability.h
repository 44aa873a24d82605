#pragma once

#include <QString>

// The animated world needs a real display. The legacy rule asked for a graphics
// runtime of version 7 or later; here the version is derived from the window
// system in use (see graphicsVersion).
namespace graphics {

constexpr int kWorldMinimumVersion = 7;
// What a display able to show the world counts as.
constexpr int kCapableVersion = 9;

// The major version in a "4.09.00.0904"-style string: the digit in the fourth
// character, or 0 when there is none.
int versionFromString(const QString& versionString);

// 9 on a window system that can show the animated world, 0 on the headless ones
// ("offscreen", "minimal", "vnc" without a screen) or without a GUI application.
int graphicsVersion();

} // namespace graphics
