// The catalogue's pictures in memory: loaded together by the first paint,
// kept unchanged for the whole run, freed when the window goes away.

#include "platform/cores.h"
#include "presentation/paint.h"

namespace {
platform::Picture Photos[kPictureCount];
const platform::Picture NoPhoto{};
}  // namespace

i32 load_photo_times = 0;
platform::PointerShape cursoron;

const platform::Picture& PhotoOf(i32 picture) {
    if (picture < 0 || picture >= kPictureCount) return NoPhoto;
    return Photos[picture];
}

platform::Picture* PhotoHandle(i32 picture) {
    if (picture < 0 || picture >= kPictureCount) return nullptr;
    return &Photos[picture];
}

i32 LoadedPhotoCount() {
    i32 loaded = 0;
    for (const platform::Picture& photo : Photos) loaded += platform::IsEmpty(photo) ? 0 : 1;
    return loaded;
}

void Paint::LoadJpg(platform::Picture& handle, const char* path) {
    platform::FreePicture(handle);
    platform::LoadJpegPicture(path, handle);
}

// The files are decoded on every core: each picture goes into its own
// handle, so the result is the same as loading them one after another, a
// file that fails leaving its handle empty and the others loading on.
void Paint::LoadPhoto() {
    platform::ForEachOnCores(kPictureCount, platform::UsableCores(),
                             [](i32 picture) { LoadJpg(Photos[picture], PicturePath(picture)); });
    cursoron = platform::LoadPointerShape("cursoron.cur", 32);
}

void Paint::DeletePhoto() {
    for (platform::Picture& photo : Photos) platform::FreePicture(photo);
}
