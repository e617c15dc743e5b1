// Contact sheets: every screen and popup as the game draws it, with its
// highlight frames, captions and the figures of a sample company, painted
// by the game's own paint cycle on its headless window and written as PNG
// files for looking at; then sheets of the small pictures.
//
//   velmara_contact_sheet <build folder> <output folder> [cars]
//
// With "cars", it writes instead one sheet per body type and era holding
// every choice of front, middle and rear on the design screen's background:
// a row for each front and middle, a column for each rear.
//
// The exit code is 1 when a sheet could not be written, or when a screen
// sheet asks for a popup, frame or caption that its screen does not draw.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <FreeImage.h>

#include "main/window_procedure.h"
#include "platform/headless_window.h"
#include "presentation/paint.h"
#include "sheets/car_sheets.h"
#include "sheets/picture_sheets.h"
#include "sheets/sample_company.h"
#include "sheets/screen_sheets.h"

namespace {

namespace fs = std::filesystem;

// A folder of its own for the sample saved games, so that the sheets never
// show (or touch) the saves in the build folder. The program works inside
// it while it exists.
class SampleFolder {
public:
    SampleFolder() {
        std::string pattern = (fs::temp_directory_path() / "velmara-sheet-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return;
        root_ = pattern;
        fs::current_path(root_);
    }
    ~SampleFolder() {
        if (root_.empty()) return;
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(root_, ignored);
    }
    SampleFolder(const SampleFolder&) = delete;
    SampleFolder& operator=(const SampleFolder&) = delete;
    bool Made() const { return !root_.empty(); }

private:
    std::string root_;
};

}  // namespace

int main(int argc, char** argv) {
    const bool cars = argc == 4 && std::strcmp(argv[3], "cars") == 0;
    if (argc != 3 && !cars) {
        std::fprintf(stderr, "usage: %s <build folder> <output folder> [cars]\n", argv[0]);
        return 2;
    }
    FreeImage_Initialise(FALSE);
    sheets::Output out{nullptr, fs::absolute(argv[2]).string()};
    fs::create_directories(out.Folder);
    // The first paint loads the pictures from below the working folder.
    fs::current_path(argv[1]);
    out.Game = platform::OpenHeadlessWindow(WindowProcedure);
    platform::RunMessages(out.Game);
    for (i32 id = 0; id < kPictureCount; ++id)
        if (platform::IsEmpty(PhotoOf(id))) std::fprintf(stderr, "missing %s\n", PicturePath(id));

    bool ok = false;
    {
        const SampleFolder folder;
        if (folder.Made()) {
            if (cars) {
                ok = sheets::WriteCarChoices(out);
            } else {
                WriteSampleSaves();
                ok = sheets::WriteScreenSheets(out);
                ok = sheets::WriteCarOverviews(out) && ok;
                ok = sheets::WritePictureSheets(out) && ok;
            }
        } else {
            std::fprintf(stderr, "cannot make a temporary folder\n");
        }
    }
    platform::CloseGameWindow(out.Game);
    FreeImage_DeInitialise();
    return ok ? 0 : 1;
}
