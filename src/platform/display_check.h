#pragma once

// Whether a screen of the given size and colour depth would ask to switch the
// display to 1024 x 768 at 16 bits: the main menu only on a display both lower
// than 768 and shallower than 16 bits, the world on any display that is not
// exactly 1024 x 768 or shallower than 16 bits.
//
// Switching the display mode is not done on this platform: the screens are
// fixed 1024 x 768 windows that work on any larger desktop, so the check is
// kept as this rule and no question is asked.
namespace display_check {

enum class Context { Menu, World };

bool wouldAsk(Context context, int width, int height, int depth);

} // namespace display_check
