#include <gtest/gtest.h>

#include "model/records.h"

TEST(Records, ModelSlotsAreTheNamedRecords) {
    EXPECT_EQ(&PlayerModel(1), &PlayerCar1);
    EXPECT_EQ(&PlayerModel(10), &PlayerCar10);
    EXPECT_EQ(&OpponentModel(2, 7), &Opponent2Car7);
}
