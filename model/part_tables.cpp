// The part cost and rating tables come from two files of 5-byte decimal
// fields, read in file order into the table entries listed below.

#include "model/part_tables.h"

#include <cstdio>

#include "model/fixed_fields.h"
#include "model/records.h"
#include "platform/files.h"
#include "platform/number_text.h"

namespace {

// A run of consecutive table entries filled by consecutive fields.
struct FieldRun {
    i32* first;
    i32 count;
};

// Entry 0 of every part list is never read from a file: PartIds and EraIds
// start at 1.
constexpr FieldRun kCostRuns[] = {
    {&CostsObj.Engine[1], kPartsPerCategory},
    {&CostsObj.Suspension[1], kPartsPerCategory},
    {&CostsObj.Brakes[1], kPartsPerCategory},
    {&CostsObj.Luxury[1], kPartsPerCategory},
    {&CostsObj.Safety[1], kPartsPerCategory},
    {&CostsObj.Body[1], kEraCount},
};

constexpr FieldRun kRateRuns[] = {
    {&RateObj.Engine[1], kPartsPerCategory},
    {&RateObj.Suspension[1], kPartsPerCategory},
    {&RateObj.Brakes[1], kPartsPerCategory},
    {&RateObj.Luxury[1], kPartsPerCategory},
    {&RateObj.Safety[1], kPartsPerCategory},
    {&RateObj.Body, 1},
    {&RateObj.PartBonus, 1},
    {&RateObj.VariantBonus, 1},
};

template <std::size_t Runs>
constexpr long FieldCount(const FieldRun (&runs)[Runs]) {
    long fields = 0;
    for (const FieldRun& run : runs) fields += run.count;
    return fields;
}

static_assert(FieldCount(kCostRuns) == 56, "Data/paco.dat holds 56 fields");
static_assert(FieldCount(kRateRuns) == 53, "Data/para.dat holds 53 fields");

// Reads the fields of `runs` from `path`; says once what was wrong with
// the file, if anything.
template <std::size_t Runs>
void LoadTable(const char* path, const FieldRun (&runs)[Runs]) {
    constexpr long kMaxFields = 64;
    char image[kMaxFields * kTableFieldWidth];
    const long fields = FieldCount(runs);
    const long size = platform::ReadFilePrefix(path, image, static_cast<std::size_t>(fields * kTableFieldWidth));
    if (size < 0) {
        std::fprintf(stderr, "velmara: cannot read %s; its part table is left at 0\n", path);
        for (const FieldRun& run : runs)
            for (i32 i = 0; i < run.count; ++i) run.first[i] = 0;
        return;
    }
    char buffer[kTableFieldWidth] = {' ', ' ', ' ', ' ', ' '};
    long field = 0;
    long firstNotANumber = 0;  // counted from 1; 0 for none
    i32 firstNotANumberReads = 0;
    for (const FieldRun& run : runs) {
        for (i32 i = 0; i < run.count; ++i, ++field) {
            model_files::ReadField(image, size, field, kTableFieldWidth, buffer);
            run.first[i] = platform::ParseInteger(buffer, kTableFieldWidth);
            if (firstNotANumber == 0 && !platform::IsPlainInteger(buffer, kTableFieldWidth)) {
                firstNotANumber = field + 1;
                firstNotANumberReads = run.first[i];
            }
        }
    }
    if (size < fields * kTableFieldWidth)
        std::fprintf(stderr, "velmara: %s is damaged: it holds %ld of its %ld bytes\n", path, size,
                     fields * kTableFieldWidth);
    else if (firstNotANumber != 0)
        std::fprintf(stderr, "velmara: %s is damaged: field %ld of %ld is not a plain number and reads as %d\n",
                     path, firstNotANumber, fields, firstNotANumberReads);
}

}  // namespace

void LoadPartCosts() { LoadTable("Data/paco.dat", kCostRuns); }

void LoadPartRates() { LoadTable("Data/para.dat", kRateRuns); }
