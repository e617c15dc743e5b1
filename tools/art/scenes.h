#pragma once
// Every picture of the catalogue, drawn. Screens and popups are drawn in
// screen coordinates on an 800 x 600 canvas, so each button lands exactly on
// the rectangle where it is clicked; popups are then cut from that canvas.

#include "draw/canvas.h"
#include "draw/icon_files.h"

namespace art {

namespace car {
struct PartLog;
}

// ---- Screens (800 x 600)
Canvas DrawIntro();
Canvas DrawMenuBackground();
Canvas DrawNewGame();
Canvas DrawSaveLoad(bool save);
Canvas DrawMainView();
Canvas DrawOffice();
Canvas DrawAdvertising(bool billboardAdvert);
Canvas DrawResearch();
Canvas DrawDesign();
Canvas DrawFactory();
Canvas DrawMonthEnd();
Canvas DrawGameOver();

// The band at the bottom of the game screens 6..12, identical on all of them
// but for the button at its right end.
enum class FooterButton { None, NextMonth, Continue };
void DrawFooter(Canvas& screen, FooterButton button);

// The month's expenses and income, as the month-end screen and the month
// report show them, drawn on a paper sheet covering `sheet`.
void DrawMonthSheet(Canvas& canvas, Rect sheet);

// ---- Popups: the picture of a PopupId at its size (PopupPlacement gives where)
Canvas DrawPopup(int popup);

// ---- Overlays
Canvas DrawMenuButton(int picture);
Canvas DrawFrame(int picture);                 // highlight frames
Canvas DrawRemoveButton();
Canvas DrawResearchSegment();
Canvas DrawReportBar(int company);             // 0 player, 1 rival 1, 2 rival 2
Canvas DrawExpandDone();                       // research_expand_clean
Canvas DrawPartIcon(int category, int part);   // PartCategory, 1..10
Canvas DrawBodyTypeCard(int bodyType, bool owned);

// ---- Car pieces
// The whole car of a body type and era with a variant for each piece, on the
// design screen's showroom, at the size of the car box (253 x 146).
// With a log, every part of it is recorded there, with what it belongs to.
Canvas DrawCar(int bodyType, int era, int front, int middle, int rear, car::PartLog* log = nullptr);
Canvas DrawCarPiece(int bodyType, int era, int piece, int variant);
// The same car cut out, with its coverage, for placing on other pictures.
Sprite DrawCarSprite(int bodyType, int era, int front, int middle, int rear);
// Places a sprite scaled by `scale` with its top-left at (x, y).
void PlaceSprite(Canvas& c, const Sprite& s, double x, double y, double scale);

}  // namespace art
