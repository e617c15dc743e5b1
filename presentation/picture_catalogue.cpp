#include "presentation/picture_catalogue.h"

#include <array>
#include <string_view>

#include "presentation/fonts.h"
#include "presentation/interface_state.h"

namespace {

constexpr i32 kTextSize = 64;

struct Text {
    char Chars[kTextSize] = {};
    i32 Length = 0;

    constexpr Text& operator<<(const char* s) {
        while (*s != '\0' && Length < kTextSize - 1) Chars[Length++] = *s++;
        return *this;
    }
    constexpr Text& operator<<(i32 value) {
        char digits[12] = {};
        i32 count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0 && count < 11);
        while (count > 0 && Length < kTextSize - 1) Chars[Length++] = digits[--count];
        return *this;
    }
};

struct Entry {
    Text Path;
    Text Name;
};

struct Catalogue {
    std::array<Entry, kPictureCount> Entries{};
    i32 Count = 0;

    // The next picture, its path started in `folder`; the caller completes
    // the path and gives the name.
    constexpr Entry& Add(const char* folder) {
        Entry& e = Entries[static_cast<std::size_t>(Count++)];
        e.Path << "Data/Img/" << folder;
        return e;
    }
    // A picture of `folder` named `handle` whose file is `file` + ".jpg".
    constexpr void Named(const char* folder, const char* handle, const char* file) {
        Entry& e = Add(folder);
        e.Path << file << ".jpg";
        e.Name << handle;
    }
};

struct NamedPicture {
    const char* Handle;
    const char* File;
};

constexpr NamedPicture kScreens[] = {
    {"p_INTRO", "game_intro"},
    {"p_MENU", "game_menu"},
    {"p_MENU_NEW", "game_new"},
    {"p_MENU_LOAD", "game_load"},
    {"p_MENU_SAVE", "game_save"},
    {"p_GAME_MAIN", "game_main"},
    {"p_GAME_OFFICE", "game_office"},
    {"p_GAME_ADVERTISING", "game_advertising1"},
    {"p_GAME_ADVERTISING2", "game_advertising2"},
    {"p_GAME_RESEARCH", "game_research"},
    {"p_GAME_DESIGN", "game_design"},
    {"p_GAME_FACTORY", "game_factory"},
    {"p_GAME_NEXT_MONTH", "game_next_month"},
    {"p_GAME_OVER", "game_over"},
};

constexpr NamedPicture kPopups[] = {
    {"p_PopUp_AutoShow", "advert_autoshow"},
    {"p_PopUp_Radio", "advert_radio"},
    {"p_PopUp_Television", "advert_tv"},
    {"p_PopUp_Newspaper", "advert_newspaper"},
    {"p_PopUp_Billboard", "advert_bill"},
    {"p_PopUp_Brakes", "research_brakes"},
    {"p_PopUp_Suspension", "research_suspension"},
    {"p_PopUp_Engine", "research_engine"},
    {"p_PopUp_Body", "research_body"},
    {"p_PopUp_Luxury", "research_luxury"},
    {"p_PopUp_Safety", "research_safety"},
    {"p_PopUp_Body_types", "research_body_types"},
    {"p_PopUp_Expand_research", "research_expand_research"},
    {"p_PopUp_Map", "office_map"},
    {"p_PopUp_Bank", "office_bank"},
    {"p_PopUp_Personnel", "office_personnel"},
    {"p_PopUp_Design_add_parts", "design_add_parts"},
    {"p_PopUp_Design_brakes_parts", "design_brakes_parts"},
    {"p_PopUp_Design_suspension_parts", "design_suspension_parts"},
    {"p_PopUp_Design_engine_parts", "design_engine_parts"},
    {"p_PopUp_Design_luxury_parts", "design_luxury_parts"},
    {"p_PopUp_Design_safety_parts", "design_safety_parts"},
    {"p_PopUp_Factory_browse_models", "factory_browse_models"},
    {"p_PopUp_Office_statistics", "office_statistics"},
    {"p_PopUp_Office_statistics_month_report", "office_month_report"},
    {"p_PopUp_Office_statistics_model_report", "office_model_report"},
    {"p_PopUp_Office_statistics_profit_report", "office_profit_report"},
    {"p_PopUp_Office_statistics_research_report", "office_research_report"},
};

// Overlays up to the part icons, then those after the body-type pictures.
constexpr NamedPicture kOverlaysBefore[] = {
    {"p_MENU_button_new", "game_button_new"},
    {"p_MENU_button_save_off", "game_button_save_off"},
    {"p_MENU_button_save_on", "game_button_save_on"},
    {"p_MENU_button_load", "game_button_load"},
    {"p_MENU_button_quit", "game_button_quit"},
    {"p_MENU_button_continue", "game_button_continue"},
    {"p_MENU_button_mainmenu", "game_button_mainmenu"},
    {"p_MENU_chosen_slot", "chosen_slot"},
    {"p_GAME_description_clean", "game_description_clean"},
    {"p_GAME_office_personnel_chosen", "office_personnel_chosen"},
    {"p_GAME_office_personnel_chosen2", "office_personnel_chosen2"},
    {"p_GAME_office_bank_chosen", "office_bank_chosen"},
    {"p_GAME_research_chosen", "research_chosen"},
    {"p_GAME_advert_chosen", "advert_chosen"},
    {"p_GAME_factory_price_chosen", "factory_price_chosen"},
    {"p_GAME_factory_workers_chosen", "factory_workers_chosen"},
    {"p_GAME_design_chosen", "design_chosen"},
    {"p_GAME_design_chosen_part", "design_chosen_part"},
    {"p_GAME_factory_price_clean", "factory_price_clean"},
    {"p_GAME_factory_workers_clean", "factory_workers_clean"},
    {"p_GAME_money_clean", "game_money_clean"},
    {"p_GAME_research_loading", "research_loading"},
    {"p_GAME_design_clean_carnr", "design_clean_carnr"},
};

constexpr NamedPicture kOverlaysAfter[] = {
    {"p_GAME_research_expand_clean", "research_expand_clean"},
    {"p_GAME_factory_chosen_model", "factory_chosen_model"},
    {"p_GAME_factory_remove_model", "factory_remove_model"},
    {"p_GAME_player_loading", "player_loading"},
    {"p_GAME_ai1_loading", "ai1_loading"},
    {"p_GAME_ai2_loading", "ai2_loading"},
    {"p_GAME_player_name_chosen", "player_name_chosen"},
};

// Part icon categories in load order, with the PartCategory each stands for.
struct IconCategory {
    const char* Word;
    i32 Category;
};
constexpr IconCategory kIconCategories[] = {
    {"brakes", PART_BRAKES}, {"suspension", PART_SUSPENSION}, {"engine", PART_ENGINE},
    {"luxury", PART_LUXURY}, {"safety", PART_SAFETY},
};
constexpr i32 kIconCategoryCount = 5;

struct BodyPictures {
    const char* Tag;
    const char* Folder;
    i32 FirstEra;
};
constexpr BodyPictures kBodies[kBodyTypeCount] = {
    {"fw", "FamilyWagon", ERA_1908}, {"tk", "Truck", ERA_1908},
    {"sp", "Sport", ERA_1923},       {"lx", "Luxury", ERA_1923},
    {"fs", "FamilySedan", ERA_1938}, {"vn", "Van", ERA_1938},
    {"pk", "PickUpTruck", ERA_1953}, {"cp", "Compact", ERA_1953},
    {"rc", "RaceCar", ERA_1968},
};
constexpr const char* kPieceWords[kCarPieces] = {"front", "middle", "rear"};

// Every font has the letters, its marks and the digits, in that order. The
// minus sign is a mark of every font, so a negative figure shows its sign.
struct GlyphFont {
    FontId Font;
    const char* Set;      // handle part
    const char* Prefix;   // file part
    const char* Marks;    // glyphs between the letters and the digits
};
constexpr GlyphFont kGlyphFonts[kFontCount] = {
    {FONT_DCHAR, "dChar", "dc", ":/*-"}, {FONT_DSCHAR, "dsChar", "dcs", "-"},
    {FONT_LCHAR, "lChar", "lc", "-"},    {FONT_ECHAR, "eChar", "ec", "-"},
    {FONT_ESCHAR, "esChar", "ecs", "-"},
};
struct MarkWord {
    char Character;
    const char* Word;   // names the mark's picture
};
constexpr MarkWord kMarkWords[] = {{':', "kols"}, {'/', "slash"}, {'*', "circle"}, {'-', "minus"}};

constexpr i32 kLetterGlyphs = 26;
constexpr i32 kDigitGlyphs = 10;

constexpr i32 MarkCount(const GlyphFont& font) { return static_cast<i32>(std::string_view(font.Marks).size()); }

constexpr const char* MarkWordOf(char mark) {
    for (const MarkWord& m : kMarkWords)
        if (m.Character == mark) return m.Word;
    return "";
}

// Offset of a body type's first picture within the car family.
constexpr i32 CarOffset(i32 bodyType) {
    i32 offset = 0;
    for (i32 b = 1; b < bodyType; ++b)
        offset += (kEraCount - kBodies[b - 1].FirstEra + 1) * kCarPieces * kPieceVariants;
    return offset;
}
static_assert(CarOffset(kBodyTypeCount + 1) == kCarPiecePictures);

// Offset of a font's first glyph within the glyph family.
constexpr i32 GlyphOffset(i32 fontIndex) {
    i32 offset = 0;
    for (i32 f = 0; f < fontIndex; ++f) offset += kLetterGlyphs + MarkCount(kGlyphFonts[f]) + kDigitGlyphs;
    return offset;
}
static_assert(GlyphOffset(kFontCount) == kGlyphPictures);

constexpr Catalogue BuildCatalogue() {
    Catalogue c;
    for (const NamedPicture& p : kScreens) c.Named("Game/", p.Handle, p.File);
    for (const NamedPicture& p : kPopups) c.Named("Game/PopUp/", p.Handle, p.File);
    for (const NamedPicture& p : kOverlaysBefore) c.Named("Buttons/", p.Handle, p.File);
    for (const IconCategory& ic : kIconCategories) {
        for (i32 k = 1; k <= kPartsPerCategory; ++k) {
            Entry& e = c.Add("Buttons/");
            e.Path << "design_part_" << ic.Word << k << ".jpg";
            e.Name << "p_GAME_design_part_" << ic.Word << k;
        }
    }
    for (const char* owned : {"l", "d"}) {
        for (i32 t = 1; t <= kBodyTypeCount; ++t) {
            Entry& e = c.Add("Buttons/");
            e.Path << "research_body_type" << t << owned << ".jpg";
            e.Name << "p_GAME_research_body_type" << t << owned;
        }
    }
    for (const NamedPicture& p : kOverlaysAfter) c.Named("Buttons/", p.Handle, p.File);
    for (const BodyPictures& b : kBodies) {
        for (i32 era = b.FirstEra; era <= kEraCount; ++era) {
            for (const char* piece : kPieceWords) {
                for (i32 v = 1; v <= kPieceVariants; ++v) {
                    Entry& e = c.Add("Cars/");
                    e.Path << b.Folder << "/" << EraYear(era) << "_" << piece << v << ".jpg";
                    e.Name << "p_GAME_car_" << b.Tag << "_" << EraYear(era) << "_" << piece << v;
                }
            }
        }
    }
    for (const GlyphFont& f : kGlyphFonts) {
        const auto add = [&c, &f](const char* glyph) {
            Entry& e = c.Add("Chars/");
            e.Path << f.Prefix << "_" << glyph << ".jpg";
            e.Name << "p_" << f.Set << "_" << glyph;
        };
        for (char ch = 'a'; ch <= 'z'; ++ch) {
            const char letter[2] = {ch, '\0'};
            add(letter);
        }
        for (const char* mark = f.Marks; *mark != '\0'; ++mark) add(MarkWordOf(*mark));
        for (char ch = '0'; ch <= '9'; ++ch) {
            const char digit[2] = {ch, '\0'};
            add(digit);
        }
    }
    return c;
}

constexpr Catalogue kCatalogue = BuildCatalogue();
static_assert(kCatalogue.Count == kPictureCount);

}  // namespace

i32 FirstPictureEra(i32 bodyType) {
    return bodyType >= 1 && bodyType <= kBodyTypeCount ? kBodies[bodyType - 1].FirstEra : 0;
}

i32 CarPiecePicture(i32 bodyType, i32 era, i32 piece, i32 variant) {
    const i32 first = FirstPictureEra(bodyType);
    if (first == 0 || era < first || era > kEraCount) return kNoPicture;
    if (piece < 0 || piece >= kCarPieces || variant < 1 || variant > kPieceVariants) return kNoPicture;
    return kFirstCarPiecePicture + CarOffset(bodyType) +
           ((era - first) * kCarPieces + piece) * kPieceVariants + (variant - 1);
}

i32 GlyphPicture(char font, char character) {
    for (i32 f = 0; f < kFontCount; ++f) {
        const GlyphFont& gf = kGlyphFonts[f];
        if (gf.Font != font) continue;
        const i32 letters = kFirstGlyphPicture + GlyphOffset(f);
        const i32 marks = letters + kLetterGlyphs;
        const i32 digits = marks + MarkCount(gf);
        if (character >= 'a' && character <= 'z') return letters + (character - 'a');
        if (character >= '0' && character <= '9') return digits + (character - '0');
        const std::string_view markSet(gf.Marks);
        const std::size_t mark = markSet.find(character);
        return mark == std::string_view::npos ? kNoPicture : marks + static_cast<i32>(mark);
    }
    return kNoPicture;
}

char FontOfGlyph(i32 picture) {
    if (picture < kFirstGlyphPicture || picture >= kPictureCount) return '\0';
    for (i32 f = kFontCount - 1; f >= 0; --f)
        if (picture >= kFirstGlyphPicture + GlyphOffset(f)) return kGlyphFonts[f].Font;
    return '\0';
}

char CharOfGlyph(i32 picture) {
    const char font = FontOfGlyph(picture);
    if (font == '\0') return '\0';
    const i32 letters = GlyphPicture(font, 'a');
    const i32 digits = GlyphPicture(font, '0');
    if (picture >= digits) return static_cast<char>('0' + (picture - digits));
    if (picture < letters + kLetterGlyphs) return static_cast<char>('a' + (picture - letters));
    for (const GlyphFont& gf : kGlyphFonts)
        if (gf.Font == font) return gf.Marks[picture - letters - kLetterGlyphs];
    return '\0';
}

bool CarPieceOf(i32 picture, CarPieceKey& key) {
    if (picture < kFirstCarPiecePicture || picture >= kFirstGlyphPicture) return false;
    for (i32 body = kBodyTypeCount; body >= 1; --body) {
        const i32 first = kFirstCarPiecePicture + CarOffset(body);
        if (picture < first) continue;
        const i32 index = picture - first;
        key.BodyType = body;
        key.Era = kBodies[body - 1].FirstEra + index / (kCarPieces * kPieceVariants);
        key.Piece = (index / kPieceVariants) % kCarPieces;
        key.Variant = index % kPieceVariants + 1;
        return true;
    }
    return false;
}

namespace {

// The popups' pictures stand in the popups' order, but for the profit and
// model reports, which stand the other way round.
constexpr i32 InPopupOrder(i32 popup) { return p_PopUp_AutoShow + popup - POPUP_AUTO_SHOW; }
static_assert(InPopupOrder(POPUP_MONTH_REPORT) == p_PopUp_Office_statistics_month_report);
static_assert(InPopupOrder(POPUP_RESEARCH_REPORT) == p_PopUp_Office_statistics_research_report);

}  // namespace

i32 PopupPicture(i32 popup) {
    switch (popup) {
    case POPUP_PROFIT_REPORT: return p_PopUp_Office_statistics_profit_report;
    case POPUP_MODEL_REPORT: return p_PopUp_Office_statistics_model_report;
    default: return popup >= POPUP_AUTO_SHOW && popup <= POPUP_RESEARCH_REPORT ? InPopupOrder(popup) : kNoPicture;
    }
}

i32 BodyTypePicture(i32 bodyType, bool owned) {
    if (bodyType < 1 || bodyType > kBodyTypeCount) return kNoPicture;
    return (owned ? p_GAME_research_body_type1d : p_GAME_research_body_type1l) + bodyType - 1;
}

i32 PartIconPicture(i32 category, i32 part) {
    if (part < 1 || part > kPartsPerCategory) return kNoPicture;
    for (i32 i = 0; i < kIconCategoryCount; ++i)
        if (kIconCategories[i].Category == category)
            return p_GAME_design_part_brakes1 + i * kPartsPerCategory + part - 1;
    return kNoPicture;
}

const char* PicturePath(i32 picture) {
    if (picture < 0 || picture >= kPictureCount) return "";
    return kCatalogue.Entries[static_cast<std::size_t>(picture)].Path.Chars;
}

const char* PictureName(i32 picture) {
    if (picture < 0 || picture >= kPictureCount) return "";
    return kCatalogue.Entries[static_cast<std::size_t>(picture)].Name.Chars;
}
