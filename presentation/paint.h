#pragma once
// Paint: the paint cycle, the screen dispatcher, the picture catalogue's
// loading and the two drawing operations every painter uses.
//
// Painters draw on the canvas with Paint::Drawing (a whole catalogue
// picture, opaque, clipped) and Paint::DrawTextA (glyph cells), and turn
// numbers into text with DrawInteger and DrawMoney. Nothing is ever cleared:
// what a paint does not draw over stays visible.

#include "model/records.h"
#include "platform/canvas.h"
#include "platform/picture.h"
#include "platform/pointer_shape.h"
#include "platform/window.h"
#include "presentation/glyph_text.h"
#include "presentation/picture_catalogue.h"
#include "presentation/text_layout.h"

struct Paint {
    // ---- Paint cycle (window procedure -> Draw -> WhatToDraw -> painters)

    // The paint message: the first paint fills the canvas black and loads
    // the catalogue; every paint then draws `screen`.
    static void Draw(platform::Window* window, i32 screen);
    // Draws one screen: its background, footer and own texts, and calls the
    // painters in their fixed order. A screen outside 0..13 draws nothing.
    static void WhatToDraw(platform::Canvas& canvas, i32 screen);

    // ---- Picture catalogue

    // Loads all 670 pictures, decoding them on all cores, then the hover
    // pointer. A picture that fails stays empty; the others load all the same.
    static void LoadPhoto();
    // Loads one JPEG into `handle`; a file that fails leaves it empty.
    static void LoadJpg(platform::Picture& handle, const char* path);
    // Frees every picture (the window is going away).
    static void DeletePhoto();

    // ---- Drawing

    // Copies catalogue picture `picture` (a PictureId) whole with its
    // top-left corner at (x, y). Off-canvas parts are clipped; an empty or
    // unknown picture draws nothing.
    static void Drawing(platform::Canvas& canvas, i32 picture, i32 x, i32 y);

    // Draws `count` cells from (x, y). Cell k shows the glyph of text byte
    // first + k (dir '+') or first - k (dir '-') in `font`, and the pen moves
    // by +step or -step along `axis` ('x' or 'y') per cell. A byte without a
    // glyph, or a cell outside the text's bytes, leaves the cell as it was.
    // A count of 0 or less draws nothing; another dir repeats the same byte
    // in place; another axis keeps the pen still.
    static void DrawTextA(platform::Canvas& canvas, i32 x, i32 y, char axis, i32 step, i32 count, char dir,
                          char font, TextSpan text, i32 first = 0);

    // Numbers as text along x. ALIGN_LEFT: the first character at x,
    // `cells` cells forward. ALIGN_RIGHT: the last character at x, `cells`
    // cells backward, the cells before the text blank. Every font draws the
    // minus sign; '.' and '+' have no glyph and leave blank cells.
    static void DrawInteger(platform::Canvas& canvas, i32 x, i32 y, i32 step, i32 cells, char font, i32 value,
                            TextAlign align);
    // Money with 10 significant digits ("100000." for a whole amount, the
    // exponent form from 10^10 up).
    static void DrawMoney(platform::Canvas& canvas, i32 x, i32 y, i32 step, i32 cells, char font, double value,
                          TextAlign align);

    // The same at a text anchor of the layout (text_layout.h).
    static void DrawInteger(platform::Canvas& canvas, const TextAnchor& at, i32 value);
    static void DrawMoney(platform::Canvas& canvas, const TextAnchor& at, double value);
    // A text of its own bytes (a name), left-aligned in the anchor's cells.
    static void DrawText(platform::Canvas& canvas, const TextAnchor& at, TextSpan text);
    // A fixed word at the anchor, left-aligned; an anchor of X 0 takes the
    // word's own x, an anchor of 0 cells as many cells as the word has
    // letters. An empty or null word draws nothing.
    static void DrawWord(platform::Canvas& canvas, const TextAnchor& at, const PlacedWord& word);
    static void DrawWord(platform::Canvas& canvas, const TextAnchor& at, const char* word);

    // ---- Painters, called by WhatToDraw in a fixed order per screen

    static void DrawSaveSlots(platform::Canvas& canvas);
    static void DrawMenuMonth(platform::Canvas& canvas);
    static void DrawPopUp(platform::Canvas& canvas);
    static void DrawDescription(platform::Canvas& canvas);
    // The focused field's or row's frame.
    static void DrawFocusFrame(platform::Canvas& canvas);
    static void DrawLoading(platform::Canvas& canvas);
    static void DrawParts(platform::Canvas& canvas);
    static void DrawBodyTypes(platform::Canvas& canvas);
    static void DrawNextMonth(platform::Canvas& canvas);
    static void DrawStatistics(platform::Canvas& canvas);
    // The open popup's texts and the works' figures (screens/popup_texts.cpp).
    static void DrawSlotTexts(platform::Canvas& canvas);
    // The design being edited: its slot, figures, parts and car.
    static void DrawCurrentDesign(platform::Canvas& canvas);
    static void DrawFactory(platform::Canvas& canvas);
};

// The black of the first paint's fill.
inline constexpr platform::Pixel hbrush = 0x000000;

// 0 until the first paint has loaded the catalogue, then 1.
extern i32 load_photo_times;

// The pointer shown over hover areas, loaded with the catalogue from
// "cursoron.cur"; painters show it with platform::SetPointerShape(cursoron).
extern platform::PointerShape cursoron;

// The loaded picture of a PictureId; an empty picture for any other value
// and before loading.
const platform::Picture& PhotoOf(i32 picture);

// The handle a picture is loaded into (null outside the catalogue); tests
// put pictures of their own there.
platform::Picture* PhotoHandle(i32 picture);

// How many catalogue pictures hold pixels now.
i32 LoadedPhotoCount();
