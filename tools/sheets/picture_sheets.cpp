#include "sheets/picture_sheets.h"

#include <string>
#include <vector>

#include "art/pointers.h"
#include "presentation/fonts.h"
#include "presentation/interface_state.h"
#include "presentation/picture_catalogue.h"

namespace sheets {

namespace {

// A picture blown up `scale` times, each pixel a square.
void PasteMagnified(art::Canvas& sheet, const art::Canvas& picture, int x, int y, int scale) {
    for (int py = 0; py < picture.Height() * scale; ++py)
        for (int px = 0; px < picture.Width() * scale; ++px) sheet.Set(x + px, y + py, picture.At(px / scale, py / scale));
}

// A row per font, every glyph four times its size, in cells that take the
// widest and the tallest glyph.
art::Canvas Glyphs() {
    constexpr int kScale = 4;
    constexpr int kCellWidth = 11, kCellHeight = 20;
    const std::string characters = "abcdefghijklmnopqrstuvwxyz0123456789:/*-";
    const int cells = static_cast<int>(characters.size());
    // Each glyph is followed by one magnified pixel of white.
    art::Canvas sheet(kScale * (kCellWidth + 1) * cells, kScale * kCellHeight * kFontCount, kWhite);
    int row = 0;
    for (const FontId font : kFonts) {
        int x = 0;
        for (const char c : characters) {
            const i32 id = GlyphPicture(font, c);
            if (id == kNoPicture) continue;
            const art::Canvas glyph = CataloguePicture(id);
            PasteMagnified(sheet, glyph, x, row * kScale * kCellHeight, kScale);
            x += glyph.Width() * kScale + kScale;
        }
        ++row;
    }
    return sheet;
}

// A row per part list's category, its parts in order.
art::Canvas PartIcons() {
    constexpr int kCellWidth = 52, kCellHeight = 45;
    art::Canvas sheet(kPartsPerCategory * kCellWidth, kPartListCount * kCellHeight, kWhite);
    for (i32 row = 0; row < kPartListCount; ++row) {
        const i32 category = PartListCategory(POPUP_BRAKES_PARTS + row);
        for (i32 n = 1; n <= kPartsPerCategory; ++n)
            sheet.Paste(CataloguePicture(PartIconPicture(category, n)), (n - 1) * kCellWidth, row * kCellHeight);
    }
    return sheet;
}

// Each body type as offered, then as owned, three body types a row.
art::Canvas BodyTypes() {
    constexpr int kCellWidth = 154, kCellHeight = 105, kColumns = 3;
    art::Canvas sheet(kColumns * 2 * kCellWidth, kBodyTypeCount / kColumns * kCellHeight, kWhite);
    for (i32 t = 1; t <= kBodyTypeCount; ++t) {
        const int x = ((t - 1) % kColumns) * 2 * kCellWidth;
        const int y = ((t - 1) / kColumns) * kCellHeight;
        sheet.Paste(CataloguePicture(BodyTypePicture(t, false)), x, y);
        sheet.Paste(CataloguePicture(BodyTypePicture(t, true)), x + kCellWidth, y);
    }
    return sheet;
}

// The icon and the two pointers, 32 pixels square, magnified four times on
// light and dark ground.
art::Canvas IconAndPointers() {
    constexpr int kScale = 4, kSide = 32 * kScale, kCell = 140, kMargin = 6;
    const std::vector<art::Sprite> sprites{art::DrawIcon()[0], art::DrawArrowPointer(), art::DrawHandPointer()};
    const int width = static_cast<int>(sprites.size()) * kCell;
    art::Canvas sheet(width, 2 * kCell, {236, 230, 214});
    sheet.Fill({0, kCell, width - 1, 2 * kCell - 1}, {40, 44, 52});
    for (std::size_t i = 0; i < sprites.size(); ++i)
        for (int band = 0; band < 2; ++band)
            for (int y = 0; y < kSide; ++y)
                for (int x = 0; x < kSide; ++x) {
                    const double a = sprites[i].Alpha.At(x / kScale, y / kScale).R / 255.0;
                    sheet.Blend(static_cast<int>(i) * kCell + kMargin + x, band * kCell + kMargin + y,
                                sprites[i].Colour.At(x / kScale, y / kScale), a);
                }
    return sheet;
}

}  // namespace

bool WritePictureSheets(const Output& out) {
    bool ok = out.Write(Glyphs(), "20_glyphs");
    ok = out.Write(PartIcons(), "22_part_icons") && ok;
    ok = out.Write(BodyTypes(), "23_body_types") && ok;
    return out.Write(IconAndPointers(), "24_icon_and_pointers") && ok;
}

}  // namespace sheets
