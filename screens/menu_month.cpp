// The month's name in the footer of the game screens.

#include "presentation/paint.h"

void Paint::DrawMenuMonth(platform::Canvas& canvas) {
    DrawWord(canvas, TextAt(TEXT_MONTH), MonthName(PlayerObj.Month));
}
