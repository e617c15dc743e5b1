#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "model/part_tables.h"
#include "support/game_folder.h"

namespace {

struct PartTables : FreshRecords {
    GameFolder folder;
};

TEST_F(PartTables, ShippedTablesRiseWithTheLevelAndLeaveEntryZero) {
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
    // 10000 fills its field; 750 stands with blanks before or after it; a
    // line end may sit inside a field; letters give 0 and digits followed by
    // other bytes give the digits. Bytes after the last field are never read.
    std::string bytes = std::string("10000") + "  750" + "750  " + " 12\n " + "abcde" + "12ab3" + "-0042";
    bytes.resize(53 * 5, ' ');
    WriteFile("Data/para.dat", bytes + "99999 trailing bytes are never read");
    LoadPartRates();
    const i32 expected[] = {0, 10000, 750, 750, 12, 0, 12, -42};
    for (i32 id = 0; id < 8; ++id) EXPECT_EQ(RateObj.Engine[id], expected[id]) << id;
    EXPECT_EQ(RateObj.VariantBonus, 0);
}

TEST_F(PartTables, ShortFileRepeatsTheLastFieldRead) {
    // Three whole fields and one byte of a fourth: the cut field keeps the
    // rest of the field before it, and every later field repeats it.
    WriteFile("Data/paco.dat", std::string("  100") + "  200" + " 3456" + "9");
    LoadPartCosts();
    EXPECT_EQ(CostsObj.Engine[3], 3456);
    EXPECT_EQ(CostsObj.Engine[4], 93456);
    EXPECT_EQ(CostsObj.Suspension[1], 93456);
    EXPECT_EQ(CostsObj.Body[6], 93456);
    EXPECT_EQ(CostsObj.Body[0], 0);
}

TEST_F(PartTables, MissingFileLeavesZerosAndSaysWhichFile) {
    LoadPartCosts();
    ASSERT_NE(CostsObj.Engine[1], 0);
    std::remove("Data/paco.dat");
    WriteFile("Data/para.dat", "");  // present but empty: no report
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

// The price is typed with four digits. The best car of every research level
// (every part at the level, every item up to it, the body of the era that
// research reaches alongside, every bonus) must leave the demand's price
// bands within reach, or the best cars would all sell at 9999 and research
// past some level would lower the margin instead of raising it.
TEST_F(PartTables, TheBestCarOfEveryLevelCanBePricedInEveryBand) {
    LoadPartCosts();
    LoadPartRates();
    i32 lastTop = 0;
    for (i32 level = 1; level <= 10; ++level) {
        i32 cost = CostsObj.Engine[level] + CostsObj.Suspension[level] + CostsObj.Brakes[level] +
                   CostsObj.Body[std::min(6, 1 + (level - 1) / 2)];
        i32 rating = RateObj.Engine[level] + RateObj.Suspension[level] + RateObj.Brakes[level] + RateObj.Body +
                     3 * RateObj.VariantBonus + (level >= 9 ? RateObj.PartBonus : 0) +
                     (level == 10 ? 2 * RateObj.PartBonus : 0);
        for (i32 item = 1; item <= level; ++item) {
            cost += CostsObj.Luxury[item] + CostsObj.Safety[item];
            rating += RateObj.Luxury[item] + RateObj.Safety[item];
        }
        const i32 value = 2 * (3 * rating + cost);
        const i32 threshold = value / 4 + cost;
        const i32 oneThirdTop = threshold + ((value - threshold) / 3) * 2 - 1;
        EXPECT_LE(oneThirdTop, 9999) << "level " << level;
        EXPECT_GT(oneThirdTop, lastTop) << "level " << level;
        lastTop = oneThirdTop;
    }
}

}  // namespace
