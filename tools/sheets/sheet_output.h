#pragma once
// What every contact sheet shares: the game's headless window, whose paints
// draw the sheets, and the PNG files they are written to.

#include <string>

#include "draw/canvas.h"
#include "platform/window.h"

namespace sheets {

// The ground the sheets lay their pictures out on.
inline constexpr art::Rgb kWhite{255, 255, 255};

struct Output {
    platform::Window* Game;   // the game's window, catalogue loaded
    std::string Folder;       // absolute

    // The paint the game makes when its window is to be drawn again.
    void Repaint() const;
    // Writes `<Folder>/<name>.png`; false (and a message) when it fails.
    bool Write(const platform::Canvas& canvas, const std::string& name) const;
    bool Write(const art::Canvas& sheet, const std::string& name) const;
};

// The part of the game's canvas inside the box, for pasting into a sheet.
art::Canvas Cut(const platform::Canvas& canvas, Rect box);
// A picture of the game's loaded catalogue; empty for one that did not load.
art::Canvas CataloguePicture(int picture);

}  // namespace sheets
