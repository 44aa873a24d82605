#pragma once

class QWidget;

// Panel transitions offered to every screen. A caller hides the panel with
// step 0, changes its content, and shows it with step 1. The effect is a short
// reveal drawn by an overlay that owns its own timer: it never blocks the event
// loop, ends with its panel, and a new transition of the same panel replaces a
// running one. Without a real display the panel is simply hidden and shown.
namespace panel_transitions {

constexpr int kDurationMs = 250;

// Whether transitions draw their effect (default: not on headless platforms).
bool animated();
void setAnimated(bool on);

} // namespace panel_transitions

// Step 0: captures what lies under the panel and hides it. Step 1: shows the
// panel, revealing it from the top down over the captured picture.
void ShowWithRoll(QWidget* panel, int step);
// As ShowWithRoll, revealing the panel from its centre outwards.
void ShowWithCircle(QWidget* panel, int step);
// Hides the panel, rolling its last picture up.
void HideWithRollUp(QWidget* panel);
