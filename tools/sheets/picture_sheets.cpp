#include "sheets/picture_sheets.h"

#include <string>
#include <vector>

#include "art/pointers.h"
#include "presentation/fonts.h"
#include "presentation/picture_catalogue.h"

namespace sheets {

namespace {

constexpr art::Rgb kWhite{255, 255, 255};

// A picture blown up `scale` times, each pixel a square.
void PasteMagnified(art::Canvas& sheet, const art::Canvas& picture, int x, int y, int scale) {
    for (int py = 0; py < picture.Height() * scale; ++py)
        for (int px = 0; px < picture.Width() * scale; ++px) sheet.Set(x + px, y + py, picture.At(px / scale, py / scale));
}

// A row per font, every glyph four times its size.
art::Canvas Glyphs() {
    constexpr int kScale = 4;
    art::Canvas sheet(kScale * 11 * 40, kScale * 5 * 20, kWhite);
    int row = 0;
    for (const FontId font : kFonts) {
        int x = 0;
        for (const char c : std::string("abcdefghijklmnopqrstuvwxyz0123456789:/*")) {
            const i32 id = GlyphPicture(font, c);
            if (id == kNoPicture) continue;
            const art::Canvas glyph = CataloguePicture(id);
            PasteMagnified(sheet, glyph, x, row * 80, kScale);
            x += glyph.Width() * kScale + kScale;
        }
        ++row;
    }
    return sheet;
}

// A row per part category, parts 1 to 10.
art::Canvas PartIcons() {
    art::Canvas sheet(10 * 52, 5 * 45, kWhite);
    int row = 0;
    for (const i32 category : {PART_BRAKES, PART_SUSPENSION, PART_ENGINE, PART_LUXURY, PART_SAFETY}) {
        for (i32 n = 1; n <= 10; ++n) sheet.Paste(CataloguePicture(PartIconPicture(category, n)), (n - 1) * 52, row * 45);
        ++row;
    }
    return sheet;
}

// Each body type as offered, then as owned.
art::Canvas BodyTypes() {
    art::Canvas sheet(6 * 154, 3 * 105, kWhite);
    for (i32 t = 1; t <= kBodyTypeCount; ++t) {
        const int x = ((t - 1) % 3) * 2 * 154;
        const int y = ((t - 1) / 3) * 105;
        sheet.Paste(CataloguePicture(BodyTypePicture(t, false)), x, y);
        sheet.Paste(CataloguePicture(BodyTypePicture(t, true)), x + 154, y);
    }
    return sheet;
}

// The icon and the two pointers, magnified, on light and dark ground.
art::Canvas IconAndPointers() {
    art::Canvas sheet(3 * 140, 280, {236, 230, 214});
    sheet.Fill({0, 140, 3 * 140 - 1, 279}, {40, 44, 52});
    const std::vector<art::Sprite> sprites{art::DrawIcon()[0], art::DrawArrowPointer(), art::DrawHandPointer()};
    for (std::size_t i = 0; i < sprites.size(); ++i)
        for (int band = 0; band < 2; ++band)
            for (int y = 0; y < 128; ++y)
                for (int x = 0; x < 128; ++x) {
                    const double a = sprites[i].Alpha.At(x / 4, y / 4).R / 255.0;
                    sheet.Blend(static_cast<int>(i) * 140 + 6 + x, band * 140 + 6 + y, sprites[i].Colour.At(x / 4, y / 4), a);
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
