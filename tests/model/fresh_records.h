#pragma once
// Tests of the model start from the program-start state: every record zero,
// the interface state zero and the random sequence at its start.

#include <gtest/gtest.h>

#include "model/records.h"
#include "platform/random.h"
#include "presentation/interface_state.h"

class FreshRecords : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAllRecords();
        ResetInterfaceState();
        platform::ResetRandom();
    }
};
