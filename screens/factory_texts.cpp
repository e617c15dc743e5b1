// The figures of the factory screen: staff not yet assigned, the counts
// typed for assigning, the shown region's staff and each line's price.

#include "model/shown_region.h"
#include "presentation/paint.h"
#include "screens/popup_text_blocks.h"

namespace {

struct Figure {
    i32 Text;   // TextId
    const i32* Value;
};

const Figure kStaffFigures[] = {
    {TEXT_FREE_TECHNICIANS, &PlayerTechnicians.Unassigned},
    {TEXT_FREE_SALESMEN, &PlayerSalesmans.Unassigned},
    {TEXT_TYPED_TECHNICIANS, &PlayerFactorySalon.TechniciansToAssign},
    {TEXT_TYPED_SALESMEN, &PlayerFactorySalon.SalesmenToAssign},
};

}  // namespace

void screens::DrawFactoryFigures(platform::Canvas& canvas) {
    for (const Figure& figure : kStaffFigures) Paint::DrawInteger(canvas, TextAt(figure.Text), *figure.Value);
    const FactorySalonRegion* shown = ShownFactoryRegion();
    if (shown == nullptr) return;
    const FactorySalonRegion& region = *shown;
    Paint::DrawInteger(canvas, TextAt(TEXT_REGION_TECHNICIANS), region.Technicians);
    Paint::DrawInteger(canvas, TextAt(TEXT_REGION_SALESMEN), region.Salesmen);
    for (i32 line = 0; line < kProductionLines; ++line) {
        const i32 model = region.ProductionLineModel[line];
        if (model < 1 || model > kModelSlots) continue;
        Paint::DrawInteger(canvas, TextAt(TEXT_LINE_PRICE_1 + line), PlayerModel(model).Price);
    }
}
