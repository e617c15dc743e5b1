#pragma once
// A headless game window whose catalogue holds small pictures made here
// instead of the files: every glyph a block of its font's cell size in a
// colour of its own, and chosen pictures in chosen colours.

#include <gtest/gtest.h>

#include <initializer_list>

#include "main/window_procedure.h"
#include "model/records.h"
#include "platform/headless_window.h"
#include "presentation/fonts.h"
#include "presentation/interface_state.h"
#include "presentation/paint.h"
#include "presentation/picture_catalogue.h"
#include "support/game_folder.h"

// The colour of a glyph: font, character and a low 1 so it is never black.
constexpr platform::Pixel GlyphColour(char font, char c) {
    return platform::Pixel(static_cast<unsigned char>(font)) << 16 |
           platform::Pixel(static_cast<unsigned char>(c)) << 8 | 1u;
}

constexpr platform::Pixel kUntouched = 0x0A0B0C;

struct PaintFixture : ::testing::Test {
    platform::Window* window = nullptr;

    void SetUp() override {
        ResetGameState();
        Paint::DeletePhoto();
        cursoron = platform::PointerShape{};   // a game loaded by an earlier test has one
        load_photo_times = 1;   // the catalogue counts as loaded: no files are read
        for (char font : kFonts) {
            const GlyphCell cell = FontCell(font);
            for (int c = 1; c < 256; ++c) {
                const i32 glyph = GlyphPicture(font, static_cast<char>(c));
                if (glyph == kNoPicture) continue;
                platform::Picture* handle = PhotoHandle(glyph);
                if (platform::IsEmpty(*handle))
                    platform::FillPicture(*handle, cell.Width, cell.Height, GlyphColour(font, static_cast<char>(c)));
            }
        }
        window = platform::OpenHeadlessWindow(WindowProcedure);
        platform::FillCanvas(window->canvas, kUntouched);
    }

    void TearDown() override {
        Paint::DeletePhoto();
        load_photo_times = 0;
        ResetGameState();
    }

    // Gives a catalogue picture a solid block of its own.
    void SetPhoto(i32 picture, i32 width, i32 height, platform::Pixel colour) {
        platform::Picture* handle = PhotoHandle(picture);
        platform::FreePicture(*handle);
        platform::FillPicture(*handle, width, height, colour);
    }

    platform::Canvas& canvas() { return window->canvas; }
    platform::Pixel At(i32 x, i32 y) const { return platform::CanvasPixel(window->canvas, x, y); }

    // Pixels and the colour each must have.
    struct Dot {
        i32 X, Y;
        platform::Pixel Colour;
    };
    void ExpectDots(std::initializer_list<Dot> dots) const {
        for (const Dot& d : dots) EXPECT_EQ(At(d.X, d.Y), d.Colour) << d.X << "," << d.Y;
    }
};
