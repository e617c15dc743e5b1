// Draws every picture of the game into <build>/Data/Img and the icon and
// pointer files into <build>. Same sources, same files: nothing depends on
// the time, the machine or chance. Saved games are never touched.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include <FreeImage.h>

#include "art/picture_set.h"
#include "art/pointers.h"
#include "draw/image_files.h"
#include "draw/type.h"
#include "presentation/picture_catalogue.h"

#ifndef VELMARA_FONT_DIR
#define VELMARA_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <build folder>\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::string root = argv[1];
    FreeImage_Initialise(FALSE);
    if (!art::OpenFaces(VELMARA_FONT_DIR)) return 1;

    const std::vector<art::Canvas> pictures = art::DrawAllPictures();
    int failures = 0;
    for (i32 id = 0; id < kPictureCount; ++id) {
        if (!art::WriteJpeg(pictures[static_cast<std::size_t>(id)], root + "/" + PicturePath(id))) {
            std::fprintf(stderr, "cannot write %s\n", PicturePath(id));
            ++failures;
        }
    }
    if (!art::WriteIconFile(root + "/icon.ico", art::DrawIcon())) ++failures;
    if (!art::WriteCursorFile(root + "/cursor.cur", art::DrawArrowPointer(), 1, 1)) ++failures;
    if (!art::WriteCursorFile(root + "/cursoron.cur", art::DrawHandPointer(), art::kHandHotX, art::kHandHotY))
        ++failures;

    art::CloseFaces();
    FreeImage_DeInitialise();
    if (failures > 0) return 1;
    // The build compares against this mark to know the pictures are current.
    std::ofstream(root + "/Data/Img/.generated") << kPictureCount << " pictures\n";
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("drew %d pictures in %.2f s\n", static_cast<int>(kPictureCount), seconds);
    return 0;
}
