#include "model/body_type_offer.h"

namespace {

// By BodyTypeId 1..9. The prices do not rise with the number: the family
// sedan costs less than the luxury body.
constexpr i32 kBodyTypePrices[kBodyTypeCount] = {100000, 200000,  502500,  803700, 705900,
                                                 1207100, 1592000, 2313000, 3325000};

}  // namespace

i32 BodyTypeResearchPrice(i32 bodyType) {
    return bodyType >= 1 && bodyType <= kBodyTypeCount ? kBodyTypePrices[bodyType - 1] : 0;
}

bool OwnsBodyType(const Research& research, i32 bodyType) {
    constexpr i32 kLastEntry = kModelArray - 1;
    const i32 offered = research.BodyTypesOffered < kLastEntry ? research.BodyTypesOffered : kLastEntry;
    for (i32 entry = 1; entry <= offered; ++entry)
        if (research.OwnedBodyTypes[entry] == bodyType) return true;
    return false;
}

bool BrowsedBodyTypePrice(const Research& research, i32& price) {
    const i32 browsed = research.BrowsedBodyType;
    if (browsed < 1 || browsed > kBodyTypeCount) return false;
    price = OwnsBodyType(research, browsed) ? 0 : BodyTypeResearchPrice(browsed);
    return true;
}
