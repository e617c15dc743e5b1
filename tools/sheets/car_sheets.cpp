#include "sheets/car_sheets.h"

#include <string>

#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"

namespace sheets {

namespace {

// The design screen's car box with a margin around the pieces, between the
// slot number the painter writes above it and the body type's name below.
constexpr Rect kAround{kCarPieceAt[0].X - 8, kCarPieceAt[0].Y - 3, 531, kCarPieceAt[0].Y + 150};
constexpr int kGap = 6;
constexpr int kCellWidth = kAround.Width() + kGap;
constexpr int kCellHeight = kAround.Height() + kGap;

// The car the design screen shows for a body type, era and the variant of
// each piece (front, middle, rear).
art::Canvas CarInStudio(const Output& out, i32 body, i32 era, const i32 (&variants)[kCarPieces]) {
    ResetAllRecords();
    ResetInterfaceState();
    MainObj.Screen = SCREEN_GAME_DESIGN;
    PlayerCar.BodyType = body;
    PlayerCar.Era = era;
    PlayerCar.FrontPiece = variants[0];
    PlayerCar.MiddlePiece = variants[1];
    PlayerCar.RearPiece = variants[2];
    out.Repaint();
    return Cut(out.Game->canvas, kAround);
}

void PutCell(art::Canvas& sheet, const art::Canvas& car, int column, int row) {
    sheet.Paste(car, column * kCellWidth, row * kCellHeight);
}

}  // namespace

bool WriteCarOverviews(const Output& out) {
    // Mixed variants, so that each era's row shows all three of some piece.
    art::Canvas eras(kEraCount * kCellWidth, kBodyTypeCount * kCellHeight, kWhite);
    for (i32 body = 1; body <= kBodyTypeCount; ++body)
        for (i32 era = FirstPictureEra(body); era <= kEraCount; ++era) {
            i32 variants[kCarPieces];
            for (i32 piece = 0; piece < kCarPieces; ++piece) variants[piece] = 1 + (era + piece + body) % kPieceVariants;
            PutCell(eras, CarInStudio(out, body, era, variants), era - 1, body - 1);
        }
    art::Canvas choices(kPieceVariants * kCellWidth, kBodyTypeCount * kCellHeight, kWhite);
    for (i32 body = 1; body <= kBodyTypeCount; ++body)
        for (i32 v = 1; v <= kPieceVariants; ++v) PutCell(choices, CarInStudio(out, body, kEraCount, {v, v, v}), v - 1, body - 1);
    const bool wroteEras = out.Write(eras, "21_cars");
    return out.Write(choices, "21_car_variants_1983") && wroteEras;
}

bool WriteCarChoices(const Output& out) {
    const char* const folders[kBodyTypeCount] = {"wagon", "truck", "sport", "luxury", "sedan",
                                                 "van", "pickup", "compact", "race"};
    bool ok = true;
    for (i32 body = 1; body <= kBodyTypeCount; ++body)
        for (i32 era = FirstPictureEra(body); era <= kEraCount; ++era) {
            // A row per front and middle, a column per rear.
            art::Canvas sheet(kPieceVariants * kCellWidth, kPieceVariants * kPieceVariants * kCellHeight, kWhite);
            for (i32 f = 1; f <= kPieceVariants; ++f)
                for (i32 m = 1; m <= kPieceVariants; ++m)
                    for (i32 r = 1; r <= kPieceVariants; ++r)
                        PutCell(sheet, CarInStudio(out, body, era, {f, m, r}), r - 1, (f - 1) * kPieceVariants + m - 1);
            const std::string name = std::string("cars_") + folders[body - 1] + "_" + std::to_string(EraYear(era));
            if (!out.Write(sheet, name)) ok = false;
        }
    return ok;
}

}  // namespace sheets
