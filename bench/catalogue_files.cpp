#include "catalogue_files.h"

#include <FreeImage.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "presentation/picture_catalogue.h"
#include "presentation/picture_sizes.h"

namespace {

// A stand-in at the size of the game's own picture.
bool WriteStandIn(const char* path, PictureSize size, unsigned seed) {
    FIBITMAP* image = FreeImage_Allocate(size.Width, size.Height, 24);
    if (image == nullptr) return false;
    for (int y = 0; y < size.Height; ++y) {
        BYTE* row = FreeImage_GetScanLine(image, y);
        for (int x = 0; x < size.Width; ++x) {
            // Flat panels with some edges, like drawn art.
            const unsigned tone = ((x / 37) ^ (y / 23) ^ seed) & 7;
            row[3 * x + 0] = static_cast<BYTE>(40 + 25 * tone);
            row[3 * x + 1] = static_cast<BYTE>(60 + 20 * tone);
            row[3 * x + 2] = static_cast<BYTE>(90 + 15 * tone);
        }
    }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const bool saved = FreeImage_Save(FIF_JPEG, image, path, JPEG_QUALITYGOOD) != 0;
    FreeImage_Unload(image);
    return saved;
}

bool AllPresent() {
    for (i32 picture = 0; picture < kPictureCount; ++picture) {
        if (!std::filesystem::exists(PicturePath(picture))) return false;
    }
    return true;
}

}  // namespace

bool PrepareCatalogueFiles() {
    static int prepared = -1;
    if (prepared >= 0) return prepared == 1;
    prepared = 0;
    if (AllPresent()) {
        std::fprintf(stderr, "catalogue: the game's own pictures\n");
        prepared = 1;
        return true;
    }
    const std::string scratch = (std::filesystem::temp_directory_path() / "velmara-bench-pictures").string();
    std::filesystem::create_directories(scratch);
    if (chdir(scratch.c_str()) != 0) return false;
    for (i32 picture = 0; picture < kPictureCount; ++picture) {
        const char* path = PicturePath(picture);
        if (!std::filesystem::exists(path) && !WriteStandIn(path, SizeOfPicture(picture), static_cast<unsigned>(picture)))
            return false;
    }
    std::fprintf(stderr, "catalogue: stand-in pictures in %s\n", scratch.c_str());
    prepared = 1;
    return true;
}
