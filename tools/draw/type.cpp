#include "draw/type.h"

#include <cmath>
#include <cstdio>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace art {
namespace {

FT_Library gLibrary = nullptr;
FT_Face gFaces[kFaceCount] = {};

constexpr const char* kFiles[kFaceCount] = {
    "DejaVuSans.ttf",     "DejaVuSans-Bold.ttf",     "DejaVuSansCondensed.ttf",
    "DejaVuSansCondensed-Bold.ttf", "DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf",
    "DejaVuSerif.ttf",    "DejaVuSerif-Bold.ttf",
};

FT_Face Select(const TextStyle& style) {
    FT_Face face = gFaces[static_cast<int>(style.Typeface)];
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.Size));
    return face;
}

// Loads and renders one character; crisp glyphs are hinted to the full pixel
// grid, words use the lighter hinting that keeps letter shapes.
bool Load(FT_Face face, char c, bool crisp) {
    const FT_Int32 flags = FT_LOAD_RENDER | (crisp ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_LIGHT);
    return FT_Load_Char(face, static_cast<unsigned char>(c), flags) == 0;
}

void Blit(Canvas& canvas, FT_GlyphSlot slot, int penX, int baseline, Rgb colour) {
    const FT_Bitmap& bm = slot->bitmap;
    for (unsigned row = 0; row < bm.rows; ++row) {
        for (unsigned col = 0; col < bm.width; ++col) {
            const unsigned char v = bm.buffer[row * static_cast<unsigned>(bm.pitch) + col];
            if (v == 0) continue;
            canvas.Blend(penX + slot->bitmap_left + static_cast<int>(col),
                         baseline - slot->bitmap_top + static_cast<int>(row), colour, v / 255.0);
        }
    }
}

int Height(const TextStyle& style, char c) {
    FT_Face face = Select(style);
    if (!Load(face, c, false)) return style.Size * 7 / 10;
    return face->glyph->bitmap_top;
}

}  // namespace

bool OpenFaces(const std::string& folder) {
    if (FT_Init_FreeType(&gLibrary) != 0) return false;
    for (int i = 0; i < kFaceCount; ++i) {
        const std::string path = folder + "/" + kFiles[i];
        if (FT_New_Face(gLibrary, path.c_str(), 0, &gFaces[i]) != 0) {
            std::fprintf(stderr, "cannot open font %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

void CloseFaces() {
    for (FT_Face& f : gFaces) {
        if (f != nullptr) FT_Done_Face(f);
        f = nullptr;
    }
    if (gLibrary != nullptr) FT_Done_FreeType(gLibrary);
    gLibrary = nullptr;
}

int TextWidth(const TextStyle& style, const std::string& text) {
    FT_Face face = Select(style);
    long width = 0;
    for (char c : text) {
        if (FT_Load_Char(face, static_cast<unsigned char>(c), FT_LOAD_TARGET_LIGHT) != 0) continue;
        width += face->glyph->advance.x;
    }
    return static_cast<int>((width + 32) >> 6);
}

int CapHeight(const TextStyle& style) { return Height(style, 'H'); }

void DrawText(Canvas& canvas, const TextStyle& style, double x, int baseline, const std::string& text) {
    FT_Face face = Select(style);
    long pen = std::lround(x * 64.0);
    for (char c : text) {
        if (!Load(face, c, false)) continue;
        Blit(canvas, face->glyph, static_cast<int>((pen + 32) >> 6), baseline, style.Colour);
        pen += face->glyph->advance.x;
    }
}

void DrawTextCentred(Canvas& canvas, const TextStyle& style, Rect box, const std::string& text) {
    const int width = TextWidth(style, text);
    const int cap = CapHeight(style);
    const double x = CentreX(box) - width / 2.0;
    const int baseline = static_cast<int>(std::lround(CentreY(box) + cap / 2.0));
    DrawText(canvas, style, std::round(x), baseline, text);
}

void DrawTextRight(Canvas& canvas, const TextStyle& style, double right, int baseline, const std::string& text) {
    DrawText(canvas, style, std::round(right - TextWidth(style, text)), baseline, text);
}

bool DrawChar(Canvas& canvas, const TextStyle& style, int x, int baseline, char c, bool crisp) {
    FT_Face face = Select(style);
    if (!Load(face, c, crisp)) return false;
    Blit(canvas, face->glyph, x, baseline, style.Colour);
    return true;
}

InkBox CharInk(const TextStyle& style, char c, bool crisp) {
    FT_Face face = Select(style);
    if (!Load(face, c, crisp)) return {0, 0, 0, 0, 0};
    const FT_GlyphSlot g = face->glyph;
    return {g->bitmap_left, static_cast<int>(g->bitmap.width), g->bitmap_top,
            static_cast<int>(g->bitmap.rows) - g->bitmap_top, static_cast<int>((g->advance.x + 32) >> 6)};
}

}  // namespace art
