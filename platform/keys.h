#pragma once
// Key numbers carried by the key-down message. They are the virtual-key
// numbers the keyboard tables are written in: letters and digits are their
// upper-case character codes, the numeric pad has a run of its own.

#include <cstdint>

namespace platform {

inline constexpr std::uint32_t KEY_BACKSPACE = 8;
inline constexpr std::uint32_t KEY_TAB = 9;
inline constexpr std::uint32_t KEY_RETURN = 13;
inline constexpr std::uint32_t KEY_ESCAPE = 27;
inline constexpr std::uint32_t KEY_SPACE = 32;
inline constexpr std::uint32_t KEY_LEFT = 37;
inline constexpr std::uint32_t KEY_UP = 38;
inline constexpr std::uint32_t KEY_RIGHT = 39;
inline constexpr std::uint32_t KEY_DOWN = 40;
inline constexpr std::uint32_t KEY_DELETE = 46;
inline constexpr std::uint32_t KEY_0 = 48;       // '0'..'9' are 48..57
inline constexpr std::uint32_t KEY_A = 65;       // 'A'..'Z' are 65..90
inline constexpr std::uint32_t KEY_PAD_0 = 96;   // numeric pad 0..9 are 96..105

}  // namespace platform
