#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <filesystem>
#include <string>

#include "model/part_tables.h"
#include "saves/saved_game_support.h"

using namespace saves_test;

namespace {

// A game with every saved field set, rivals' pass-through records included.
void FillValidGame(unsigned seed) {
    FillEveryRecord(seed);
    MakePlayerValuesValid();
}

std::string Int(i32 value) { return std::to_string(value); }

// The first byte where two snapshots differ, named by its place; "" if none.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::size_t offset = 0, index = 0;
    for (auto [record, size] : EveryRecord()) {
        for (std::size_t i = 0; i < size; ++i)
            if (expected[offset + i] != actual[offset + i])
                return "record " + std::to_string(index) + " byte " + std::to_string(i);
        offset += size;
        ++index;
    }
    return "";
}

}  // namespace

using SaveAndLoad = SavedGameTest;

// A load takes every saved field from the file and leaves every other byte
// of the running game as it was (names keep their sixteenth byte, the rivals
// their calendar, every record its typing buffers).
TEST_F(SaveAndLoad, EverySavedFieldComesBackAndEveryOtherByteStays) {
    FillValidGame(1);
    std::memcpy(PlayerObj.Name, "ab_c\0 _x\0yz  q\x01\xff", kNameSize);
    MainObj.Focus = FOCUS_SLOT_2;
    ASSERT_TRUE(SaveLoad::Save(2));
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
    const std::string file = ReadFile(SlotPath(2));
    ASSERT_EQ(file.size(), kSlotFileSize);
    const std::string saved = Snapshot();

    FillEveryRecord(2);  // another game, whose unsaved bytes the load must keep
    MainObj.Focus = FOCUS_SLOT_2;
    std::string expected = Snapshot();
    ASSERT_TRUE(SaveLoad::Load(2));
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
    MainObj.Focus = FOCUS_SLOT_2;
    const std::string loaded = Snapshot();

    for (const SavedField& field : SavedFields()) {
        const std::size_t at = SnapshotOffset(field.At);
        expected.replace(at, field.Size, saved, at, field.Size);
    }
    // The part tables are read again (checked below).
    const auto readAgain = [&](const auto& table) {
        expected.replace(SnapshotOffset(&table), sizeof table, loaded, SnapshotOffset(&table), sizeof table);
    };
    readAgain(CostsObj);
    readAgain(RateObj);
    EXPECT_EQ(FirstDifference(expected, loaded), "");

    // Saving the loaded game writes the same file again, stamp aside.
    ASSERT_TRUE(SaveLoad::Save(3));
    const std::string again = ReadFile(SlotPath(3));
    ASSERT_EQ(again.size(), kSlotFileSize);
    EXPECT_TRUE(again.compare(kStampFields * kFieldSize, std::string::npos, file,
                              kStampFields * kFieldSize, std::string::npos) == 0);
}

TEST_F(SaveAndLoad, FieldsStandWhereTheFormatPutsThem) {
    FillValidGame(3);
    PlayerObj.Cash = 100000.0;
    Opponent1Obj.Cash = 1e10;
    Opponent2Obj.Cash = 1234567890.0;
    Opponent2ProfitLoss.Loss = INT_MIN;
    Opponent1Car4 = Car{};  // never filled
    ASSERT_TRUE(SaveLoad::Save(1));
    const std::string file = ReadFile(SlotPath(1));
    ASSERT_EQ(file.size(), 44295u);

    EXPECT_EQ(FieldText(file, 0), Int(SlotMainObj.Month));
    EXPECT_EQ(FieldText(file, 4), Int(SlotMainObj.Minute));
    EXPECT_EQ(Field(file, 8), std::string("100000.\0\0\0\0\0\0\0\0", 15));
    EXPECT_EQ(Field(file, 1010), std::string("1.e+010\0\0\0\0\0\0\0\0", 15));
    EXPECT_EQ(FieldText(file, 1982), "1234567890");
    EXPECT_EQ(Field(file, 2952), std::string("-2147483648\0\0\0\0", 15));
    EXPECT_EQ(Field(file, 9), std::string(PlayerObj.Name, 15));
    EXPECT_EQ(Field(file, 1011), std::string(Opponent1Obj.Name, 15));
    EXPECT_EQ(Field(file, 1983), std::string(Opponent2Obj.Name, 15));
    // A record never filled: fifteen zero bytes of name, "0" for each number.
    const std::size_t empty = 1250 + 3 * 38;
    EXPECT_EQ(Field(file, empty), std::string(15, '\0'));
    for (std::size_t k = empty + 1; k < empty + 38; ++k) EXPECT_EQ(FieldText(file, k), "0");

    const struct {
        std::size_t field;
        i32 value;
    } spots[] = {
        {5, PlayerObj.Month}, {6, PlayerObj.Year}, {7, PlayerObj.HomeRegion},
        {10, PlayerSalesmans.Count}, {13, PlayerSalesmans.RaiseMonth}, {14, PlayerSalesmans.RaiseYear},
        {24, PlayerTechnicians.RaiseYear}, {25, PlayerBank.LoanLeft}, {34, PlayerBank.DepositAmount},
        {35, PlayerFactorySalon.FactoryPrice}, {36, PlayerFactorySalon.SalonPrice},
        {37, PlayerFactorySalon.Region[0].HasFactory},
        {112, PlayerFactorySalon.Region[3].ProductionLineShipTo[2][1]}, {157, PlayerFactorySalon.ShownRegion},
        {158, PlayerAdvertising.Block[0].Campaign[0].Amount}, {188, PlayerAdvertising.Block[3].Campaign[0].Amount},
        {217, PlayerAdvertising.Block[5].Campaign[4].Months}, {218, PlayerResearch.Scientists[0]},
        {224, PlayerResearch.LabCapacity}, {231, PlayerResearch.OwnedBodyTypes[0]},
        {241, PlayerResearch.OwnedBodyTypes[10]}, {242, PlayerResearch.BodyTypesOffered},
        {243, PlayerResearch.BodyTypesOwned}, {254, PlayerResearch.BodyTypePrice},
        {255, PlayerResearch.BodyTypesOffered}, {256, PlayerCar.SlotUsed[0]}, {266, PlayerCar.SlotUsed[10]},
        {268, PlayerCar1.BrakesVariant}, {271, PlayerCar1.LuxuryItems[0]}, {281, PlayerCar1.LuxuryItems[10]},
        {282, PlayerCar1.SafetyItems[0]}, {293, PlayerCar1.Era}, {294, PlayerCar1.Engine},
        {295, PlayerCar1.Brakes}, {296, PlayerCar1.Suspension}, {304, PlayerCar1.RearPiece},
        {646, PlayerCar10.RearPiece}, {647, ProductionObj.Shipped[0][0]}, {648, ProductionObj.Shipped[0][1]},
        {713, ProductionObj.ModelTotal[0]}, {724, ModelSaleObj.Sold[0][0]}, {826, ModelSaleObj.Stock[3][3]},
        {856, ExpensesObj.ProductionCost[0][0]}, {922, ExpensesObj.ProductionTotal},
        {924, ExpensesObj.AdvertisingCost[0]}, {933, ExpensesObj.Total}, {934, IncomeObj.ModelIncome[0][0]},
        {1000, IncomeObj.RegionIncome[0]}, {1006, IncomeObj.Total}, {1007, PlayerProfitLoss.Profit},
        {1008, PlayerProfitLoss.Loss}, {1009, Opponent1Obj.HomeRegion}, {1012, Opponent1Salesmans.Count},
        {1014, Opponent1Salesmans.Wage}, {1015, Opponent1Scientists.Count}, {1021, Opponent1Bank.LoanLeft},
        {1031, Opponent1FactorySalon.Region[0].HasFactory},
        {1106, Opponent1FactorySalon.Region[3].ProductionLineShipTo[2][1]},
        {1151, Opponent1FactorySalon.ShownRegion}, {1152, Opponent1Advertising.Block[0].Campaign[0].Amount},
        {1212, Opponent1Research.Scientists[0]}, {1236, Opponent1Research.BodyTypesOffered},
        {1249, Opponent1Research.BodyTypesOffered}, {1629, Opponent1Car10.RearPiece},
        {1630, Opponent1ProductionObj.Shipped[0][0]}, {1696, Opponent1ModelSaleObj.Sold[0][0]},
        {1980, Opponent1ProfitLoss.Loss}, {1981, Opponent2Obj.HomeRegion},
        {2003, Opponent2FactorySalon.Region[0].HasFactory},
        {2078, Opponent2FactorySalon.Region[3].ProductionLineShipTo[2][1]},
        {2123, Opponent2FactorySalon.ShownRegion}, {2208, Opponent2Research.BodyTypesOffered},
        {2221, Opponent2Research.BodyTypesOffered}, {2601, Opponent2Car10.RearPiece},
        {2602, Opponent2ProductionObj.Shipped[0][0]}, {2668, Opponent2ModelSaleObj.Sold[0][0]},
        {2951, Opponent2ProfitLoss.Profit},
    };
    for (const auto& spot : spots) EXPECT_EQ(FieldText(file, spot.field), Int(spot.value)) << "field " << spot.field;
    for (std::size_t block : {267u, 1250u, 2222u})
        for (std::size_t n = 0; n < 10; ++n) {
            const i32 slot = static_cast<i32>(n) + 1;
            const Car& model = block == 267 ? PlayerModel(slot) : OpponentModel(block == 1250 ? 1 : 2, slot);
            EXPECT_EQ(Field(file, block + 38 * n), std::string(model.Name, 15)) << block << " " << n;
        }

    // Behind every number's NUL the field holds zeros.
    const std::vector<SavedField> fields = SavedFields();
    ASSERT_EQ(fields.size(), kSlotFieldCount);
    for (std::size_t k = 0; k < kSlotFieldCount; ++k) {
        if (fields[k].IsName) continue;
        const std::string field = Field(file, k);
        const std::size_t end = field.find('\0');
        ASSERT_NE(end, std::string::npos) << "field " << k;
        EXPECT_EQ(field.find_first_not_of('\0', end), std::string::npos) << "field " << k;
    }
}

TEST_F(SaveAndLoad, TheLaterCopyOfTheOfferedBodyTypesStands) {
    FillValidGame(4);
    ASSERT_TRUE(SaveLoad::Save(1));
    std::string file = ReadFile(SlotPath(1));
    file.replace(242 * kFieldSize, kFieldSize, std::string("4\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 15));
    file.replace(255 * kFieldSize, kFieldSize, std::string("6\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 15));
    file.replace(1236 * kFieldSize, kFieldSize, std::string("44\0\0\0\0\0\0\0\0\0\0\0\0\0", 15));
    file.replace(1249 * kFieldSize, kFieldSize, std::string("-3\0\0\0\0\0\0\0\0\0\0\0\0\0", 15));
    WriteFile(SlotPath(1), file);
    ASSERT_TRUE(SaveLoad::Load(1));
    EXPECT_EQ(PlayerResearch.BodyTypesOffered, 6);
    EXPECT_EQ(Opponent1Research.BodyTypesOffered, -3);
}

TEST_F(SaveAndLoad, ALoadReadsThePartTablesAgain) {
    const auto scrawl = [] {
        std::memset(&CostsObj, 0x5a, sizeof CostsObj);
        std::memset(&RateObj, 0x5a, sizeof RateObj);
    };
    scrawl();
    LoadPartCosts();
    LoadPartRates();
    const Costs costs = CostsObj;
    const Rates rates = RateObj;
    FillValidGame(5);
    scrawl();
    ASSERT_TRUE(SaveLoad::Save(4));
    ASSERT_TRUE(SaveLoad::Load(4));
    EXPECT_EQ(std::memcmp(&CostsObj, &costs, sizeof costs), 0);
    EXPECT_EQ(std::memcmp(&RateObj, &rates, sizeof rates), 0);
}

TEST_F(SaveAndLoad, MissingShortAndOddSlotsLeaveTheGameAsItWas) {
    FillValidGame(6);
    ASSERT_TRUE(SaveLoad::Save(1));
    const std::string file = ReadFile(SlotPath(1));
    FillValidGame(7);
    MainObj.Focus = FOCUS_SLOT_2;
    const std::string running = Snapshot();

    EXPECT_FALSE(SaveLoad::Load(2));  // no file
    WriteFile(SlotPath(2), "");
    EXPECT_FALSE(SaveLoad::Load(2));
    WriteFile(SlotPath(2), file.substr(0, kSlotFileSize - 1));
    EXPECT_FALSE(SaveLoad::Load(2));
    std::filesystem::remove(SlotPath(2));
    std::filesystem::create_directory(SlotPath(2));  // a folder of that name
    EXPECT_FALSE(SaveLoad::Load(2));
    std::filesystem::remove(SlotPath(2));
    for (i32 slot : {0, 5, -1, INT_MIN}) {
        EXPECT_FALSE(SaveLoad::Load(slot));
        EXPECT_FALSE(SaveLoad::Save(slot));
    }
    EXPECT_TRUE(Snapshot() == running);
    // Only the first save's slot file and stamp texts are there.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("Data/Saves"),
                            std::filesystem::directory_iterator()), 2);

    // Bytes behind a complete game are never read.
    WriteFile(SlotPath(3), file + std::string(5000, '7'));
    FillValidGame(8);
    ASSERT_TRUE(SaveLoad::Load(1));
    const std::string loaded = Snapshot();
    FillValidGame(8);
    ASSERT_TRUE(SaveLoad::Load(3));
    EXPECT_TRUE(Snapshot() == loaded);
}

TEST_F(SaveAndLoad, AFailedSaveKeepsThePreviousSaveAndSaysSo) {
    FillValidGame(9);
    ASSERT_TRUE(SaveLoad::Save(1, Moment(1999, 12, 31, 23, 59, 58)));
    const std::string previous = ReadFile(SlotPath(1));
    FillValidGame(10);

    // The new file cannot even be created: no file descriptor is left.
    rlimit files{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &files), 0);
    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit none = files;
    none.rlim_cur = static_cast<rlim_t>(lowestFree);
    MainObj.Focus = FOCUS_SLOT_1;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    const bool created = SaveLoad::Save(1);
    ::setrlimit(RLIMIT_NOFILE, &files);
    EXPECT_FALSE(created);
    EXPECT_EQ(MainObj.Focus, FOCUS_SLOT_1);  // still chosen, to try again
    EXPECT_EQ(ReadFile(SlotPath(1)), previous);

    // The disk fills up halfway through the new file. The scratch file and
    // the stamp stay those of the last save that went through.
    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit small = original;
    small.rlim_cur = 20000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = SaveLoad::Save(1);
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(SlotPath(1)), previous);
    EXPECT_EQ(ReadFile("Data/Saves/sltime.dat"), std::string("12/31/99\0" "23:59:58\0", 18));
    ExpectStamp(SlotMainObj, 12, 31, 99, 23, 59);
    // The half-written temporary file is gone.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("Data/Saves"),
                            std::filesystem::directory_iterator()), 2);

    // With room again the save goes through.
    EXPECT_TRUE(SaveLoad::Save(1));
    EXPECT_NE(ReadFile(SlotPath(1)), previous);
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
}

TEST_F(SaveAndLoad, AMissingSavesFolderIsCreated) {
    std::filesystem::remove_all("Data/Saves");
    FillValidGame(11);
    ASSERT_TRUE(SaveLoad::Save(4));
    EXPECT_EQ(ReadFile(SlotPath(4)).size(), kSlotFileSize);
    SaveLoad::Check();
    EXPECT_EQ(MainObj.SlotEmpty[3], 0);
    EXPECT_TRUE(SlotDirectoryEntry(4).Month == SlotMainObj.Month && SlotDirectoryEntry(4).Minute == SlotMainObj.Minute);
    EXPECT_EQ(MainObj.SlotEmpty[0], 1);
}
