// The office's popups: the world map with factories and salons, the bank,
// the personnel sheet and the statistics chooser.
#include "art/office_popups.h"

#include <algorithm>

#include "art/palette.h"
#include "art/popup_frame.h"
#include "art/widgets.h"
#include "art/world_map.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/picture_sizes.h"
#include "presentation/text_layout.h"

namespace art {
namespace {

void SmallFactory(Canvas& c, double x, double y, Rgb ink) {
    c.Polygon({{x, y + 8}, {x, y + 3}, {x + 3, y + 5}, {x + 3, y + 3}, {x + 6, y + 5}, {x + 6, y}, {x + 8, y}, {x + 8, y + 8}}, ink);
}

void SmallShop(Canvas& c, double x, double y, Rgb ink) {
    c.Polygon({{x, y + 3}, {x + 4, y}, {x + 8, y + 3}}, ink);
    c.Fill({static_cast<int>(x + 1), static_cast<int>(y + 3), static_cast<int>(x + 7), static_cast<int>(y + 8)}, ink);
}

}  // namespace

Canvas DrawMapPopup() {
    Canvas c = PopupCanvas(POPUP_MAP, "", 0);
    WorldMap(c, {108, 128, 691, 445});
    c.Frame({108, 128, 691, 445}, 1, kCardEdge);
    // The title in the open South Atlantic, between the two southern capes.
    Sign(c, {262, 414, 356, 438}, "world map", {104, 80, 60}, kButtonText);
    // A count box on every region: factories on top, salons below.
    for (int r = 0; r < kRegionCount; ++r) {
        const TextAnchor& f = TextAt(TEXT_MAP_FACTORIES_1 + r);
        const Rect box{f.X - 10, f.Y - 3, f.X + 9, f.Y + 24};
        c.Fill(Grown(box, 1), kCardEdge);
        c.Fill(box, kPaper);
        c.Fill({box.Left, f.Y + 11, box.Right, f.Y + 11}, kPaperLine);
        SmallFactory(c, box.Left - 11, f.Y + 1, kCardEdge);
        SmallShop(c, box.Left - 11, f.Y + 14, kCardEdge);
    }
    // Legend.
    c.Fill({586, 404, 684, 438}, kPaper);
    c.Frame({586, 404, 684, 438}, 1, kPaperLine);
    SmallFactory(c, 592, 409, kCardEdge);
    Words(c, "factories", 606, 417, 11, Align::Left, kInk);
    SmallShop(c, 592, 424, kCardEdge);
    Words(c, "salons", 606, 432, 11, Align::Left, kInk);
    // The region row.
    Words(c, "region", 208, 461, 11, Align::Centre, kMutedInk, Face::SansBold);
    DrawControl(c, CTRL_MAP_REGION_BACK);
    DrawControl(c, CTRL_MAP_REGION_FORWARD);
    Field(c, {153, 466, 263, 489});
    DrawControl(c, CTRL_MAP_BUY_FACTORY);
    DrawControl(c, CTRL_MAP_BUY_SALON);
    Words(c, "price", 538, 455, 11, Align::Centre, kMutedInk, Face::SansBold);
    FigureBox(c, TEXT_MAP_FACTORY_PRICE, 8, 3);
    FigureBox(c, TEXT_MAP_SALON_PRICE, 8, 3);
    DrawControl(c, CTRL_MAP_CLOSE, ButtonKind::Quiet);
    return CutPopup(c, POPUP_MAP);
}

Canvas DrawBankPopup() {
    Canvas c = PopupCanvas(POPUP_BANK, "bank");
    const Rgb rule = kPaperLine;
    Heading(c, "deposit", 130, 200, 16);
    c.Fill({130, 206, 669, 206}, rule);
    CaptionLeftOf(c, "amount", 306, 229, 10);
    DrawControl(c, CTRL_BANK_DEPOSIT_FIELD);
    DrawControl(c, CTRL_BANK_DEPOSIT);
    DrawControl(c, CTRL_BANK_WITHDRAW);
    CaptionLeftOf(c, "on deposit", 306, 261, 10);
    Field(c, {314, 256, 419, 275});
    Words(c, "interest is paid once a year,", 440, 264, 11, Align::Left, kMutedInk);
    Words(c, "in the month of the deposit", 440, 278, 11, Align::Left, kMutedInk);

    Heading(c, "loan", 130, 320, 16);
    c.Fill({130, 326, 669, 326}, rule);
    CaptionLeftOf(c, "interest", 334, 342, 10);
    Field(c, {336, 338, 357, 355});
    Words(c, "%", 361, 351, 12, Align::Left, kMutedInk);
    // The term: one box across both arrows' click areas, with slim arrow
    // buttons at its ends, so that the figure the game writes between them
    // keeps room on either side.
    Words(c, "months", 396, 388, 11, Align::Centre, kMutedInk);
    const Rect down = ControlAt(CTRL_BANK_TERM_DOWN).Box;
    const Rect up = ControlAt(CTRL_BANK_TERM_UP).Box;
    Field(c, {down.Left, down.Top, up.Right, up.Bottom});
    constexpr int kSpinArrowWidth = 7;
    ArrowButton(c, {down.Left + 1, down.Top + 2, down.Left + kSpinArrowWidth, down.Bottom - 2}, Arrow::Left,
                ButtonKind::Action);
    ArrowButton(c, {up.Right - kSpinArrowWidth, up.Top + 2, up.Right - 1, up.Bottom - 2}, Arrow::Right,
                ButtonKind::Action);
    CaptionLeftOf(c, "amount", 256, 362, 10);
    DrawControl(c, CTRL_BANK_LOAN_FIELD);
    DrawControl(c, CTRL_BANK_TAKE_LOAN);
    DrawControl(c, CTRL_BANK_REPAY);
    const struct { int Text; const char* Caption; } rows[] = {
        {TEXT_BANK_LOAN_LEFT, "still owed"},
        {TEXT_BANK_INSTALLMENT, "paid each month"},
        {TEXT_BANK_MONTHS_LEFT, "months left"},
    };
    for (const auto& row : rows) {
        const TextAnchor& a = TextAt(row.Text);
        Field(c, {262, a.Y - 4, 367, a.Y + 13});
        CaptionLeftOf(c, row.Caption, 256, a.Y, 10);
    }
    Words(c, "type an amount, pick the months,", 430, 400, 11, Align::Left, kMutedInk);
    Words(c, "then take the loan; repay takes", 430, 414, 11, Align::Left, kMutedInk);
    Words(c, "the typed amount off the debt", 430, 428, 11, Align::Left, kMutedInk);
    DrawControl(c, CTRL_OFFICE_CLOSE, ButtonKind::Quiet);
    return CutPopup(c, POPUP_BANK);
}

Canvas DrawPersonnelPopup() {
    Canvas c = PopupCanvas(POPUP_PERSONNEL, "personnel");
    Words(c, "type a number in a box, then press hire or fire", 400, 172, 12, Align::Centre, kMutedInk);
    const char* kinds[kStaffKindCount] = {"salesmen", "scientists", "technicians"};
    constexpr int kFieldsPerKind = 2;   // hire, then fire
    for (int k = 0; k < kStaffKindCount; ++k) {
        const Rect field = ControlAt(CTRL_STAFF_FIELD_1 + kFieldsPerKind * k).Box;
        const Rect button = ControlAt(CTRL_STAFF_BUTTON_1 + kFieldsPerKind * k).Box;
        Heading(c, kinds[k], (field.Left + button.Right + 1) / 2.0, 208, 15, Align::Centre);
    }
    // The game writes the technicians' figures and places their frames a
    // pixel or two lower than the other columns'. The boxes stand level
    // across the three columns all the same, one row taller than a frame so
    // that every column's frame and figure fall inside; the buttons take the
    // rows that all three click areas share.
    const PictureSize frameSize = SizeOfPicture(p_GAME_office_personnel_chosen);
    const int frameHeight = frameSize.Height;
    for (int f = 0; f < kFieldsPerKind; ++f) {
        const int top = FocusFrame(FOCUS_SALESMEN_HIRE + f).Y;
        const int bottom = FocusFrame(FOCUS_TECHNICIANS_HIRE + f).Y + frameHeight - 1;
        Rect shared = ControlAt(CTRL_STAFF_BUTTON_1 + f).Box;
        for (int k = 1; k < kStaffKindCount; ++k) {
            const Rect b = ControlAt(CTRL_STAFF_BUTTON_1 + kFieldsPerKind * k + f).Box;
            shared.Top = std::max(shared.Top, b.Top);
            shared.Bottom = std::min(shared.Bottom, b.Bottom);
        }
        for (int k = 0; k < kStaffKindCount; ++k) {
            const Placement frame = FocusFrame(FOCUS_SALESMEN_HIRE + kFieldsPerKind * k + f);
            Field(c, {frame.X, top, frame.X + frameSize.Width - 1, bottom});
            const Control& b = ControlAt(CTRL_STAFF_BUTTON_1 + kFieldsPerKind * k + f);
            Button(c, {b.Box.Left, shared.Top, b.Box.Right, shared.Bottom}, b.Label, ButtonKind::Action);
        }
    }
    // Wage, headcount and cost: boxes of the wage frame's width, as tall as
    // the fields above, level across the columns.
    const PictureSize wage = SizeOfPicture(p_GAME_office_personnel_chosen2);
    const int height = frameHeight + 1;
    const int rowTops[] = {FocusFrame(FOCUS_SALESMEN_WAGE).Y, TextAt(TEXT_STAFF_COUNT_1).Y - 4,
                           TextAt(TEXT_STAFF_WAGE_BILL_1).Y - 4};
    for (int k = 0; k < kStaffKindCount; ++k) {
        const int left = FocusFrame(FOCUS_SALESMEN_WAGE + k).X;
        for (const int top : rowTops) Field(c, {left, top, left + wage.Width - 1, top + height - 1});
    }
    const struct { const char* Caption; int Top; } rows[] = {
        {"hire", 223}, {"fire", 249}, {"wage", 283}, {"employed", 310}, {"cost", 344}};
    for (const auto& row : rows) CaptionLeftOf(c, row.Caption, 168, row.Top, 10);
    c.Fill({120, 374, 679, 374}, kPaperLine);
    CaptionLeftOf(c, "monthly wages", 346, 398, 10, 13);
    FigureBox(c, TEXT_STAFF_TOTAL_WAGES, 8, 3);
    CaptionLeftOf(c, "employees", 346, 428, 10, 13);
    FigureBox(c, TEXT_STAFF_TOTAL_COUNT, 8, 3);
    // What each kind of staff is for: a newcomer hires here and only learns
    // at the factory or the laboratory that people must be posted to work.
    const char* help[] = {"technicians build about a car a month,",
                          "salesmen sell up to two: post both at",
                          "the factory; scientists go to the lab.",
                          "new people join the free pool;",
                          "only free people can be fired"};
    int baseline = 393;
    for (const char* line : help) {
        Words(c, line, 440, baseline, 11, Align::Left, kMutedInk);
        baseline += 14;
    }
    DrawControl(c, CTRL_OFFICE_CLOSE, ButtonKind::Quiet);
    return CutPopup(c, POPUP_PERSONNEL);
}

Canvas DrawStatisticsPopup() {
    Canvas c = PopupCanvas(POPUP_STATISTICS, "statistics");
    Words(c, "choose a report", 400, 356, 12, Align::Centre, kMutedInk);
    for (int id = CTRL_STATISTICS_MONTH_REPORT; id <= CTRL_STATISTICS_RESEARCH_REPORT; ++id) DrawControl(c, id);
    DrawControl(c, CTRL_STATISTICS_CLOSE, ButtonKind::Quiet);
    return CutPopup(c, POPUP_STATISTICS);
}

}  // namespace art
