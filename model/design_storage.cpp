// The ten model slots and the design being edited: storing a design fixes
// its unit cost and rating from the part tables; loading copies a slot into
// the design; deleting empties a slot, the design and the slot's stock.

#include <climits>
#include <cstdint>
#include <cstring>

#include "model/design_limits.h"
#include "model/part_tables.h"
#include "model/player.h"
#include "model/records.h"

namespace {

constexpr i32 kTopPart = kPartsPerCategory;  // the best part of a category

// What suits each body type: the engine that earns a part bonus and the
// variants that earn a variant bonus. The engine variant is matched by its
// class: below 3, exactly 3, or above 3.
enum class EngineClass { Below3, Exactly3, Above3 };

struct BodyTypeFit {
    i32 engine;
    EngineClass engineVariant;
    i32 brakesVariant;
    i32 suspensionVariant;
};

// Indexed by BodyTypeId; entry 0 is no body type.
constexpr BodyTypeFit kBodyTypeFits[kBodyTypeCount + 1] = {
    {0, EngineClass::Exactly3, 0, 0},
    {9, EngineClass::Below3, 2, 2},     // family wagon: 4cyl diesel
    {10, EngineClass::Above3, 3, 1},    // truck: v12
    {10, EngineClass::Above3, 3, 3},    // sport
    {8, EngineClass::Exactly3, 2, 2},   // luxury: v6 diesel
    {9, EngineClass::Below3, 2, 1},     // family sedan
    {8, EngineClass::Exactly3, 2, 1},   // van
    {8, EngineClass::Exactly3, 3, 1},   // pick-up truck
    {9, EngineClass::Below3, 1, 1},     // compact
    {10, EngineClass::Above3, 3, 2},    // race car
};

EngineClass ClassOf(i32 engineVariant) {
    if (engineVariant < 3) return EngineClass::Below3;
    return engineVariant == 3 ? EngineClass::Exactly3 : EngineClass::Above3;
}

// Table entry `id` of a part list; an id the list does not have counts 0.
template <std::size_t Size>
i32 Entry(const i32 (&list)[Size], i32 id) {
    return id >= 0 && id < static_cast<i32>(Size) ? list[id] : 0;
}

template <std::size_t Size>
i32 SumOfItems(const i32 (&list)[Size], const i32 (&items)[kModelArray]) {
    i32 sum = 0;
    for (i32 item : items) sum += Entry(list, item);
    return sum;
}

// The bonuses a rating earns: a part bonus for the engine that suits the
// body and for the top brakes and suspension, and a variant bonus for each
// of the three variants that suits the body.
constexpr i32 kPartBonuses = 3;
constexpr i32 kVariantBonuses = 3;

// A design adds up three parts, the entries of both item lists, the body
// and its bonuses: sums of table figures that never wrap before storing
// keeps them within their bounds.
constexpr std::int64_t kMostFiguresSummed = 3 + 2 * kModelArray + 1 + kPartBonuses + kVariantBonuses;
static_assert(kMostFiguresSummed * kHighestTableFigure <= INT_MAX);
static_assert(kMostFiguresSummed * kLowestTableFigure >= INT_MIN);

bool HasSlot(const Car& design) { return design.Slot >= 1 && design.Slot <= kModelSlots; }

bool IsComplete(const Car& design) {
    return design.Brakes != 0 && design.Suspension != 0 && design.Engine != 0 && design.BodyType != 0 &&
           design.FrontPiece != 0 && design.MiddlePiece != 0 && design.RearPiece != 0 && design.Name[0] != ' ';
}

// The body cost is that of the era research has reached when the design is
// stored, not of the design's own era.
i32 UnitCostOf(const Car& design) {
    const Costs& costs = CostsObj;
    return Entry(costs.Brakes, design.Brakes) + Entry(costs.Engine, design.Engine) +
           Entry(costs.Suspension, design.Suspension) + SumOfItems(costs.Luxury, design.LuxuryItems) +
           SumOfItems(costs.Safety, design.SafetyItems) +
           Entry(costs.Body, PlayerResearch.ResearchLevel[PART_BODY]);
}

i32 RatingOf(const Car& design) {
    const Rates& rates = RateObj;
    i32 rating = Entry(rates.Brakes, design.Brakes) + Entry(rates.Engine, design.Engine) +
                 Entry(rates.Suspension, design.Suspension) + SumOfItems(rates.Luxury, design.LuxuryItems) +
                 SumOfItems(rates.Safety, design.SafetyItems) + rates.Body;
    const bool knownBody = design.BodyType >= 1 && design.BodyType <= kBodyTypeCount;
    const BodyTypeFit& fit = kBodyTypeFits[knownBody ? design.BodyType : 0];
    const bool partBonuses[kPartBonuses] = {knownBody && design.Engine == fit.engine, design.Brakes == kTopPart,
                                            design.Suspension == kTopPart};
    const bool variantBonuses[kVariantBonuses] = {knownBody && ClassOf(design.EngineVariant) == fit.engineVariant,
                                                  knownBody && design.BrakesVariant == fit.brakesVariant,
                                                  knownBody && design.SuspensionVariant == fit.suspensionVariant};
    for (bool earned : partBonuses)
        if (earned) rating += rates.PartBonus;
    for (bool earned : variantBonuses)
        if (earned) rating += rates.VariantBonus;
    return rating;
}

// The fields that make the model, carried between the design and a slot;
// the design's slot marks, body index, price text and the name's last two
// characters stay where they are.
void CopyModelFields(const Car& from, Car& to) {
    std::memcpy(to.Name, from.Name, kNameTyped);
    to.Brakes = from.Brakes;
    to.BrakesVariant = from.BrakesVariant;
    to.Suspension = from.Suspension;
    to.SuspensionVariant = from.SuspensionVariant;
    to.Engine = from.Engine;
    to.EngineVariant = from.EngineVariant;
    std::memcpy(to.LuxuryItems, from.LuxuryItems, sizeof to.LuxuryItems);
    std::memcpy(to.SafetyItems, from.SafetyItems, sizeof to.SafetyItems);
    to.Era = from.Era;
    to.Rating = from.Rating;
    to.UnitCost = from.UnitCost;
    to.Price = from.Price;
    to.BodyType = from.BodyType;
    to.FrontPiece = from.FrontPiece;
    to.MiddlePiece = from.MiddlePiece;
    to.RearPiece = from.RearPiece;
}

}  // namespace

void Player::SaveModel() {
    Car& design = PlayerCar;
    if (!HasSlot(design)) return;
    const i32 slot = design.Slot;
    if (design.SlotUsed[slot] != 0 || !IsComplete(design)) return;
    design.SlotUsed[slot] = slot;
    // Tables other than the game's own may price or rate a design past what
    // the studio's five cells show, or below nothing; the stored figures
    // keep to the bounds a load holds them to, so the game saved loads
    // back as it was.
    design.UnitCost = KeptWithin(UnitCostOf(design), kStoredDesignCost);
    design.Rating = KeptWithin(RatingOf(design), kStoredDesignRating);
    Car stored{};
    CopyModelFields(design, stored);
    PlayerModel(slot) = stored;
}

void Player::LoadModel() {
    if (!HasSlot(PlayerCar)) return;
    CopyModelFields(PlayerModel(PlayerCar.Slot), PlayerCar);
}

void Player::DeleteModel() {
    Car& design = PlayerCar;
    if (!HasSlot(design)) return;
    const i32 slot = design.Slot;
    if (design.SlotUsed[slot] == 0) return;
    design.SlotUsed[slot] = 0;
    Car empty{};
    std::memset(empty.Name, ' ', kNameTyped);
    empty.Slot = slot;
    std::memcpy(empty.SlotUsed, design.SlotUsed, sizeof empty.SlotUsed);
    PlayerModel(slot) = empty;
    design = empty;
    for (auto& row : ModelSaleObj.Stock) row[slot] = 0;
}
