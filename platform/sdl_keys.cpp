#include "platform/sdl_keys.h"

#include "platform/keys.h"

namespace platform {

namespace {

// Key numbers of the keys that are not letters or digits.
struct KeyName {
    SDL_Keycode sdl;
    std::uint32_t key;
};
constexpr KeyName kOtherKeys[] = {
    {SDLK_BACKSPACE, KEY_BACKSPACE}, {SDLK_TAB, KEY_TAB},     {SDLK_RETURN, KEY_RETURN},
    {SDLK_KP_ENTER, KEY_RETURN},     {SDLK_ESCAPE, KEY_ESCAPE}, {SDLK_SPACE, KEY_SPACE},
    {SDLK_LEFT, KEY_LEFT},           {SDLK_UP, KEY_UP},       {SDLK_RIGHT, KEY_RIGHT},
    {SDLK_DOWN, KEY_DOWN},           {SDLK_DELETE, KEY_DELETE},
    {SDLK_KP_0, KEY_PAD_0},          {SDLK_KP_1, KEY_PAD_0 + 1}, {SDLK_KP_2, KEY_PAD_0 + 2},
    {SDLK_KP_3, KEY_PAD_0 + 3},      {SDLK_KP_4, KEY_PAD_0 + 4}, {SDLK_KP_5, KEY_PAD_0 + 5},
    {SDLK_KP_6, KEY_PAD_0 + 6},      {SDLK_KP_7, KEY_PAD_0 + 7}, {SDLK_KP_8, KEY_PAD_0 + 8},
    {SDLK_KP_9, KEY_PAD_0 + 9},
};

std::uint32_t KeyNumber(SDL_Keycode code) {
    if (code >= SDLK_a && code <= SDLK_z) return KEY_A + static_cast<std::uint32_t>(code - SDLK_a);
    if (code >= SDLK_0 && code <= SDLK_9) return KEY_0 + static_cast<std::uint32_t>(code - SDLK_0);
    for (const KeyName& name : kOtherKeys) {
        if (name.sdl == code) return name.key;
    }
    return 0;
}

}  // namespace

std::uint32_t GameKeyOf(SDL_Keycode code, std::uint16_t modifiers) {
    const bool system = (modifiers & KMOD_ALT) != 0 && (modifiers & KMOD_CTRL) == 0;
    return system ? 0 : KeyNumber(code);
}

}  // namespace platform
