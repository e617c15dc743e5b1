#pragma once
// Values of the game's records named in test tables: a row gives some and
// expects others, so a rule reads as one line of data.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/records.h"

// One value of the records, set before a table row runs or expected after
// it. A text stands for the first cells of a name or buffer.
struct Value {
    Value(i32& field, i32 value) : Int(&field), IntValue(value) {}
    Value(double& field, double value) : Real(&field), RealValue(value) {}
    template <std::size_t N>
    Value(char (&field)[N], const char* text) : Text(field), Chars(text), Length(std::min(std::strlen(text), N)) {
        if (Length < std::strlen(text)) ADD_FAILURE() << '"' << text << "\" is longer than its field";
    }

    void Set() const {
        if (Int != nullptr) *Int = IntValue;
        else if (Real != nullptr) *Real = RealValue;
        else std::memcpy(Text, Chars, Length);
    }
    void Expect(std::size_t k) const {
        if (Int != nullptr) {
            EXPECT_EQ(*Int, IntValue) << "value " << k;
        } else if (Real != nullptr) {
            EXPECT_EQ(*Real, RealValue) << "value " << k;
        } else {
            EXPECT_EQ(std::string(Text, Length), Chars) << "value " << k;
        }
    }

    i32* Int = nullptr;
    i32 IntValue = 0;
    double* Real = nullptr;
    double RealValue = 0.0;
    char* Text = nullptr;
    const char* Chars = nullptr;
    std::size_t Length = 0;
};
using Values = std::vector<Value>;

inline Values Join(std::initializer_list<Values> lists) {
    Values all;
    for (const Values& list : lists) all.insert(all.end(), list.begin(), list.end());
    return all;
}

inline void SetAll(const Values& values) {
    for (const Value& value : values) value.Set();
}

inline void ExpectAll(const Values& values) {
    for (std::size_t k = 0; k < values.size(); ++k) values[k].Expect(k);
}
