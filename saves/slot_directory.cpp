// The stamp of a save and the directory of the four slots.
#include <cstring>

#include "platform/clock_text.h"
#include "platform/files.h"
#include "platform/number_text.h"
#include "presentation/interface_state.h"
#include "saves/save_load.h"
#include "saves/slot_fields.h"
#include "saves/slot_paths.h"
#include "saves/slot_time.h"

namespace {

// The scratch file: "MM/DD/YY", NUL, "HH:MM:SS", NUL.
constexpr std::size_t kClockTextsSize = 2 * platform::kClockTextSize;
// Where the stamp's fields stand in those texts: two digits each, ended by
// a slash, NUL or colon. The seconds are dropped.
constexpr std::size_t kStampTextOffsets[kStampFields] = {0, 3, 6, 9, 12};
constexpr std::size_t kStampTextWidth = 3;

// The texts of a moment as the scratch file holds them.
struct ClockTexts {
    char bytes[kClockTextsSize];
};

ClockTexts ClockTextsAt(const std::tm& when) {
    ClockTexts texts;
    char date[platform::kClockTextSize];
    char time[platform::kClockTextSize];
    platform::FormatDate(when, date);
    platform::FormatTime(when, time);
    std::memcpy(texts.bytes, date, sizeof date);
    std::memcpy(texts.bytes + sizeof date, time, sizeof time);
    return texts;
}

}  // namespace

void TakeStampAt(const std::tm& when) {
    // The stamp comes from the clock's texts themselves, never from reading
    // the scratch file back, so it always holds a real date.
    const ClockTexts texts = ClockTextsAt(when);
    const auto fields = StampFieldsInFileOrder(SlotMainObj);
    for (i32 i = 0; i < kStampFields; ++i)
        *fields[i] = platform::ParseInteger(texts.bytes + kStampTextOffsets[i], kStampTextWidth);
}

void LeaveStampTextsAt(const std::tm& when) {
    // Nothing in the game reads the scratch file, so it is written in place
    // without a flush to disk: a save pays for one flush, its slot file's.
    // Anything but a plain file of the game's in its place is left alone,
    // which costs nothing but the texts.
    const ClockTexts texts = ClockTextsAt(when);
    (void)platform::OverwriteOwnFile(kStampScratchPath, texts.bytes, sizeof texts.bytes);
}

void SaveLoad::Check() {
    for (i32 slot = 1; slot <= kSaveSlots; ++slot) {
        char head[kStampFields * kFieldSize];
        const long got = platform::ReadOwnFilePrefix(SlotFilePath(slot), head, sizeof head);
        const auto fields = StampFieldsInFileOrder(SlotDirectoryEntry(slot));
        for (i32 i = 0; i < kStampFields; ++i) {
            // A field the file holds only in part is read from what is there.
            const long start = static_cast<long>(i * kFieldSize);
            const long available = got > start ? got - start : 0;
            *fields[i] = DecodeIntegerField(head + start, static_cast<std::size_t>(available));
        }
        MainObj.SlotEmpty[slot - 1] = SlotDirectoryEntry(slot).Month == 0 ? 1 : 0;
    }
}
