// Loading the whole catalogue (the first paint) against FreeImage alone
// decoding the same files, side by side.

#include <benchmark/benchmark.h>

#include <FreeImage.h>

#include "catalogue_files.h"
#include "presentation/paint.h"

namespace {

void CatalogueLoad(benchmark::State& state) {
    if (!PrepareCatalogueFiles()) {
        state.SkipWithError("no pictures");
        return;
    }
    for (auto _ : state) {
        Paint::LoadPhoto();
        benchmark::DoNotOptimize(PhotoOf(p_INTRO).pixels);
        Paint::DeletePhoto();
    }
    Paint::LoadPhoto();
    state.counters["pictures"] = LoadedPhotoCount();
    Paint::DeletePhoto();
}

void FreeImageDecodeOnly(benchmark::State& state) {
    if (!PrepareCatalogueFiles()) {
        state.SkipWithError("no pictures");
        return;
    }
    for (auto _ : state) {
        for (i32 picture = 0; picture < kPictureCount; ++picture) {
            FIBITMAP* image = FreeImage_Load(FIF_JPEG, PicturePath(picture), JPEG_ACCURATE);
            benchmark::DoNotOptimize(image);
            if (image != nullptr) FreeImage_Unload(image);
        }
    }
}

}  // namespace

BENCHMARK(FreeImageDecodeOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(CatalogueLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0);
