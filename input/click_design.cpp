// The design screen: one car design (PlayerCar) edited and stored into,
// loaded from or deleted from the ten model slots; the add-parts chooser and
// its five part lists fit researched parts and items to it.

#include <algorithm>
#include <cstring>

#include "input/click_rules.h"
#include "model/player.h"

namespace clicks {
namespace {

using platform::Window;

bool IsPartRow(i32 focus) { return focus >= FOCUS_PART_ROW_1 && focus <= FOCUS_PART_ROW_10; }

// What the brakes, suspension and engine lists fit: the design's part and
// variant, the variant being chosen, and that variant's default (a new
// design's, and a list's once a row is chosen) and top value.
struct PartList {
    i32 Popup;
    i32 Car::*Part;
    i32 Car::*Variant;
    i32 Research::*Choice;
    i32 DefaultChoice;
    i32 TopChoice;
};

constexpr PartList kPartLists[] = {
    {POPUP_BRAKES_PARTS, &Car::Brakes, &Car::BrakesVariant, &Research::BrakesVariantChoice, 2, kBrakesVariants},
    {POPUP_SUSPENSION_PARTS, &Car::Suspension, &Car::SuspensionVariant, &Research::SuspensionVariantChoice, 2,
     kSuspensionVariants},
    {POPUP_ENGINE_PARTS, &Car::Engine, &Car::EngineVariant, &Research::EngineVariantChoice, 3, kEngineVariants},
};

// ---- The screen

// The model name is typed afresh at every click on its field.
bool NameField(Window*, i32) {
    MainObj.Focus = FOCUS_MODEL_NAME;
    std::memset(PlayerCar.Name, ' ', kNameTyped);
    return true;
}

// A fresh design for the first free slot. Nothing is stored until the save
// button stores it there; the body index stays where it was.
bool NewModel(Window*, i32) {
    Car& car = PlayerCar;
    i32 slot = 0;
    for (i32 i = 1; i <= kModelSlots && slot == 0; ++i)
        if (car.SlotUsed[i] == 0) slot = i;
    if (slot == 0) return true;
    car.Slot = slot;
    car.BodyType = BODY_FAMILY_WAGON;
    car.FrontPiece = car.MiddlePiece = car.RearPiece = 1;
    car.Era = PlayerResearch.ResearchLevel[PART_BODY];
    car.Brakes = car.Engine = car.Suspension = 0;
    std::fill(std::begin(car.LuxuryItems), std::end(car.LuxuryItems), 0);
    std::fill(std::begin(car.SafetyItems), std::end(car.SafetyItems), 0);
    for (const PartList& list : kPartLists) car.*list.Variant = list.DefaultChoice;
    car.Rating = car.UnitCost = car.Price = 0;
    std::memset(car.Name, ' ', kNameTyped);
    MainObj.LastDrawnScreen = 0;
    return true;
}

// The chooser leaves the name field uncovered: a frame on it is painted
// over with the screen.
bool AddParts(Window*, i32) {
    MainObj.Popup = POPUP_ADD_PARTS;
    if (MainObj.Focus != FOCUS_NONE) MainObj.LastDrawnScreen = 0;
    MainObj.Focus = FOCUS_NONE;
    return true;
}

// Another slot: what it holds replaces the design.
void ShowSlot() {
    Player::LoadModel();
    MainObj.LastDrawnScreen = 0;
}

bool SlotBack(Window*, i32) {
    StepBack(PlayerCar.Slot, 1, kModelSlots);
    ShowSlot();
    return true;
}

bool SlotForward(Window*, i32) {
    StepForward(PlayerCar.Slot, 1, kModelSlots);
    ShowSlot();
    return true;
}

// The body cycles over the owned types; a new body takes the era research
// has reached now and starts from the first piece of each kind. An index
// from a damaged model beyond the list's entries names no body type.
void ShowBody() {
    Car& car = PlayerCar;
    const i32 entry = car.BodyIndex;
    car.BodyType = entry >= 0 && entry < kModelArray ? PlayerResearch.OwnedBodyTypes[entry] : 0;
    car.Era = PlayerResearch.ResearchLevel[PART_BODY];
    car.FrontPiece = car.MiddlePiece = car.RearPiece = 1;
    MainObj.LastDrawnScreen = 0;
}

bool BodyBack(Window*, i32) {
    StepBack(PlayerCar.BodyIndex, 1, PlayerResearch.BodyTypesOwned);
    ShowBody();
    return true;
}

bool BodyForward(Window*, i32) {
    StepForward(PlayerCar.BodyIndex, 1, PlayerResearch.BodyTypesOwned);
    ShowBody();
    return true;
}

// Front, middle and rear piece arrows, back then forward for each. The new
// piece covers the old one in place, so the background stays.
i32* const kPieces[] = {&PlayerCar.FrontPiece, &PlayerCar.MiddlePiece, &PlayerCar.RearPiece};

bool PieceArrow(Window*, i32 n) {
    i32& piece = *kPieces[n / 2];
    if (n % 2 == 0)
        StepBack(piece, 1, kPieceVariants);
    else
        StepForward(piece, 1, kPieceVariants);
    return true;
}

bool SaveModel(Window*, i32) {
    Player::SaveModel();
    return true;
}

bool DeleteModel(Window*, i32) {
    Player::DeleteModel();
    MainObj.LastDrawnScreen = 0;
    return true;
}

constexpr Rule kDesign[] = {
    {CTRL_BACK, 1, GoToDroppingFocus<SCREEN_MENU_GAME>},
    {CTRL_DESIGN_EXIT, 1, GoToDroppingFocus<SCREEN_GAME_MAIN>},
    {CTRL_DESIGN_NAME, 1, NameField},
    {CTRL_DESIGN_NEW_MODEL, 1, NewModel},
    {CTRL_DESIGN_ADD_PARTS, 1, AddParts},
    {CTRL_DESIGN_SLOT_BACK, 1, SlotBack},
    {CTRL_DESIGN_SLOT_FORWARD, 1, SlotForward},
    {CTRL_DESIGN_BODY_BACK, 1, BodyBack},
    {CTRL_DESIGN_BODY_FORWARD, 1, BodyForward},
    {CTRL_DESIGN_FRONT_BACK, 6, PieceArrow},
    {CTRL_DESIGN_SAVE_MODEL, 1, SaveModel},
    {CTRL_DESIGN_DELETE_MODEL, 1, DeleteModel},
};
static_assert(CTRL_DESIGN_REAR_FORWARD == CTRL_DESIGN_FRONT_BACK + 5);

// ---- The part lists

// What the luxury and safety lists fit: the design's items.
struct ItemList {
    i32 Popup;
    i32 (Car::*Items)[kModelArray];
};

constexpr ItemList kItemLists[] = {
    {POPUP_LUXURY_PARTS, &Car::LuxuryItems},
    {POPUP_SAFETY_PARTS, &Car::SafetyItems},
};

// The open list of either kind, or null.
const PartList* OpenPartList() {
    for (const PartList& list : kPartLists)
        if (list.Popup == MainObj.Popup) return &list;
    return nullptr;
}

const ItemList* OpenItemList() {
    for (const ItemList& list : kItemLists)
        if (list.Popup == MainObj.Popup) return &list;
    return nullptr;
}

// The part a chosen row stands for.
i32 ChosenPart() { return MainObj.Focus - FOCUS_PART_ROW_1 + 1; }

// Row n stands for part n; it is chosen once research has reached it.
bool PartRow(Window*, i32 n) {
    const i32 category = PartListCategory(MainObj.Popup);
    if (category < 0 || PlayerResearch.ResearchLevel[category] < n + 1) return true;
    MainObj.Focus = FOCUS_PART_ROW_1 + n;
    if (const PartList* list = OpenPartList()) PlayerResearch.*list->Choice = list->DefaultChoice;
    return true;
}

// The variant arrows need a chosen row.
bool VariantBack(Window*, i32) {
    const PartList* list = OpenPartList();
    if (list != nullptr && MainObj.Focus > 0) StepBack(PlayerResearch.*list->Choice, 1, list->TopChoice);
    return true;
}

bool VariantForward(Window*, i32) {
    const PartList* list = OpenPartList();
    if (list != nullptr && MainObj.Focus > 0) StepForward(PlayerResearch.*list->Choice, 1, list->TopChoice);
    return true;
}

bool BackToChooser(Window*, i32) {
    MainObj.Popup = POPUP_ADD_PARTS;
    MainObj.LastDrawnScreen = 0;
    MainObj.Focus = FOCUS_NONE;
    return true;
}

// The chosen part with the chosen variant; with no row chosen the design
// stays as it was.
bool InstallPart(Window* window, i32 n) {
    if (const PartList* list = OpenPartList()) {
        if (IsPartRow(MainObj.Focus)) PlayerCar.*list->Part = ChosenPart();
        if (MainObj.Focus != FOCUS_NONE) PlayerCar.*list->Variant = PlayerResearch.*list->Choice;
    }
    return BackToChooser(window, n);
}

// An item is fitted at most once, into the first free place among the
// entries research has opened.
bool InstallItem(Window* window, i32 n) {
    const ItemList* list = OpenItemList();
    if (list != nullptr && IsPartRow(MainObj.Focus)) {
        const i32 item = ChosenPart();
        i32(&items)[kModelArray] = PlayerCar.*list->Items;
        const i32 level = PlayerResearch.ResearchLevel[PartListCategory(list->Popup)];
        const i32 open = std::clamp(level, 0, kPartsPerCategory);
        i32 free = 0;
        bool fitted = false;
        for (i32 i = 1; i <= open; ++i) {
            if (items[i] == item) fitted = true;
            if (free == 0 && items[i] == 0) free = i;
        }
        if (!fitted && free != 0) items[free] = item;
    }
    return BackToChooser(window, n);
}

constexpr Rule kPartListRules[] = {
    {CTRL_PART_ROW_1, kPartsPerCategory, PartRow},
    {CTRL_VARIANT_BACK, 1, VariantBack},
    {CTRL_VARIANT_FORWARD, 1, VariantForward},
    {CTRL_PARTS_INSTALL, 1, InstallPart},
    {CTRL_PARTS_BACK, 1, BackToChooser},
};

// Install is tested first where it overlaps back; back then sets the same.
constexpr Rule kItemListRules[] = {
    {CTRL_PART_ROW_1, kPartsPerCategory, PartRow},
    {CTRL_ITEMS_INSTALL, 1, InstallItem},
    {CTRL_ITEMS_BACK, 1, BackToChooser},
};

// ---- The chooser

// A list opens with no variant chosen; the chooser leaves the focus alone.
bool OpenList(i32 popup, i32 Research::*choice) {
    MainObj.Popup = popup;
    if (choice != nullptr) PlayerResearch.*choice = 0;
    MainObj.LastDrawnScreen = 0;
    return true;
}

bool ChooseEngine(Window*, i32) { return OpenList(POPUP_ENGINE_PARTS, &Research::EngineVariantChoice); }
bool ChooseSuspension(Window*, i32) {
    return OpenList(POPUP_SUSPENSION_PARTS, &Research::SuspensionVariantChoice);
}
bool ChooseBrakes(Window*, i32) { return OpenList(POPUP_BRAKES_PARTS, &Research::BrakesVariantChoice); }
bool ChooseLuxury(Window*, i32) { return OpenList(POPUP_LUXURY_PARTS, nullptr); }
bool ChooseSafety(Window*, i32) { return OpenList(POPUP_SAFETY_PARTS, nullptr); }

constexpr Rule kChooser[] = {
    {CTRL_ADD_ENGINE, 1, ChooseEngine},
    {CTRL_ADD_SUSPENSION, 1, ChooseSuspension},
    {CTRL_ADD_BRAKES, 1, ChooseBrakes},
    {CTRL_ADD_LUXURY, 1, ChooseLuxury},
    {CTRL_ADD_SAFETY, 1, ChooseSafety},
    {CTRL_ADD_CLOSE, 1, Close},
};

}  // namespace

// The screen's own controls only while no popup is open; then each popup's
// group in a fixed order, the lists before the chooser, each tested only
// while its popup is the open one when its turn comes.
void ClickDesign(Window* window) {
    if (MainObj.Popup == POPUP_NONE) Run(window, kDesign);
    for (const PartList& list : kPartLists)
        if (MainObj.Popup == list.Popup) Run(window, kPartListRules);
    for (const ItemList& list : kItemLists)
        if (MainObj.Popup == list.Popup) Run(window, kItemListRules);
    if (MainObj.Popup == POPUP_ADD_PARTS) Run(window, kChooser);
}

}  // namespace clicks
