#pragma once
// The key presses SDL reports, as the key numbers of platform/keys.h.

#include <SDL.h>

#include <cstdint>

namespace platform {

// The game's number of a key pressed with `modifiers` held; 0 for a key the
// game has no number for and for a system key. A key held with Alt and
// without Ctrl is a system key: it belongs to the desktop (switching
// windows, the window menu), not to the game. With Ctrl held as well
// (AltGr on many keyboards) it is an ordinary key again. Shift, Caps Lock
// and Num Lock change nothing: a letter is the letter.
std::uint32_t GameKeyOf(SDL_Keycode code, std::uint16_t modifiers);

}  // namespace platform
