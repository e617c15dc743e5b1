#include <gtest/gtest.h>

#include <cstring>

#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/text_layout.h"

TEST(Layout, RectanglesAreInclusiveOnAllSides) {
    const Rect r = ControlAt(CTRL_BACK).Box;
    EXPECT_TRUE(r.Contains(21, 549));
    EXPECT_TRUE(r.Contains(86, 597));
    EXPECT_FALSE(r.Contains(87, 597));
    EXPECT_FALSE(r.Contains(21, 548));
    EXPECT_EQ(r.Width(), 66);
    EXPECT_TRUE(kWholeWindow.Contains(800, 600));
    EXPECT_FALSE(kWholeWindow.Contains(801, 0));
}

// The families whose rows are worked out from a first row and a step.
TEST(Layout, RowFamiliesStepAsTheScreensDo) {
    const struct { i32 control, top, bottom; } rows[] = {
        {CTRL_LOAD_SLOT_1 + 3, 336, 0},      {CTRL_PART_ROW_1 + 9, 435, 475},
        {CTRL_BROWSE_ROW_1, 176, 0},          {CTRL_BROWSE_ROW_1 + 1, 198, 0},
        {CTRL_BROWSE_ROW_LAST, 0, 376},       {CTRL_ADVERT_AMOUNT_1 + 5, 406, 0},
        {CTRL_STAFF_BUTTON_1 + 5, 247, 0},    {CTRL_STAFF_FIELD_1 + 5, 246, 0},
        {DestinationArrow(3, 2, true), 340, 0},
    };
    for (const auto& row : rows) {
        const Rect box = ControlAt(row.control).Box;
        EXPECT_EQ(row.top != 0 ? box.Top : 0, row.top) << row.control;
        EXPECT_EQ(row.bottom != 0 ? box.Bottom : 0, row.bottom) << row.control;
    }
    EXPECT_EQ(ControlAt(DestinationArrow(3, 2, true)).Box.Left, 329);
    EXPECT_EQ(DestinationArrow(5, 2, true), CTRL_DESTINATION_LAST);
    const struct { i32 focus, y; } frames[] = {
        {FOCUS_SLOT_4, 337},         {FOCUS_TECHNICIANS_FIRE, 247}, {FOCUS_SALESMEN_FIRE, 246},
        {FOCUS_BROWSE_MODEL_1, 173}, {FOCUS_BROWSE_MODEL_2, 195},   {FOCUS_BROWSE_MODEL_10, 355},
        {FOCUS_PART_ROW_10, 434},    {FOCUS_PRICE_ROW_3, 328},      {FOCUS_ADVERT_ROW_6, 406},
    };
    for (const auto& frame : frames) EXPECT_EQ(FocusFrame(frame.focus).Y, frame.y) << frame.focus;
    for (i32 f = FOCUS_SLOT_1; f <= FOCUS_PLAYER_NAME; ++f) EXPECT_NE(FocusFrame(f).Picture, kNoPicture) << f;
    EXPECT_EQ(ResearchBarSegmentAt(POPUP_RESEARCH_BODY, 1).X, 309);
    EXPECT_EQ(ResearchBarSegmentAt(POPUP_RESEARCH_ENGINE, 99).Y, 255);
    EXPECT_EQ(ReportBarY(10), 58);
}

TEST(Layout, EveryTextFitsOnTheScreenAndCaptionsAreCentred) {
    for (i32 id = 0; id < kTextCount; ++id) {
        const TextAnchor& a = TextAt(id);
        const GlyphCell cell = FontCell(a.Font);
        const i32 cells = a.Cells > 0 ? a.Cells : 17;   // longest word drawn: "hundred thousands"
        i32 first = a.Align == ALIGN_LEFT ? a.X : a.X - a.Step * (cells - 1);
        i32 last = a.Align == ALIGN_LEFT ? a.X + a.Step * (cells - 1) : a.X;
        if (a.Cells == 0 && a.X == 0) first = last = 300;   // placed by its word table
        if (a.Axis == 'y') {
            EXPECT_LE(a.Y + a.Step * (cells - 1) + cell.Height, 600) << id;
        } else {
            EXPECT_GE(first, 0) << id;
            EXPECT_LE(last + cell.Width, 800) << id;
            EXPECT_LE(a.Y + cell.Height, 600) << id;
        }
    }
    // Captions are centred on x 397 within half a pixel.
    for (i32 item = HOT_OFFICE; item <= HOT_STATISTICS; ++item) {
        const PlacedWord w = Caption(item);
        const double centre = w.X + 5.5 * static_cast<double>(std::strlen(w.Text));
        EXPECT_NEAR(centre, 397.0, 0.5) << w.Text;
    }
}
