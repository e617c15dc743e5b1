#include "sheets/sheet_output.h"

#include <cstdio>

#include "draw/image_files.h"
#include "platform/headless_window.h"
#include "platform/picture.h"
#include "presentation/paint.h"

namespace sheets {

namespace {

art::Rgb RgbOf(platform::Pixel p) {
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
}

bool Written(bool ok, const std::string& path) {
    if (!ok) std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace

void Output::Repaint() const {
    platform::RequestRepaint(Game);
    platform::RunMessages(Game);
}

bool Output::Write(const platform::Canvas& canvas, const std::string& name) const {
    const std::string path = Folder + "/" + name + ".png";
    return Written(platform::WriteCanvasPng(canvas, path.c_str()), path);
}

bool Output::Write(const art::Canvas& sheet, const std::string& name) const {
    const std::string path = Folder + "/" + name + ".png";
    return Written(art::WritePng(sheet, path), path);
}

art::Canvas Cut(const platform::Canvas& canvas, Rect box) {
    art::Canvas cut(box.Width(), box.Height(), {0, 0, 0});
    for (int y = 0; y < box.Height(); ++y)
        for (int x = 0; x < box.Width(); ++x)
            cut.Set(x, y, RgbOf(platform::CanvasPixel(canvas, box.Left + x, box.Top + y)));
    return cut;
}

art::Canvas CataloguePicture(int picture) {
    const platform::Picture& photo = PhotoOf(picture);
    if (platform::IsEmpty(photo)) return {};
    art::Canvas copy(photo.width, photo.height, {0, 0, 0});
    for (int y = 0; y < photo.height; ++y)
        for (int x = 0; x < photo.width; ++x) copy.Set(x, y, RgbOf(photo.pixels[y * photo.width + x]));
    return copy;
}

}  // namespace sheets
