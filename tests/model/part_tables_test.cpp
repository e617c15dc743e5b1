#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "model/design_limits.h"
#include "model/part_tables.h"
#include "model/player.h"
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

// What a table load says on stderr.
template <typename Load>
std::string ReportOf(Load load) {
    testing::internal::CaptureStderr();
    load();
    return testing::internal::GetCapturedStderr();
}

TEST_F(PartTables, FieldsAreFiveBytesWhateverTheirNeighbours) {
    // 10000 fills its field; 750 stands with blanks before or after it; a
    // line end may sit inside a field; letters give 0 and digits followed by
    // other bytes give the digits. Bytes after the last field are never read.
    // The first field that is more than blanks around a number is named.
    std::string bytes = std::string("10000") + "  750" + "750  " + " 12\n " + "abcde" + "12ab3" + "-0042";
    bytes.resize(53 * 5, ' ');
    WriteFile("Data/para.dat", bytes + "99999 trailing bytes are never read");
    const std::string report = ReportOf(LoadPartRates);
    const i32 expected[] = {0, 10000, 750, 750, 12, 0, 12, -42};
    for (i32 id = 0; id < 8; ++id) EXPECT_EQ(RateObj.Engine[id], expected[id]) << id;
    EXPECT_EQ(RateObj.VariantBonus, 0);
    EXPECT_EQ(report, "velmara: Data/para.dat is damaged: field 4 of 53 is not a plain number and reads as 12\n");
}

// Damages that still read a number from every field: each is named once,
// with the field it first shows in and what that field reads as.
TEST_F(PartTables, AFieldThatIsMoreThanANumberIsNamed) {
    struct Table {
        const char* path;
        void (*load)();
        const char* fields;
        const i32* engines;
        i32 secondFieldAfterLineEnds;  // "  180\n  260" reads 180, then "\n  26"
    };
    for (const Table& table : {Table{"Data/paco.dat", LoadPartCosts, "56", CostsObj.Engine, 26},
                               Table{"Data/para.dat", LoadPartRates, "53", RateObj.Engine, 5}}) {
        const std::string whole = ReadFile(table.path);
        std::string lineEnds;
        for (std::size_t at = 0; at < whole.size(); at += 5) lineEnds += whole.substr(at, 5) + "\n";
        const auto thirdField = [&](const char* bytes) { return whole.substr(0, 10) + bytes + whole.substr(15); };
        struct Damage {
            const char* name;
            std::string bytes;
            int field;
            i32 readsAs;
        };
        const Damage damages[] = {
            {"a line end after every field", lineEnds, 2, table.secondFieldAfterLineEnds},
            {"letters after the digits", thirdField("12abc"), 3, 12},
            {"a letter between digits", thirdField("  1x0"), 3, 1},
            {"a tab for a blank", thirdField("\t  60"), 3, 60},
            {"a tab between digits", thirdField(" 1\t80"), 3, 1},
            {"a blank after a minus", thirdField("- 120"), 3, 0},
            {"a blank after a plus", thirdField("+  60"), 3, 0},
        };
        for (const Damage& damage : damages) {
            SCOPED_TRACE(std::string(table.path) + ", " + damage.name);
            WriteFile(table.path, damage.bytes);
            EXPECT_EQ(ReportOf(table.load), std::string("velmara: ") + table.path + " is damaged: field " +
                                                std::to_string(damage.field) + " of " + table.fields +
                                                " is not a plain number and reads as " +
                                                std::to_string(damage.readsAs) + "\n");
            EXPECT_EQ(table.engines[damage.field], damage.readsAs);
        }
        WriteFile(table.path, whole);
    }
}

TEST_F(PartTables, ShortFileRepeatsTheLastFieldRead) {
    // Three whole fields and one byte of a fourth: the cut field keeps the
    // rest of the field before it, and every later field repeats it.
    WriteFile("Data/paco.dat", std::string("  100") + "  200" + " 3456" + "9");
    EXPECT_EQ(ReportOf(LoadPartCosts), "velmara: Data/paco.dat is damaged: it holds 16 of its 280 bytes\n");
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
    WriteFile("Data/para.dat", "");
    EXPECT_EQ(ReportOf(LoadPartCosts), "velmara: cannot read Data/paco.dat; its part table is left at 0\n");
    EXPECT_EQ(ReportOf(LoadPartRates), "velmara: Data/para.dat is damaged: it holds 0 of its 265 bytes\n");
    EXPECT_EQ(CostsObj.Engine[1], 0);
    EXPECT_EQ(CostsObj.Body[6], 0);
    EXPECT_EQ(RateObj.Engine[1], 0);
    EXPECT_EQ(RateObj.VariantBonus, 0);
}

// A table of its full length says nothing of whether it holds numbers: one
// line names the file whatever fills it, and the game's own files, or one
// with a figure changed or signed, are read without a word.
TEST_F(PartTables, ATableOfFullLengthWithoutNumbersIsReportedOnce) {
    const std::string whole = ReadFile("Data/paco.dat");
    ASSERT_EQ(whole.size(), 280u);
    EXPECT_EQ(ReportOf(LoadPartCosts), "");
    EXPECT_EQ(ReportOf(LoadPartRates), "");
    for (char fill : {'\0', ' ', 'x'}) {
        WriteFile("Data/paco.dat", std::string(280, fill));
        EXPECT_EQ(ReportOf(LoadPartCosts),
                  "velmara: Data/paco.dat is damaged: field 1 of 56 is not a plain number and reads as 0\n")
            << int{fill};
        EXPECT_EQ(CostsObj.Engine[1], 0);
        EXPECT_EQ(CostsObj.Body[6], 0);
    }
    // A figure changed, or signed, is still a plain number.
    const struct {
        const char* field;
        i32 readsAs;
    } plain[] = {{"  189", 189}, {" -120", -120}, {"  +60", 60}};
    for (const auto& figure : plain) {
        WriteFile("Data/paco.dat", std::string(figure.field) + whole.substr(5));
        EXPECT_EQ(ReportOf(LoadPartCosts), "") << figure.field;
        EXPECT_EQ(CostsObj.Engine[1], figure.readsAs);
    }
}

// From the cheapest or lowest rated choices of a list to the dearest or
// highest: one part of it, or any set of its items, each at most once.
struct Span {
    i32 Lowest, Highest;
};

Span OneOf(const i32* list) {
    const auto [low, high] = std::minmax_element(list + 1, list + 11);
    return {*low, *high};
}

Span AnyOf(const i32* list) {
    Span sum{0, 0};
    for (i32 id = 1; id <= 10; ++id) (list[id] < 0 ? sum.Lowest : sum.Highest) += list[id];
    return sum;
}

Span Total(std::initializer_list<Span> spans) {
    Span total{0, 0};
    for (const Span& span : spans) {
        total.Lowest += span.Lowest;
        total.Highest += span.Highest;
    }
    return total;
}

// The game's own tables make designs that cost 450 to 3848 and are rated
// 96 to 649, all inside the bounds a stored design keeps to (which the
// studio shows whole and a month builds without wrapping), so storing
// holds none of them back.
TEST_F(PartTables, TheGameTablesMakeEveryDesignWithinTheStoredBounds) {
    LoadPartCosts();
    LoadPartRates();
    const Costs& c = CostsObj;
    const Rates& r = RateObj;
    const Span cost = Total({OneOf(c.Brakes), OneOf(c.Suspension), OneOf(c.Engine), AnyOf(c.Luxury),
                             AnyOf(c.Safety), {c.Body[1], c.Body[6]}});
    const Span bonuses{0, 3 * r.PartBonus + 3 * r.VariantBonus};
    const Span rating = Total({OneOf(r.Brakes), OneOf(r.Suspension), OneOf(r.Engine), AnyOf(r.Luxury),
                               AnyOf(r.Safety), {r.Body, r.Body}, bonuses});
    EXPECT_EQ(cost.Lowest, 450);
    EXPECT_EQ(cost.Highest, 3848);
    EXPECT_EQ(rating.Lowest, 96);
    EXPECT_EQ(rating.Highest, 649);
    EXPECT_GE(cost.Lowest, kStoredDesignCost.Lowest);
    EXPECT_LE(cost.Highest, kStoredDesignCost.Highest);
    EXPECT_GE(rating.Lowest, kStoredDesignRating.Lowest);
    EXPECT_LE(rating.Highest, kStoredDesignRating.Highest);
}

// The best car of a research level, as the design screen would store it:
// every part at the level, every item up to it, the body of the era that
// research reaches alongside, and the body type whose engine and variants
// earn every bonus the level allows.
struct BestCar {
    i32 Level;
    i32 Era;
    i32 BodyType;
    i32 EngineVariant, BrakesVariant, SuspensionVariant;
    i32 UnitCost, Rating;
    // The top prices at which stock 30 sells 30, 20 and 10 cars.
    i32 WholeStockTop, TwoThirdsTop, OneThirdTop;
};

// Worked out once from the shipped tables. Level 1: cost 180 + 70 + 60 + 40
// + 35 + body 140 = 525; rating 40 + 16 + 15 + 6 + 7 + body 25 + three
// variant bonuses of 8 = 133; V = 2 x (3 x 133 + 525) = 1848, A = 987,
// E = 861, E / 3 = 287: the whole stock up to 986, two thirds up to 1273, a
// third up to 1560. Levels 8, 9 and 10 add a part bonus of 20 for the
// engine that suits the body, level 10 two more for brakes and suspension.
constexpr BestCar kBestCars[] = {
    {1, 1, BODY_FAMILY_WAGON, 1, 2, 2, 525, 133, 986, 1273, 1560},
    {2, 1, BODY_FAMILY_WAGON, 1, 2, 2, 780, 179, 1437, 1835, 2233},
    {3, 2, BODY_FAMILY_WAGON, 1, 2, 2, 1200, 236, 2153, 2707, 3261},
    {4, 2, BODY_FAMILY_WAGON, 1, 2, 2, 1483, 280, 2643, 3310, 3977},
    {5, 3, BODY_FAMILY_WAGON, 1, 2, 2, 1855, 327, 3272, 4071, 4870},
    {6, 3, BODY_FAMILY_WAGON, 1, 2, 2, 2169, 375, 3815, 4739, 5663},
    {7, 4, BODY_FAMILY_WAGON, 1, 2, 2, 2580, 426, 4508, 5577, 6646},
    {8, 4, BODY_LUXURY, 3, 2, 2, 2918, 498, 5123, 6356, 7589},
    {9, 5, BODY_FAMILY_WAGON, 1, 2, 2, 3369, 553, 5882, 7273, 8664},
    {10, 5, BODY_RACE_CAR, 4, 3, 2, 3732, 649, 6570, 8165, 9760},
};

// Stores the best car of `best.Level` in slot 1.
void StoreBestCar(const BestCar& best) {
    for (i32 c : {PART_BRAKES, PART_SUSPENSION, PART_ENGINE, PART_LUXURY, PART_SAFETY})
        PlayerResearch.ResearchLevel[c] = best.Level;
    PlayerResearch.ResearchLevel[PART_BODY] = best.Era;
    PlayerCar.Slot = 1;
    Player::DeleteModel();
    Car& design = PlayerCar;
    std::memcpy(design.Name, "best", 4);
    design.BodyType = best.BodyType;
    design.Era = best.Era;
    design.Brakes = design.Suspension = design.Engine = best.Level;
    design.EngineVariant = best.EngineVariant;
    design.BrakesVariant = best.BrakesVariant;
    design.SuspensionVariant = best.SuspensionVariant;
    for (i32 item = 1; item <= best.Level; ++item) design.LuxuryItems[item] = design.SafetyItems[item] = item;
    design.FrontPiece = design.MiddlePiece = design.RearPiece = 1;
    Player::SaveModel();
}

// Cars of slot 1 sold out of a stock of 30 at `price`.
i32 SoldAt(i32 price) {
    ModelSaleObj.Stock[0][1] = 30;
    PlayerFactorySalon.Region[0].Salesmen = 100;
    PlayerCar1.Price = price;
    Player::SellModels();
    return ModelSaleObj.Sold[0][1];
}

// The price is typed with four digits. The best car of every research level
// must leave the demand's price bands within reach, or the best cars would
// all sell at 9999 and research past some level would lower the margin
// instead of raising it.
TEST_F(PartTables, TheBestCarOfEveryLevelCanBePricedInEveryBand) {
    LoadPartCosts();
    LoadPartRates();
    i32 lastTop = 0;
    for (const BestCar& best : kBestCars) {
        SCOPED_TRACE("level " + std::to_string(best.Level));
        StoreBestCar(best);
        ASSERT_EQ(PlayerCar.SlotUsed[1], 1);
        EXPECT_EQ(PlayerCar1.UnitCost, best.UnitCost);
        EXPECT_EQ(PlayerCar1.Rating, best.Rating);
        EXPECT_EQ(SoldAt(best.WholeStockTop), 30);
        EXPECT_EQ(SoldAt(best.WholeStockTop + 1), 20);
        EXPECT_EQ(SoldAt(best.TwoThirdsTop), 20);
        EXPECT_EQ(SoldAt(best.TwoThirdsTop + 1), 10);
        EXPECT_EQ(SoldAt(best.OneThirdTop), 10);
        EXPECT_EQ(SoldAt(best.OneThirdTop + 1), 0);
        EXPECT_LE(best.OneThirdTop, 9999);
        EXPECT_GT(best.OneThirdTop, lastTop);
        lastTop = best.OneThirdTop;
    }
}

}  // namespace
