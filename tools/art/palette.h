#pragma once
// The one palette of the game's pictures. Every text surface is Paper, the
// colour behind every glyph of the dialogue, small, report and design fonts;
// the footer's figures stand on the Display colour.

#include "draw/canvas.h"

namespace art {

inline constexpr Rgb kPaper{244, 236, 216};       // behind every glyph but the footer's
inline constexpr Rgb kInk{40, 34, 28};            // dialogue and small fonts
inline constexpr Rgb kReportInk{28, 56, 92};      // report and design figures
inline constexpr Rgb kDisplay{31, 33, 38};        // footer figure boxes
inline constexpr Rgb kDisplayInk{246, 188, 72};   // footer figures

inline constexpr Rgb kPaperLine{170, 150, 118};   // borders of fields and rows on paper
inline constexpr Rgb kPaperShade{226, 214, 186};  // card surroundings, table heads
inline constexpr Rgb kMutedInk{112, 96, 76};      // captions printed on paper
inline constexpr Rgb kCardEdge{74, 58, 44};       // outline of cards and popups

inline constexpr Rgb kAction{46, 104, 88};        // buttons that do something
inline constexpr Rgb kQuiet{128, 94, 70};         // close and back buttons
inline constexpr Rgb kOff{150, 146, 138};         // a button that cannot be used
inline constexpr Rgb kButtonText{250, 244, 228};
inline constexpr Rgb kHighlight{226, 128, 18};    // frame of the chosen field or row

inline constexpr Rgb kFooter{54, 50, 48};         // the band at the bottom of the game screens
inline constexpr Rgb kFooterEdge{150, 120, 70};

// Report bars of the three companies.
inline constexpr Rgb kPlayerBar{46, 120, 100};
inline constexpr Rgb kRival1Bar{176, 68, 52};
inline constexpr Rgb kRival2Bar{204, 156, 40};

// Scenery.
inline constexpr Rgb kSkyTop{118, 166, 206};
inline constexpr Rgb kSkyLow{198, 222, 236};
inline constexpr Rgb kGrass{118, 156, 86};
inline constexpr Rgb kGrassDark{92, 128, 66};
inline constexpr Rgb kBrick{166, 84, 62};
inline constexpr Rgb kStone{206, 196, 176};
inline constexpr Rgb kWood{132, 90, 58};
inline constexpr Rgb kWoodLight{176, 128, 84};
inline constexpr Rgb kWall{222, 210, 184};
inline constexpr Rgb kShowroom{214, 224, 230};    // behind the car on the design screen

}  // namespace art
