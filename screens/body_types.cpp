// The body type on offer in the body types popup, light while it can be
// bought and dark once owned, and the price it is offered at, stored for
// the popup's text and its buy button.

#include "model/body_type_offer.h"
#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/paint.h"

void Paint::DrawBodyTypes(platform::Canvas& canvas) {
    if (MainObj.Popup != POPUP_BODY_TYPES) return;
    const i32 browsed = PlayerResearch.BrowsedBodyType;
    if (!BrowsedBodyTypePrice(PlayerResearch, PlayerResearch.BodyTypePrice)) return;
    const bool owned = OwnsBodyType(PlayerResearch, browsed);
    Drawing(canvas, BodyTypePicture(browsed, owned), kBodyTypePictureAt.X, kBodyTypePictureAt.Y);
}
