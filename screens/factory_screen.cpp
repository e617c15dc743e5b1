// The factory screen for the region it shows: the region's name, and on
// each of its five production lines the model built there, the two regions
// its cars go to and the button that empties the line.

#include "model/shown_region.h"
#include "presentation/layout.h"
#include "presentation/paint.h"

void Paint::DrawFactory(platform::Canvas& canvas) {
    const FactorySalonRegion* shown = ShownFactoryRegion();
    if (shown == nullptr) return;
    DrawWord(canvas, TextAt(TEXT_FACTORY_TITLE), FactoryRegionWord(PlayerFactorySalon.ShownRegion));
    const FactorySalonRegion& region = *shown;
    for (i32 line = 0; line < kProductionLines; ++line) {
        const i32 model = region.ProductionLineModel[line];
        if (model >= 1 && model <= kModelSlots)
            DrawText(canvas, TextAt(TEXT_LINE_MODEL_1 + line), PlayerModel(model).Name);
    }
    for (i32 line = 0; line < kProductionLines; ++line) {
        if (region.ProductionLineModel[line] <= 0) continue;
        for (i32 j = 0; j < 2; ++j)
            DrawWord(canvas, TextAt(TEXT_LINE_DESTINATION_1 + 2 * line + j),
                     FactoryRegionWord(region.ProductionLineShipTo[line][j]).Text);
        Drawing(canvas, p_GAME_factory_remove_model, kRemoveModelX, kPriceFieldAt[line].Y);
    }
}
