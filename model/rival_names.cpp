// The rival companies' names, handed out in turn from Data/oppn.dat: 11
// records of 15 bytes, record 0 holding the number of the next name as
// decimal text and records 1..10 the names.

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "model/fixed_fields.h"
#include "model/opponent.h"
#include "platform/files.h"
#include "platform/number_text.h"

namespace {

constexpr const char* kNamesPath = "Data/oppn.dat";
constexpr long kRecordWidth = 15;
constexpr std::int64_t kNameCount = 10;

// Record 0 as the game writes it: the digits, one zero byte, blanks.
void WriteNextCounter(std::int32_t counter) {
    char record[kRecordWidth];
    std::memset(record, ' ', sizeof record);
    const std::size_t digits = platform::FormatInteger(counter, record, sizeof record);
    record[digits] = '\0';
    if (!platform::WriteFileAt(kNamesPath, 0, record, sizeof record))
        std::fprintf(stderr, "velmara: cannot write %s\n", kNamesPath);
}

}  // namespace

void Opponent::GetName(char* name) {
    char image[(kNameCount + 1) * kRecordWidth];
    const long size = platform::ReadFilePrefix(kNamesPath, image, sizeof image);
    std::int64_t counter = 0;
    if (size < 0) {
        // Without the file the rival keeps the name it has, and the names
        // start again from the first once the file is back.
        std::fprintf(stderr, "velmara: cannot read %s; the rivals keep their names\n", kNamesPath);
    } else {
        char record[kRecordWidth];
        std::memset(record, ' ', sizeof record);
        model_files::ReadField(image, size, 0, kRecordWidth, record);
        counter = platform::ParseInteger(record, kRecordWidth);
        // A name the file does not hold whole is not copied: a half record,
        // or the counter's own bytes, would make no name.
        if (counter >= 1 && counter <= kNameCount &&
            model_files::ReadField(image, size, static_cast<long>(counter), kRecordWidth, record) ==
                kRecordWidth)
            std::memcpy(name, record, kRecordWidth);
    }
    const std::int64_t next = counter + 1;
    WriteNextCounter(static_cast<std::int32_t>(next > kNameCount ? 1 : next));
}
