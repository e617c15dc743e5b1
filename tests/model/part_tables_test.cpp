#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/fresh_records.h"
#include "model/game_folder.h"
#include "model/part_tables.h"

namespace {

using PartTables = FreshRecords;

std::string Fields(std::initializer_list<const char*> fields) {
    std::string bytes;
    for (const char* field : fields) bytes += field;
    return bytes;
}

TEST_F(PartTables, ShippedTablesRiseWithTheLevelAndLeaveEntryZero) {
    GameFolder folder;
    LoadPartCosts();
    LoadPartRates();
    for (const i32* list : {CostsObj.Engine, CostsObj.Suspension, CostsObj.Brakes, CostsObj.Luxury,
                            CostsObj.Safety, RateObj.Engine, RateObj.Suspension, RateObj.Brakes,
                            RateObj.Luxury, RateObj.Safety}) {
        EXPECT_EQ(list[0], 0);
        for (i32 id = 1; id <= 10; ++id) EXPECT_GT(list[id], list[id - 1]);
    }
    EXPECT_EQ(CostsObj.Body[0], 0);
    for (i32 era = 1; era <= 6; ++era) EXPECT_GT(CostsObj.Body[era], CostsObj.Body[era - 1]);
    EXPECT_GT(RateObj.Body, 0);
    EXPECT_GT(RateObj.PartBonus, 0);
    EXPECT_GT(RateObj.VariantBonus, 0);
}

TEST_F(PartTables, FieldsAreFiveBytesWhateverTheirNeighbours) {
    GameFolder folder;
    // 10000 fills its field; 750 stands with blanks before or after it; a
    // line end may sit inside a field; letters give 0 and digits followed by
    // other bytes give the digits.
    std::string bytes = Fields({"10000", "  750", "750  ", " 12\n ", "abcde", "12ab3", "-0042"});
    bytes.resize(53 * 5, ' ');
    bytes += "99999 trailing bytes are never read";
    folder.WriteData("para.dat", bytes);
    LoadPartRates();
    EXPECT_EQ(RateObj.Engine[1], 10000);
    EXPECT_EQ(RateObj.Engine[2], 750);
    EXPECT_EQ(RateObj.Engine[3], 750);
    EXPECT_EQ(RateObj.Engine[4], 12);
    EXPECT_EQ(RateObj.Engine[5], 0);
    EXPECT_EQ(RateObj.Engine[6], 12);
    EXPECT_EQ(RateObj.Engine[7], -42);
    EXPECT_EQ(RateObj.VariantBonus, 0);
    EXPECT_EQ(RateObj.Engine[0], 0);
}

TEST_F(PartTables, ShortFileRepeatsTheLastFieldRead) {
    GameFolder folder;
    // Three whole fields and one byte of a fourth: the cut field keeps the
    // rest of the field before it, and every later field repeats it.
    folder.WriteData("paco.dat", Fields({"  100", "  200", " 3456", "9"}));
    LoadPartCosts();
    EXPECT_EQ(CostsObj.Engine[3], 3456);
    EXPECT_EQ(CostsObj.Engine[4], 93456);
    EXPECT_EQ(CostsObj.Suspension[1], 93456);
    EXPECT_EQ(CostsObj.Body[6], 93456);
    EXPECT_EQ(CostsObj.Body[0], 0);
}

TEST_F(PartTables, MissingFileLeavesZerosAndSaysWhichFile) {
    GameFolder folder;
    LoadPartCosts();
    ASSERT_NE(CostsObj.Engine[1], 0);
    folder.RemoveData("paco.dat");
    folder.WriteData("para.dat", "");  // present but empty: no report
    testing::internal::CaptureStderr();
    LoadPartCosts();
    LoadPartRates();
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("Data/paco.dat"), std::string::npos);
    EXPECT_EQ(report.find("para.dat"), std::string::npos);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1);
    EXPECT_EQ(CostsObj.Engine[1], 0);
    EXPECT_EQ(CostsObj.Body[6], 0);
    EXPECT_EQ(RateObj.Engine[1], 0);
    EXPECT_EQ(RateObj.VariantBonus, 0);
}

}  // namespace
