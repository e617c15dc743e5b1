// Saving and loading a full game: the whole round through the disk (with
// the flush that makes a save safe), and the in-memory part alone. A save is
// measured against the least a safe replace of a slot file's bytes costs:
// one write, one flush and one rename.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>

#include "model/records.h"
#include "saves/save_load.h"
#include "saves/slot_image.h"

namespace {

// Every record full of varied numbers, as deep into a long game.
void FillFullGame() {
    std::mt19937 numbers(7);
    auto fill = [&](auto& record) {
        auto* bytes = reinterpret_cast<unsigned char*>(&record);
        for (std::size_t i = 0; i < sizeof record; ++i) bytes[i] = static_cast<unsigned char>(numbers());
    };
    fill(PlayerObj);
    fill(Opponent1Obj);
    fill(Opponent2Obj);
    PlayerObj.Cash = 123456789.0;
    Opponent1Obj.Cash = 98765432.5;
    Opponent2Obj.Cash = -4567890.25;
    for (Staff* s : {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians, &Opponent1Salesmans,
                     &Opponent1Scientists, &Opponent1Technicians, &Opponent2Salesmans,
                     &Opponent2Scientists, &Opponent2Technicians})
        fill(*s);
    for (i32 slot = 1; slot <= kModelSlots; ++slot) {
        fill(PlayerModel(slot));
        fill(OpponentModel(1, slot));
        fill(OpponentModel(2, slot));
    }
    for (Production* p : {&ProductionObj, &Opponent1ProductionObj, &Opponent2ProductionObj}) fill(*p);
    for (ModelSale* m : {&ModelSaleObj, &Opponent1ModelSaleObj, &Opponent2ModelSaleObj}) fill(*m);
    for (Expenses* e : {&ExpensesObj, &Opponent1ExpensesObj, &Opponent2ExpensesObj}) fill(*e);
    for (Income* i : {&IncomeObj, &Opponent1IncomeObj, &Opponent2IncomeObj}) fill(*i);
}

// A private working folder for the benchmark's slot files, with the game's
// part tables, which a load reads again.
class SaveFolder {
public:
    SaveFolder() : original_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmara-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        folder_ = pattern;
        std::filesystem::create_directories(folder_ / "Data" / "Saves");
        std::error_code missing;  // without them the load still runs, on empty tables
        for (const char* table : {"paco.dat", "para.dat"})
            std::filesystem::copy_file(original_ / "Data" / table, folder_ / "Data" / table, missing);
        std::filesystem::current_path(folder_);
    }
    ~SaveFolder() {
        std::filesystem::current_path(original_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

private:
    std::filesystem::path original_;
    std::filesystem::path folder_;
};

void BM_SaveFullGame(benchmark::State& state) {
    SaveFolder folder;
    FillFullGame();
    for (auto _ : state) benchmark::DoNotOptimize(SaveLoad::Save(1));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSlotFileSize));
}
BENCHMARK(BM_SaveFullGame)->Unit(benchmark::kMicrosecond);

// The yardstick for a save: a slot file's bytes written to a new file,
// flushed, and renamed over the slot, with nothing around it.
void BM_WriteFlushRename(benchmark::State& state) {
    SaveFolder folder;
    static char image[kSlotFileSize];
    FillFullGame();
    WriteSlotImage(image);
    for (auto _ : state) {
        const int fd = ::open("Data/Saves/slot1.sav.new", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            state.SkipWithError("open failed");
            break;
        }
        bool ok = ::write(fd, image, sizeof image) == static_cast<ssize_t>(sizeof image);
        ok = ::fsync(fd) == 0 && ok;
        ok = ::close(fd) == 0 && ok;
        if (!ok || std::rename("Data/Saves/slot1.sav.new", "Data/Saves/slot1.sav") != 0) {
            state.SkipWithError("write, flush or rename failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSlotFileSize));
}
BENCHMARK(BM_WriteFlushRename)->Unit(benchmark::kMicrosecond);

void BM_LoadFullGame(benchmark::State& state) {
    SaveFolder folder;
    FillFullGame();
    if (!SaveLoad::Save(1)) state.SkipWithError("save failed");
    for (auto _ : state) benchmark::DoNotOptimize(SaveLoad::Load(1));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSlotFileSize));
}
BENCHMARK(BM_LoadFullGame)->Unit(benchmark::kMicrosecond);

void BM_WriteSlotImage(benchmark::State& state) {
    FillFullGame();
    static char image[kSlotFileSize];
    for (auto _ : state) {
        WriteSlotImage(image);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSlotFileSize));
}
BENCHMARK(BM_WriteSlotImage)->Unit(benchmark::kMicrosecond);

void BM_ReadSlotImage(benchmark::State& state) {
    FillFullGame();
    static char image[kSlotFileSize];
    WriteSlotImage(image);
    for (auto _ : state) {
        ReadSlotImage(image);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSlotFileSize));
}
BENCHMARK(BM_ReadSlotImage)->Unit(benchmark::kMicrosecond);

}  // namespace
