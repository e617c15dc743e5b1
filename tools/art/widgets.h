#pragma once
// The game's controls as pictures: buttons with their words, arrow buttons,
// paper fields, highlight frames and popup cards. Each is drawn exactly over
// the box it is given, which is the control's click rectangle.

#include <string>

#include "draw/canvas.h"
#include "art/palette.h"
#include "draw/type.h"
#include "presentation/layout.h"

namespace art {

enum class ButtonKind {
    Action,    // does something
    Quiet,     // close, back
    Off,       // shown but cannot be used
};

enum class Arrow { Left, Right, Up, Down };

// A raised button with its word centred; the word shrinks to fit.
void Button(Canvas& canvas, Rect box, const std::string& label, ButtonKind kind);
// A button with an arrow head instead of a word.
void ArrowButton(Canvas& canvas, Rect box, Arrow arrow, ButtonKind kind);
// A button showing a minus or plus sign.
void SignButton(Canvas& canvas, Rect box, bool plus, ButtonKind kind);
// A control of the layout drawn as its label says: "<" and ">" become arrows,
// "-" and "+" signs, "" a paper field, any other word a button.
void DrawControl(Canvas& canvas, i32 control, ButtonKind kind = ButtonKind::Action);

// A paper box with a thin border, where text is typed or shown.
void Field(Canvas& canvas, Rect box);
// The same box chosen: a highlight border, `left`..`bottom` pixels thick
// (the sides where text runs close to the edge take a thinner border).
void ChosenField(Canvas& canvas, Rect box, int left, int top, int right, int bottom);

// A popup card: paper with a dark outline `edge` pixels thick and a title
// band `band` pixels tall.
void Card(Canvas& canvas, Rect box, const std::string& title, int band = 26, int edge = 2);

// Words printed on a surface.
enum class Align { Left, Centre, Right };
void Words(Canvas& canvas, const std::string& text, double x, int baseline, int size,
           Align align = Align::Left, Rgb colour = kMutedInk, Face face = Face::Sans);
// A section heading in the serif face.
void Heading(Canvas& canvas, const std::string& text, double x, int baseline, int size,
             Align align = Align::Left, Rgb colour = kInk);

// A sign on a building or a wall: a small plate with a word.
void Sign(Canvas& canvas, Rect box, const std::string& text, Rgb plate, Rgb ink);
// A door plate as the company's first years made them: vitreous enamel in a
// deep blue with a cream rim line, serif capitals and a screw at each end.
void EnamelPlate(Canvas& canvas, Rect box, const std::string& text);

}  // namespace art
