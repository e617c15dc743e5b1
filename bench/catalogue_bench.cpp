// Loading the whole catalogue (the first paint, on all cores) against
// FreeImage alone decoding the same files one after another, side by side.
// Run it pinned (taskset -c 0,1) to see the load on fewer cores.

#include <benchmark/benchmark.h>

#include <FreeImage.h>

#include <chrono>

#include "catalogue_files.h"
#include "platform/cores.h"
#include "presentation/paint.h"

namespace {

using Clock = std::chrono::steady_clock;

void DecodeEveryFile() {
    for (i32 picture = 0; picture < kPictureCount; ++picture) {
        FIBITMAP* image = FreeImage_Load(FIF_JPEG, PicturePath(picture), JPEG_ACCURATE);
        benchmark::DoNotOptimize(image);
        if (image != nullptr) FreeImage_Unload(image);
    }
}

void LoadAndFree() {
    Paint::LoadPhoto();
    benchmark::DoNotOptimize(PhotoOf(p_INTRO).pixels);
    Paint::DeletePhoto();
}

void FreeImageDecodeOnly(benchmark::State& state) {
    if (!PrepareCatalogueFiles()) {
        state.SkipWithError("no pictures");
        return;
    }
    for (auto _ : state) DecodeEveryFile();
}

void CatalogueLoad(benchmark::State& state) {
    if (!PrepareCatalogueFiles()) {
        state.SkipWithError("no pictures");
        return;
    }
    for (auto _ : state) LoadAndFree();
    Paint::LoadPhoto();
    state.counters["pictures"] = LoadedPhotoCount();
    state.counters["cores"] = platform::UsableCores();
    Paint::DeletePhoto();
}

// Each round decodes the files bare on one thread, then loads the
// catalogue; the time shown is the load's, and `of_bare` is the loads' total
// over the bare decodes' total, so both meet the same load on the machine.
void CatalogueLoadOfBareDecode(benchmark::State& state) {
    if (!PrepareCatalogueFiles()) {
        state.SkipWithError("no pictures");
        return;
    }
    Clock::duration bare{};
    Clock::duration load{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        DecodeEveryFile();
        const Clock::time_point decoded = Clock::now();
        LoadAndFree();
        const Clock::time_point loaded = Clock::now();
        bare += decoded - start;
        load += loaded - decoded;
        state.SetIterationTime(std::chrono::duration<double>(loaded - decoded).count());
    }
    state.counters["of_bare"] = std::chrono::duration<double>(load) / std::chrono::duration<double>(bare);
    state.counters["cores"] = platform::UsableCores();
}

}  // namespace

BENCHMARK(FreeImageDecodeOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(CatalogueLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(CatalogueLoadOfBareDecode)->Unit(benchmark::kMillisecond)->MinTime(4.0)->UseManualTime();
