#pragma once
// The bank's loan terms: the only months and interest rates the term arrows
// offer. The rate is for the whole term, added to the debt once when the
// loan is taken.

#include <iterator>

#include "model/records.h"

struct LoanTerm {
    i32 Months;
    i32 Rate;    // percent
};

inline constexpr LoanTerm kLoanTerms[] = {{3, 8}, {6, 9}, {12, 10}, {24, 12}, {36, 14}, {48, 16}};
inline constexpr i32 kLoanTermCount = static_cast<i32>(std::size(kLoanTerms));
inline constexpr i32 kLongestLoanTerm = kLoanTerms[kLoanTermCount - 1].Months;

constexpr i32 HighestLoanRate() {
    i32 highest = 0;
    for (const LoanTerm& term : kLoanTerms)
        if (term.Rate > highest) highest = term.Rate;
    return highest;
}

// The most the bank is ever owed: the largest loan at the highest rate, as
// much as a new game's starting loan owes. Interest is counted on whole
// hundreds.
inline constexpr i32 kMostOwed = kHighestLoan + kHighestLoan / 100 * HighestLoanRate();
static_assert(kMostOwed == 116000);

// The term of `months` in the table, or null for one the bank never offers.
constexpr const LoanTerm* FindLoanTerm(i32 months) {
    for (const LoanTerm& term : kLoanTerms)
        if (term.Months == months) return &term;
    return nullptr;
}
