// The picture of the open popup.

#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/paint.h"

void Paint::DrawPopUp(platform::Canvas& canvas) {
    const i32 popup = MainObj.Popup;
    Placement at = PopupPlacement(popup);
    if (at.Picture == kNoPicture) return;
    if (PopupAtOrigin(popup)) {
        // Such a popup stands at the origin of the screen showing it; a
        // screen without one has no place for it.
        if (!HasPopupOrigin(MainObj.Screen)) return;
        const Point origin = PopupOrigin(MainObj.Screen);
        at.X = origin.X;
        at.Y = origin.Y;
    }
    Drawing(canvas, at.Picture, at.X, at.Y);
}
