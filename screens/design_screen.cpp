// The design screen: the slot being edited, the stored model's cost and
// rating, the fitted parts and items, the body type and the car picture
// put together from its front, middle and rear pieces.

#include "presentation/layout.h"
#include "presentation/paint.h"
#include "screens/part_names.h"

namespace {

using platform::Canvas;

struct InstalledPart {
    i32 Category;
    i32 Text;   // TextId
    const i32* Part;
};

const InstalledPart kInstalledParts[] = {
    {PART_BRAKES, TEXT_DESIGN_BRAKES, &PlayerCar.Brakes},
    {PART_SUSPENSION, TEXT_DESIGN_SUSPENSION, &PlayerCar.Suspension},
    {PART_ENGINE, TEXT_DESIGN_ENGINE, &PlayerCar.Engine},
};

// The fitted entries of an item list, one under the other without gaps.
void DrawItemList(Canvas& canvas, i32 text, i32 category, const i32 (&items)[kModelArray]) {
    TextAnchor at = TextAt(text);
    for (i32 entry = 1; entry <= kPartsPerCategory; ++entry) {
        const char* name = PartName(category, items[entry]);
        if (name[0] == '\0') continue;
        Paint::DrawWord(canvas, at, name);
        at.Y += kDesignItemPitch;
    }
}

void DrawCarPicture(Canvas& canvas) {
    const i32 variants[kCarPieces] = {PlayerCar.FrontPiece, PlayerCar.MiddlePiece, PlayerCar.RearPiece};
    for (i32 piece = 0; piece < kCarPieces; ++piece) {
        const i32 picture = CarPiecePicture(PlayerCar.BodyType, PlayerCar.Era, piece, variants[piece]);
        Paint::Drawing(canvas, picture, kCarPieceAt[piece].X, kCarPieceAt[piece].Y);
    }
}

// The slot's mark says whether it holds a stored model; a slot number
// beyond the marks has none.
bool SlotHoldsStoredModel() {
    const i32 slot = PlayerCar.Slot;
    return slot >= 0 && slot < kModelArray && PlayerCar.SlotUsed[slot] != 0;
}

}  // namespace

void Paint::DrawCurrentDesign(Canvas& canvas) {
    Drawing(canvas, p_GAME_design_clean_carnr, kCarNumberCleanAt.X, kCarNumberCleanAt.Y);
    DrawInteger(canvas, TextAt(TEXT_DESIGN_SLOT), PlayerCar.Slot);
    if (SlotHoldsStoredModel()) {
        DrawInteger(canvas, TextAt(TEXT_DESIGN_COST), PlayerCar.UnitCost);
        DrawInteger(canvas, TextAt(TEXT_DESIGN_RATING), PlayerCar.Rating);
    }
    for (const InstalledPart& part : kInstalledParts)
        DrawWord(canvas, TextAt(part.Text), PartName(part.Category, *part.Part));
    DrawItemList(canvas, TEXT_DESIGN_LUXURY, PART_LUXURY, PlayerCar.LuxuryItems);
    DrawItemList(canvas, TEXT_DESIGN_SAFETY, PART_SAFETY, PlayerCar.SafetyItems);
    DrawWord(canvas, TextAt(TEXT_DESIGN_BODY), BodyTypeName(PlayerCar.BodyType));
    DrawCarPicture(canvas);
}
