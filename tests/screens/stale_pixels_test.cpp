// A game played through clicks and keys with the game's own pictures: after
// every input the window must look exactly as a repaint over a fresh
// background draws it. The game never clears, so an action that takes
// something away without asking for the background leaves it on show.

#include <gtest/gtest.h>

#include <memory>

#include "main/window_procedure.h"
#include "support/game_folder.h"
#include "platform/headless_window.h"
#include "platform/keys.h"
#include "presentation/interface_state.h"
#include "presentation/paint.h"

namespace {

// A click at (X, Y), then the keys typed: letters, digits, '_' for space.
struct Input {
    i32 X, Y;
    const char* Keys;
};

constexpr Input kGame[] = {
    {400, 300, ""}, {400, 215, ""}, {400, 265, "stale_free"}, {465, 350, ""}, {445, 390, ""},
    // Office: staff, map, bank, reports.
    {600, 300, ""}, {430, 360, ""}, {200, 227, "10"}, {250, 227, ""}, {577, 227, "30"}, {627, 228, ""},
    {400, 480, ""}, {350, 170, ""}, {270, 477, ""}, {270, 477, ""}, {270, 477, ""}, {615, 492, ""},
    {620, 320, ""}, {360, 233, "20000"}, {470, 233, ""}, {360, 233, "5"}, {565, 233, ""}, {400, 480, ""},
    {272, 362, ""}, {400, 241, ""}, {600, 488, ""}, {400, 319, ""}, {400, 480, ""}, {140, 250, ""},
    // Research: an area, the body types.
    {100, 160, ""}, {260, 260, ""}, {500, 228, ""}, {330, 407, ""}, {285, 145, ""}, {490, 270, ""},
    {330, 407, ""}, {397, 150, ""},
    // Design: name, then the parts chooser while the name is framed.
    {376, 200, ""}, {110, 72, ""}, {110, 177, "tourer"}, {110, 117, ""}, {400, 220, ""}, {400, 68, ""},
    {217, 507, ""}, {508, 499, ""}, {400, 255, ""}, {400, 68, ""}, {508, 499, ""}, {400, 291, ""},
    {400, 68, ""}, {508, 499, ""}, {400, 413, ""}, {516, 255, ""}, {110, 400, ""}, {398, 505, ""},
    // Factory: a line, its destinations, price and staff.
    {650, 200, ""}, {136, 148, ""}, {375, 185, ""}, {454, 422, ""}, {334, 230, ""}, {239, 250, ""},
    {198, 240, "1100"}, {198, 240, "9"}, {697, 162, "30"}, {650, 250, ""}, {697, 349, "10"},
    {650, 432, ""}, {418, 240, ""}, {523, 62, ""}, {400, 505, ""},
    // Two months, then the menu and back.
    {740, 570, ""}, {740, 570, ""}, {740, 570, ""}, {740, 570, ""}, {50, 570, ""}, {400, 215, ""},
};

std::uint32_t KeyOf(char c) {
    if (c == '_') return platform::KEY_SPACE;
    if (c >= 'a' && c <= 'z') return platform::KEY_A + static_cast<std::uint32_t>(c - 'a');
    return platform::KEY_0 + static_cast<std::uint32_t>(c - '0');
}

// The description strip keeps the caption of the last hover while a popup
// is open or the screen has none; a fresh background blanks it.
bool InDescriptionStrip(i32 x, i32 y) { return x >= 262 && x <= 532 && y >= 560 && y <= 592; }

TEST(StalePixels, EveryInputRepaintsWhatItTakesAway) {
    ResetGameState();
    load_photo_times = 0;
    platform::Window* window = platform::OpenHeadlessWindow(WindowProcedure);
    platform::RunMessages(window);   // the first paint loads every picture
    GameFolder folder;               // the new game rewrites the rival names file
    auto shown = std::make_unique<platform::Canvas>();
    for (const Input& input : kGame) {
        platform::PostClickAt(window, input.X, input.Y);
        platform::RunMessages(window);
        for (const char* key = input.Keys; *key != '\0'; ++key) {
            platform::PostKeyDown(window, KeyOf(*key));
            platform::RunMessages(window);
        }
        if (MainObj.Screen < SCREEN_GAME_MAIN) continue;   // menus draw everything at every paint
        *shown = window->canvas;
        MainObj.LastDrawnScreen = 0;
        platform::RequestRepaint(window);
        platform::RunMessages(window);
        int stale = 0;
        for (i32 y = 0; y < platform::kCanvasHeight; ++y)
            for (i32 x = 0; x < platform::kCanvasWidth; ++x)
                if (!InDescriptionStrip(x, y) && shown->pixels[y][x] != window->canvas.pixels[y][x]) ++stale;
        EXPECT_EQ(stale, 0) << "after the click at " << input.X << ", " << input.Y << " (screen "
                            << MainObj.Screen << ", popup " << MainObj.Popup << ")";
    }
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_MAIN);
    EXPECT_GT(PlayerModel(1).Price, 0);
    platform::CloseGameWindow(window);
    Paint::DeletePhoto();
    load_photo_times = 0;
    ResetGameState();
}

}  // namespace
