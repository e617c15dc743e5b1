// The catalogue load decodes on all cores; what it leaves in the handles
// must be what loading the files one after another leaves.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/cores.h"
#include "platform/picture.h"
#include "presentation/paint.h"
#include "support/game_folder.h"

namespace fs = std::filesystem;

namespace {

// A game folder whose catalogue files are links to the built pictures, so
// a test may break some of them.
struct PhotoLoading : ::testing::Test {
    fs::path built = fs::current_path();
    GameFolder folder{GameFolder::Empty};

    void SetUp() override {
        for (i32 picture = 0; picture < kPictureCount; ++picture) {
            const fs::path path = PicturePath(picture);
            ASSERT_TRUE(fs::exists(built / path) && fs::file_size(built / path) > 0) << path << " is missing or empty";
            fs::create_directories(path.parent_path());
            fs::create_symlink(built / path, path);
        }
    }
    void TearDown() override { Paint::DeletePhoto(); }
};

std::vector<platform::Picture> LoadOneAfterAnother() {
    std::vector<platform::Picture> pictures(kPictureCount);
    for (i32 picture = 0; picture < kPictureCount; ++picture)
        platform::LoadJpegPicture(PicturePath(picture), pictures[static_cast<std::size_t>(picture)]);
    return pictures;
}

void ExpectSamePictures(const std::vector<platform::Picture>& expected) {
    for (i32 picture = 0; picture < kPictureCount; ++picture) {
        const platform::Picture& want = expected[static_cast<std::size_t>(picture)];
        const platform::Picture& got = PhotoOf(picture);
        ASSERT_EQ(platform::IsEmpty(got), platform::IsEmpty(want)) << PicturePath(picture);
        ASSERT_EQ(got.width, want.width) << PicturePath(picture);
        ASSERT_EQ(got.height, want.height) << PicturePath(picture);
        if (platform::IsEmpty(want)) continue;
        const std::size_t bytes = static_cast<std::size_t>(want.width) * want.height * sizeof(platform::Pixel);
        ASSERT_EQ(std::memcmp(got.pixels, want.pixels, bytes), 0) << PicturePath(picture);
    }
}

void Free(std::vector<platform::Picture>& pictures) {
    for (platform::Picture& picture : pictures) platform::FreePicture(picture);
}

}  // namespace

TEST_F(PhotoLoading, EveryHandleGetsThePixelsOfItsOwnFileAsInASerialLoad) {
    std::vector<platform::Picture> serial = LoadOneAfterAnother();
    // Loading again over a loaded catalogue frees and refills every handle.
    for (int round = 0; round < 2; ++round) {
        Paint::LoadPhoto();
        EXPECT_EQ(LoadedPhotoCount(), kPictureCount);
        ExpectSamePictures(serial);
    }
    Free(serial);
}

TEST_F(PhotoLoading, FailingFilesLeaveOnlyTheirOwnHandlesEmptyWhereverTheyStand) {
    // An early picture that is no JPEG, the last one missing and one in the
    // middle cut short: the load goes on past each.
    const i32 broken[] = {p_MENU, kFirstCarPiecePicture + 100, kPictureCount - 1};
    fs::remove(PicturePath(broken[0]));
    WriteFile(PicturePath(broken[0]), "not a picture");
    const std::string middle = ReadFile((built / PicturePath(broken[1])).string());
    fs::remove(PicturePath(broken[1]));
    WriteFile(PicturePath(broken[1]), middle.substr(0, 40));
    fs::remove(PicturePath(broken[2]));

    std::vector<platform::Picture> serial = LoadOneAfterAnother();
    for (const i32 picture : broken) EXPECT_TRUE(platform::IsEmpty(serial[static_cast<std::size_t>(picture)]));
    Paint::LoadPhoto();
    EXPECT_EQ(LoadedPhotoCount(), kPictureCount - 3);
    ExpectSamePictures(serial);
    Free(serial);
}

TEST(Cores, EveryJobRunsOnceWhateverTheThreadCount) {
    EXPECT_GE(platform::UsableCores(), 1);
    for (const std::int32_t threads : {-1, 0, 1, 3, 64}) {
        std::vector<int> runs(1000, 0);
        platform::ForEachOnCores(static_cast<std::int32_t>(runs.size()), threads,
                                 [&runs](std::int32_t job) { ++runs[static_cast<std::size_t>(job)]; });
        EXPECT_EQ(runs, std::vector<int>(1000, 1)) << threads;
    }
    int calls = 0;
    platform::ForEachOnCores(0, 8, [&calls](std::int32_t) { ++calls; });
    platform::ForEachOnCores(-5, 8, [&calls](std::int32_t) { ++calls; });
    EXPECT_EQ(calls, 0);
}
