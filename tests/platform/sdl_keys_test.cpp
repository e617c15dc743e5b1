#include <gtest/gtest.h>

#include "platform/keys.h"
#include "platform/sdl_keys.h"

using namespace platform;

TEST(SdlKeys, LettersDigitsAndThePadGetTheirNumbersWhateverShiftOrLocks) {
    const std::uint16_t plain[] = {KMOD_NONE, KMOD_LSHIFT, KMOD_CAPS, KMOD_NUM, KMOD_LCTRL};
    for (const std::uint16_t mod : plain) {
        EXPECT_EQ(GameKeyOf(SDLK_a, mod), KEY_A) << mod;
        EXPECT_EQ(GameKeyOf(SDLK_z, mod), KEY_A + 25) << mod;
        EXPECT_EQ(GameKeyOf(SDLK_0, mod), KEY_0) << mod;
        EXPECT_EQ(GameKeyOf(SDLK_KP_7, mod), KEY_PAD_0 + 7) << mod;
        EXPECT_EQ(GameKeyOf(SDLK_ESCAPE, mod), KEY_ESCAPE) << mod;
    }
    EXPECT_EQ(GameKeyOf(SDLK_KP_ENTER, KMOD_NONE), KEY_RETURN);
    for (const SDL_Keycode none : {SDLK_F1, SDLK_F10, SDLK_LALT, SDLK_MINUS, SDLK_PAGEUP})
        EXPECT_EQ(GameKeyOf(none, KMOD_NONE), 0u) << none;
}

TEST(SdlKeys, AltAloneMakesASystemKeyButAltWithCtrlDoesNot) {
    const std::uint16_t alts[] = {KMOD_LALT, KMOD_RALT, KMOD_LALT | KMOD_LSHIFT};
    for (const std::uint16_t alt : alts) {
        EXPECT_EQ(GameKeyOf(SDLK_a, alt), 0u) << alt;
        EXPECT_EQ(GameKeyOf(SDLK_5, alt), 0u) << alt;
        EXPECT_EQ(GameKeyOf(SDLK_SPACE, alt), 0u) << alt;
    }
    EXPECT_EQ(GameKeyOf(SDLK_q, KMOD_RALT | KMOD_LCTRL), KEY_A + 16);
    EXPECT_EQ(GameKeyOf(SDLK_7, KMOD_LALT | KMOD_RCTRL), KEY_0 + 7);
}
