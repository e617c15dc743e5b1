// Contact sheets: every screen with its popups, highlight frames and sample
// texts, drawn from the generated picture files with the game's own picture
// copy and glyph text writer at the places the painters use, written as PNG
// files for looking at.
//
//   velmara_contact_sheet <build folder> <output folder> [cars]
//
// With "cars", it writes instead one sheet per body type and era holding
// every choice of front, middle and rear on the design screen's background:
// a row for each front and middle, a column for each rear.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <FreeImage.h>

#include "platform/canvas.h"
#include "platform/picture.h"
#include "presentation/paint.h"
#include "art/pointers.h"
#include "art/scenes.h"
#include "draw/image_files.h"
#include "presentation/fonts.h"
#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/picture_sizes.h"
#include "presentation/text_layout.h"
#include "screens/part_names.h"

namespace {

using art::Canvas;
using Screen = platform::Canvas;

std::vector<Canvas> gPictures;   // decoded again for the magnified sheets
std::unique_ptr<Screen> gScreen;
std::string gOut;

void Draw(Screen& screen, i32 picture, i32 x, i32 y) { Paint::Drawing(screen, picture, x, y); }

// Writes `text` at a text anchor with the game's text writer; words take
// their own length, and `x` overrides the anchor's x for words placed by a
// word table.
void Write(Screen& screen, i32 anchor, const std::string& text, i32 x = -1) {
    const TextAnchor& a = TextAt(anchor);
    const i32 length = static_cast<i32>(text.size());
    const i32 cells = a.Cells > 0 ? a.Cells : length;
    const i32 px = x >= 0 ? x : a.X;
    const TextSpan span(text.c_str(), length);
    if (a.Align == ALIGN_RIGHT) Paint::DrawTextA(screen, px, a.Y, a.Axis, a.Step, cells, DIR_BACKWARD, a.Font, span, length - 1);
    else Paint::DrawTextA(screen, px, a.Y, a.Axis, a.Step, cells, DIR_FORWARD, a.Font, span, 0);
}

// One line of a list drawn a number of rows below its anchor.
void WriteRow(Screen& screen, i32 anchor, i32 row, i32 pitch, const std::string& text) {
    const TextAnchor& a = TextAt(anchor);
    Paint::DrawTextA(screen, a.X, a.Y + row * pitch, a.Axis, a.Step, static_cast<i32>(text.size()), DIR_FORWARD, a.Font,
                     TextSpan(text.c_str(), static_cast<i32>(text.size())), 0);
}

void Frame(Screen& screen, i32 focus) {
    const Placement p = FocusFrame(focus);
    Draw(screen, p.Picture, p.X, p.Y);
}

void Popup(Screen& screen, i32 popup) {
    const Placement p = PopupPlacement(popup);
    Draw(screen, p.Picture, p.X, p.Y);
}

void Footer(Screen& screen, bool moneyPatch) {
    Write(screen, TEXT_MONTH, MonthName(9));
    Write(screen, TEXT_YEAR, "1923");
    if (moneyPatch) Draw(screen, p_GAME_money_clean, kMoneyCleanAt.X, kMoneyCleanAt.Y);
    Write(screen, TEXT_MONEY, "2487300.");
}

void CaptionStrip(Screen& screen, i32 item) {
    Draw(screen, p_GAME_description_clean, kDescriptionCleanAt.X, kDescriptionCleanAt.Y);
    const PlacedWord w = Caption(item);
    Write(screen, TEXT_CAPTION, w.Text, w.X);
}

// The one screen canvas, started afresh with a background.
Screen& Begin(i32 background) {
    platform::FillCanvas(*gScreen, 0);
    Draw(*gScreen, background, 0, 0);
    return *gScreen;
}

void Save(const Screen& screen, const char* name) {
    platform::WriteCanvasPng(screen, (gOut + "/" + name + ".png").c_str());
}
void Save(const Canvas& c, const char* name) { art::WritePng(c, gOut + "/" + name + ".png"); }

void Menus() {
    Save(Begin(p_INTRO), "00_intro");
    Screen& menu = Begin(p_MENU);
    for (i32 s = 0; s < 4; ++s) {
        const Placement b = MenuButton(SCREEN_MENU, s);
        Draw(menu, b.Picture, b.X, b.Y);
    }
    Save(menu, "01_menu");
    Screen& inGame = Begin(p_MENU);
    for (i32 s = 0; s < 4; ++s) {
        const Placement b = MenuButton(SCREEN_MENU_GAME, s);
        Draw(inGame, b.Picture, b.X, b.Y);
    }
    Save(inGame, "05_menu_in_game");
    Screen& fresh = Begin(p_MENU_NEW);
    Frame(fresh, FOCUS_PLAYER_NAME);
    Write(fresh, TEXT_COMPANY_NAME, "hartley motors");
    Write(fresh, TEXT_HOME_REGION, HomeRegionWord(REGION_SOUTH_AMERICA).Text, HomeRegionWord(REGION_SOUTH_AMERICA).X);
    Save(fresh, "02_new_game");
    for (const bool save : {true, false}) {
        Screen& s = Begin(save ? p_MENU_SAVE : p_MENU_LOAD);
        Frame(s, FOCUS_SLOT_2);
        const char* rows[4] = {"05/11/07_00:09", "21/03/24_18:45", "00/00/00_00:00", "30/12/99_23:59"};
        for (i32 k = 0; k < 4; ++k) Write(s, TEXT_SLOT_ROW_1 + k, rows[k]);
        Save(s, save ? "03_save" : "04_load");
    }
    Save(Begin(p_GAME_OVER), "13_game_over");
}

void MainAndOffice() {
    Screen& main = Begin(p_GAME_MAIN);
    Footer(main, false);
    CaptionStrip(main, HOT_EXPAND_RESEARCH);
    CaptionStrip(main, HOT_ADVERTISING);
    Save(main, "06_main");

    Screen& office = Begin(p_GAME_OFFICE);
    Footer(office, true);
    CaptionStrip(office, HOT_STATISTICS);
    Save(office, "07_office");

    Screen& map = Begin(p_GAME_OFFICE);
    Popup(map, POPUP_MAP);
    Write(map, TEXT_MAP_REGION, MapRegionWord(REGION_NORTH_AMERICA).Text, MapRegionWord(REGION_NORTH_AMERICA).X);
    for (i32 r = 0; r < kRegionCount; ++r) {
        Write(map, TEXT_MAP_FACTORIES_1 + r, r == 2 ? "1" : "0");
        Write(map, TEXT_MAP_SALONS_1 + r, r == 2 ? "3" : r == 3 ? "9" : "0");
    }
    Write(map, TEXT_MAP_FACTORY_PRICE, "1500000");
    Write(map, TEXT_MAP_SALON_PRICE, "300000");
    Footer(map, true);
    Save(map, "07_office_map");

    Screen& bank = Begin(p_GAME_OFFICE);
    Popup(bank, POPUP_BANK);
    Frame(bank, FOCUS_BANK_DEPOSIT);
    Write(bank, TEXT_BANK_DEPOSIT_AMOUNT, "25000");
    Write(bank, TEXT_BANK_DEPOSIT, "1000000000");
    Write(bank, TEXT_BANK_LOAN_RATE, "16");
    Write(bank, TEXT_BANK_LOAN_TERM, "48");
    Write(bank, TEXT_BANK_LOAN_AMOUNT, "100000");
    Write(bank, TEXT_BANK_LOAN_LEFT, "116000");
    Write(bank, TEXT_BANK_INSTALLMENT, "2416");
    Write(bank, TEXT_BANK_MONTHS_LEFT, "48");
    Footer(bank, true);
    Save(bank, "07_office_bank");

    Screen& staff = Begin(p_GAME_OFFICE);
    Popup(staff, POPUP_PERSONNEL);
    Frame(staff, FOCUS_TECHNICIANS_FIRE);
    Frame(staff, FOCUS_SCIENTISTS_WAGE);
    const char* hire[3] = {"12", "5", "90"};
    const char* fire[3] = {"0", "1200", "44"};
    for (i32 k = 0; k < 3; ++k) {
        Write(staff, TEXT_STAFF_HIRE_1 + k, hire[k]);
        Write(staff, TEXT_STAFF_FIRE_1 + k, fire[k]);
        Write(staff, TEXT_STAFF_COUNT_1 + k, "9999");
        Write(staff, TEXT_STAFF_WAGE_1 + k, "105");
        Write(staff, TEXT_STAFF_WAGE_BILL_1 + k, "104989");
    }
    Write(staff, TEXT_STAFF_TOTAL_WAGES, "3149685");
    Write(staff, TEXT_STAFF_TOTAL_COUNT, "29997");
    Footer(staff, true);
    Save(staff, "07_office_personnel");

    Screen& stats = Begin(p_GAME_OFFICE);
    Popup(stats, POPUP_STATISTICS);
    Footer(stats, true);
    Save(stats, "07_office_statistics");
}

void Reports() {
    const char* names[3] = {"hartley motors", "ferrand cars", "oskar autos"};
    Screen& month = Begin(p_GAME_OFFICE);
    Popup(month, POPUP_MONTH_REPORT);
    const char* values[13] = {"12500", "880400", "-120", "45000", "2416", "940436",
                              "1200000", "0", "3400", "99999", "1234567890", "5", "1304770"};
    for (i32 i = 0; i < 13; ++i) Write(month, TEXT_REPORT_WAGES + i, values[i]);
    Footer(month, true);
    Save(month, "07_report_month");

    Screen& profit = Begin(p_GAME_OFFICE);
    Popup(profit, POPUP_PROFIT_REPORT);
    for (i32 i = 1; i <= 4; ++i) Draw(profit, p_GAME_player_loading, kProfitBarX[0], ReportBarY(i));
    for (i32 i = 1; i <= 10; ++i) Draw(profit, p_GAME_ai1_loading, kProfitBarX[1], ReportBarY(i));
    for (i32 i = 1; i <= 7; ++i) Draw(profit, p_GAME_ai2_loading, kProfitBarX[2], ReportBarY(i));
    Write(profit, TEXT_PROFIT_UNIT, ProfitUnitLabel(100000));
    for (i32 k = 0; k < 3; ++k) Write(profit, TEXT_REPORT_COMPANY_1 + k, names[k]);
    Footer(profit, true);
    Save(profit, "07_report_profit");

    Screen& model = Begin(p_GAME_OFFICE);
    Popup(model, POPUP_MODEL_REPORT);
    for (i32 k = 0; k < kModelSlots; ++k) {
        if (k == 2) continue;
        Write(model, TEXT_MODEL_REPORT_NAME_1 + k, k % 2 ? "roadster" : "family wagon");
        Write(model, TEXT_MODEL_REPORT_PRODUCED_1 + k, "1200");
        Write(model, TEXT_MODEL_REPORT_SOLD_1 + k, "980");
        Write(model, TEXT_MODEL_REPORT_STOCK_1 + k, "220");
    }
    Footer(model, true);
    Save(model, "07_report_model");

    Screen& research = Begin(p_GAME_OFFICE);
    Popup(research, POPUP_RESEARCH_REPORT);
    const i32 levels[6][3] = {{3, 4, 2}, {5, 11, 1}, {2, 2, 2}, {1, 3, 6}, {0, 1, 2}, {10, 9, 8}};
    const i32 bars[3] = {p_GAME_player_loading, p_GAME_ai1_loading, p_GAME_ai2_loading};
    for (i32 g = 0; g < 6; ++g)
        for (i32 k = 0; k < 3; ++k)
            for (i32 i = 1; i <= levels[g][k]; ++i) Draw(research, bars[k], kResearchBarX[g][k], ReportBarY(i));
    for (i32 k = 0; k < 3; ++k) Write(research, TEXT_REPORT_COMPANY_1 + k, names[k]);
    Footer(research, true);
    Save(research, "07_report_research");

    Screen& end = Begin(p_GAME_NEXT_MONTH);
    Footer(end, false);
    for (i32 i = 0; i < 13; ++i) Write(end, TEXT_REPORT_WAGES + i, values[i]);
    Save(end, "12_month_end");
}

void AdvertisingAndResearch() {
    for (const bool billboard : {false, true}) {
        Screen& ads = Begin(billboard ? p_GAME_ADVERTISING2 : p_GAME_ADVERTISING);
        Footer(ads, true);
        CaptionStrip(ads, HOT_TELEVISION);
        Save(ads, billboard ? "08_advertising_billboard" : "08_advertising");
    }
    Screen& medium = Begin(p_GAME_ADVERTISING);
    Popup(medium, POPUP_TELEVISION);
    Frame(medium, FOCUS_ADVERT_ROW_2);
    for (i32 r = 0; r < kAdBlocks; ++r) {
        Write(medium, TEXT_ADVERT_MONTHS_1 + r, r == 1 ? "48" : "0");
        Write(medium, TEXT_ADVERT_AMOUNT_1 + r, r == 1 ? "999999" : r == 3 ? "2500" : "0");
    }
    Footer(medium, true);
    Save(medium, "08_advertising_popup");

    Screen& lab = Begin(p_GAME_RESEARCH);
    Footer(lab, true);
    CaptionStrip(lab, HOT_SUSPENSION);
    Save(lab, "09_research");

    Screen& area = Begin(p_GAME_RESEARCH);
    Popup(area, POPUP_RESEARCH_ENGINE);
    Frame(area, FOCUS_RESEARCH_SCIENTISTS);
    for (i32 i = 0; i <= 57; ++i) {
        const Point at = ResearchBarSegmentAt(POPUP_RESEARCH_ENGINE, i);
        Draw(area, p_GAME_research_loading, at.X, at.Y);
    }
    Write(area, TEXT_AREA_SCIENTISTS, "140");
    for (i32 n = 0; n < 6; ++n) Write(area, TEXT_AREA_PART_1 + n, PartName(PART_ENGINE, n + 1));
    Footer(area, true);
    Save(area, "09_research_area");

    Screen& bodies = Begin(p_GAME_RESEARCH);
    Popup(bodies, POPUP_BODY_TYPES);
    Draw(bodies, BodyTypePicture(BODY_SPORT, false), kBodyTypePictureAt.X, kBodyTypePictureAt.Y);
    Write(bodies, TEXT_BODY_TYPE_PRICE, "502500");
    Footer(bodies, true);
    Save(bodies, "09_research_body_types");

    Screen& expand = Begin(p_GAME_RESEARCH);
    Popup(expand, POPUP_EXPAND_RESEARCH);
    Write(expand, TEXT_LAB_CAPACITY, "300");
    Write(expand, TEXT_LAB_OFFER, "400");
    Footer(expand, true);
    Save(expand, "09_research_expand");
    Screen& full = Begin(p_GAME_RESEARCH);
    Popup(full, POPUP_EXPAND_RESEARCH);
    Write(full, TEXT_LAB_CAPACITY, "900");
    Draw(full, p_GAME_research_expand_clean, kExpandCleanAt.X, kExpandCleanAt.Y);
    Footer(full, true);
    Save(full, "09_research_expand_full");
}

void DesignScreen(Screen& d) {
    Footer(d, false);
    Draw(d, p_GAME_design_clean_carnr, kCarNumberCleanAt.X, kCarNumberCleanAt.Y);
    Write(d, TEXT_DESIGN_SLOT, "10");
    Write(d, TEXT_DESIGN_RATING, "42");
    Write(d, TEXT_DESIGN_COST, "123456");
    Write(d, TEXT_DESIGN_ENGINE, PartName(PART_ENGINE, 4));
    Write(d, TEXT_DESIGN_BRAKES, PartName(PART_BRAKES, 10));
    Write(d, TEXT_DESIGN_SUSPENSION, "hydraulic shock absorbers");
    const PlacedWord body = BodyTypeName(BODY_PICK_UP_TRUCK);
    Write(d, TEXT_DESIGN_BODY, body.Text, body.X);
    Draw(d, CarPiecePicture(BODY_PICK_UP_TRUCK, ERA_1968, CAR_FRONT, 2), kCarPieceAt[0].X, kCarPieceAt[0].Y);
    Draw(d, CarPiecePicture(BODY_PICK_UP_TRUCK, ERA_1968, CAR_MIDDLE, 1), kCarPieceAt[1].X, kCarPieceAt[1].Y);
    Draw(d, CarPiecePicture(BODY_PICK_UP_TRUCK, ERA_1968, CAR_REAR, 3), kCarPieceAt[2].X, kCarPieceAt[2].Y);
}

// The luxury and safety lists are drawn one under the other.
void ItemLists(Screen& d) {
    for (i32 j = 0; j < 4; ++j) WriteRow(d, TEXT_DESIGN_LUXURY, j, kDesignItemPitch, PartName(PART_LUXURY, j + 1));
    for (i32 j = 0; j < 3; ++j) WriteRow(d, TEXT_DESIGN_SAFETY, j, kDesignItemPitch, PartName(PART_SAFETY, j + 1));
}

void Design() {
    Screen& d = Begin(p_GAME_DESIGN);
    Frame(d, FOCUS_MODEL_NAME);
    DesignScreen(d);
    ItemLists(d);
    Write(d, TEXT_MODEL_NAME, "roadster_deluxe");
    Save(d, "10_design");

    Screen& add = Begin(p_GAME_DESIGN);
    DesignScreen(add);
    Popup(add, POPUP_ADD_PARTS);
    Write(add, TEXT_MODEL_NAME, "roadster");
    Save(add, "10_design_add_parts");

    for (const i32 list : {POPUP_BRAKES_PARTS, POPUP_ENGINE_PARTS, POPUP_LUXURY_PARTS}) {
        Screen& l = Begin(p_GAME_DESIGN);
        DesignScreen(l);
        Popup(l, list);
        Frame(l, FOCUS_PART_ROW_3);
        const i32 category = PartListCategory(list);
        const i32 level = list == POPUP_BRAKES_PARTS ? 10 : list == POPUP_ENGINE_PARTS ? 6 : 4;
        for (i32 n = 1; n <= level; ++n) {
            const Point at = PartIconAt(n);
            Draw(l, PartIconPicture(category, n), at.X, at.Y);
        }
        for (i32 n = 0; n < level; ++n)
            Write(l, TEXT_PART_NAME_1 + n, PartName(category, n + 1));
        if (list == POPUP_BRAKES_PARTS) Write(l, TEXT_VARIANT, BrakesVariantWord(2).Text, BrakesVariantWord(2).X);
        if (list == POPUP_ENGINE_PARTS) Write(l, TEXT_VARIANT, "*", EngineMarkerX(4));
        Write(l, TEXT_MODEL_NAME, "roadster");
        Save(l, list == POPUP_BRAKES_PARTS ? "10_design_brakes" : list == POPUP_ENGINE_PARTS ? "10_design_engine" : "10_design_luxury");
    }
}

void Factory() {
    Screen& f = Begin(p_GAME_FACTORY);
    Footer(f, false);
    Write(f, TEXT_FACTORY_TITLE, FactoryRegionWord(REGION_SOUTH_AMERICA).Text, FactoryRegionWord(REGION_SOUTH_AMERICA).X);
    const char* models[5] = {"roadster", "", "family wagon", "", "city"};
    for (i32 k = 0; k < kProductionLines; ++k) {
        if (models[k][0] == '\0') continue;
        Write(f, TEXT_LINE_MODEL_1 + k, std::string(models[k]) + std::string(15 - std::strlen(models[k]), ' '));
        Write(f, TEXT_LINE_DESTINATION_1 + 2 * k, FactoryRegionWord(REGION_NORTH_AMERICA).Text);
        Write(f, TEXT_LINE_DESTINATION_1 + 2 * k + 1, FactoryRegionWord(REGION_AFRICA).Text);
        Draw(f, p_GAME_factory_remove_model, kRemoveModelX, kPriceFieldAt[k].Y);
    }
    Frame(f, FOCUS_PRICE_ROW_2);
    for (i32 k = 0; k < kProductionLines; ++k)
        if (k != 1) Draw(f, p_GAME_factory_price_clean, kPriceFieldAt[k].X, kPriceFieldAt[k].Y);
    for (const Point at : kWorkersFieldAt) Draw(f, p_GAME_factory_workers_clean, at.X, at.Y);
    Write(f, TEXT_FREE_TECHNICIANS, "1250");
    Write(f, TEXT_FREE_SALESMEN, "-30");
    Write(f, TEXT_TYPED_TECHNICIANS, "220");
    Write(f, TEXT_TYPED_SALESMEN, "90");
    Write(f, TEXT_REGION_TECHNICIANS, "220");
    Write(f, TEXT_REGION_SALESMEN, "9999");
    Write(f, TEXT_LINE_PRICE_1, "9999");
    Write(f, TEXT_LINE_PRICE_1 + 2, "850");
    Write(f, TEXT_LINE_PRICE_1 + 4, "0");
    Save(f, "11_factory");

    Screen& browse = Begin(p_GAME_FACTORY);
    Footer(browse, false);
    Popup(browse, POPUP_BROWSE_MODELS);
    Frame(browse, FOCUS_BROWSE_MODEL_2);
    const char* names[10] = {"roadster", "family wagon", "", "city", "", "", "workhorse", "", "", "thunder_bolt"};
    for (i32 n = 0; n < kModelSlots; ++n) Write(browse, TEXT_BROWSE_NAME_1 + n, names[n]);
    Write(browse, TEXT_FREE_TECHNICIANS, "1250");
    Save(browse, "11_factory_browse");
}

void Place(Canvas& sheet, i32 picture, i32 x, i32 y) {
    if (picture >= 0 && picture < kPictureCount) sheet.Paste(gPictures[static_cast<std::size_t>(picture)], x, y);
}

// Sheets of the small pictures: glyphs magnified, cars, icons, body types.
void Sheets() {
    Canvas glyphs(4 * 11 * 40, 4 * 5 * 20, {255, 255, 255});
    i32 row = 0;
    for (const FontId font : kFonts) {
        i32 col = 0;
        for (const char c : std::string("abcdefghijklmnopqrstuvwxyz0123456789:/*")) {
            const i32 id = GlyphPicture(font, c);
            if (id == kNoPicture) continue;
            const Canvas& g = gPictures[static_cast<std::size_t>(id)];
            for (i32 y = 0; y < g.Height() * 4; ++y)
                for (i32 x = 0; x < g.Width() * 4; ++x) glyphs.Set(col + x, row * 80 + y, g.At(x / 4, y / 4));
            col += g.Width() * 4 + 4;
        }
        ++row;
    }
    Save(glyphs, "20_glyphs");

    Canvas cars(6 * 260, 9 * 150, {255, 255, 255});
    for (i32 body = 1; body <= kBodyTypeCount; ++body)
        for (i32 era = FirstPictureEra(body); era <= kEraCount; ++era)
            for (i32 piece = 0; piece < 3; ++piece) {
                const i32 v = 1 + (era + piece + body) % 3;
                const Point at = kCarPieceAt[piece];
                Place(cars, CarPiecePicture(body, era, piece, v), (era - 1) * 260 + at.X - 271, (body - 1) * 150 + 2);
            }
    Save(cars, "21_cars");

    Canvas variants(3 * 260, 9 * 150, {255, 255, 255});
    for (i32 body = 1; body <= kBodyTypeCount; ++body)
        for (i32 v = 1; v <= 3; ++v)
            for (i32 piece = 0; piece < 3; ++piece)
                Place(variants, CarPiecePicture(body, kEraCount, piece, v), (v - 1) * 260 + kCarPieceAt[piece].X - 271, (body - 1) * 150 + 2);
    Save(variants, "21_car_variants_1983");

    Canvas icons(10 * 52, 5 * 45, {255, 255, 255});
    i32 r = 0;
    for (const i32 category : {PART_BRAKES, PART_SUSPENSION, PART_ENGINE, PART_LUXURY, PART_SAFETY}) {
        for (i32 n = 1; n <= 10; ++n) Place(icons, PartIconPicture(category, n), (n - 1) * 52, r * 45);
        ++r;
    }
    Save(icons, "22_part_icons");

    Canvas types(6 * 154, 3 * 105, {255, 255, 255});
    for (i32 t = 1; t <= kBodyTypeCount; ++t) {
        Place(types, BodyTypePicture(t, false), ((t - 1) % 3) * 2 * 154, ((t - 1) / 3) * 105);
        Place(types, BodyTypePicture(t, true), ((t - 1) % 3) * 2 * 154 + 154, ((t - 1) / 3) * 105);
    }
    Save(types, "23_body_types");

    // The icon and the two pointers, magnified, on light and dark ground.
    Canvas pointers(3 * 140, 280, {236, 230, 214});
    pointers.Fill({0, 140, 3 * 140 - 1, 279}, {40, 44, 52});
    const std::vector<art::Sprite> sprites{art::DrawIcon()[0], art::DrawArrowPointer(), art::DrawHandPointer()};
    for (std::size_t i = 0; i < sprites.size(); ++i)
        for (i32 band = 0; band < 2; ++band)
            for (i32 y = 0; y < 128; ++y)
                for (i32 x = 0; x < 128; ++x) {
                    const double a = sprites[i].Alpha.At(x / 4, y / 4).R / 255.0;
                    pointers.Blend(static_cast<i32>(i) * 140 + 6 + x, band * 140 + 6 + y, sprites[i].Colour.At(x / 4, y / 4), a);
                }
    Save(pointers, "24_icon_and_pointers");
}

// Every choice of pieces of one body type and era, each composed over the
// design screen around the car box as the design painter places them.
void CarChoices() {
    const Canvas& studio = gPictures[p_GAME_DESIGN];
    const art::Box around{kCarPieceAt[0].X - 8, kCarPieceAt[0].Y - 6, 531, kCarPieceAt[0].Y + 151};
    const i32 cellW = around.Width() + 6;
    const i32 cellH = around.Height() + 6;
    const char* folders[kBodyTypeCount] = {"wagon", "truck", "sport", "luxury", "sedan", "van", "pickup", "compact", "race"};
    for (i32 body = 1; body <= kBodyTypeCount; ++body)
        for (i32 era = FirstPictureEra(body); era <= kEraCount; ++era) {
            Canvas sheet(3 * cellW, 9 * cellH, {255, 255, 255});
            for (i32 f = 1; f <= 3; ++f)
                for (i32 m = 1; m <= 3; ++m)
                    for (i32 r = 1; r <= 3; ++r) {
                        Canvas cell = studio.Cut(around);
                        const i32 v[3] = {f, m, r};
                        for (i32 piece = 0; piece < kCarPieces; ++piece)
                            cell.Paste(gPictures[static_cast<std::size_t>(CarPiecePicture(body, era, piece, v[piece]))],
                                       kCarPieceAt[piece].X - around.Left, kCarPieceAt[piece].Y - around.Top);
                        sheet.Paste(cell, (r - 1) * cellW, ((f - 1) * 3 + m - 1) * cellH);
                    }
            const std::string name = std::string("cars_") + folders[body - 1] + "_" + std::to_string(EraYear(era));
            Save(sheet, name.c_str());
        }
}

}  // namespace

int main(int argc, char** argv) {
    const bool cars = argc == 4 && std::strcmp(argv[3], "cars") == 0;
    if (argc != 3 && !cars) {
        std::fprintf(stderr, "usage: %s <build folder> <output folder> [cars]\n", argv[0]);
        return 2;
    }
    FreeImage_Initialise(FALSE);
    gOut = std::filesystem::absolute(argv[2]).string();
    std::filesystem::create_directories(gOut);
    // The game loads its pictures from paths below the working directory.
    std::filesystem::current_path(argv[1]);
    Paint::LoadPhoto();
    gScreen = std::make_unique<Screen>();
    for (i32 id = 0; id < kPictureCount; ++id) {
        gPictures.push_back(art::ReadPicture(PicturePath(id)));
        if (gPictures.back().Width() == 0) std::fprintf(stderr, "missing %s\n", PicturePath(id));
    }
    if (cars) {
        CarChoices();
        Paint::DeletePhoto();
        FreeImage_DeInitialise();
        return 0;
    }
    Menus();
    MainAndOffice();
    Reports();
    AdvertisingAndResearch();
    Design();
    Factory();
    Sheets();
    Paint::DeletePhoto();
    FreeImage_DeInitialise();
    return 0;
}
