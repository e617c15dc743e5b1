#pragma once
// The monthly loan installment: the debt left shared over the months left,
// truncated. The bank popup stores it at every paint, and the month step
// charges whatever stands in PlayerBank.Installment.

#include "model/records.h"

// LoanLeft / MonthsLeft; 0 when no month is left. A count of months below
// zero (a schedule already run out) also gives 0: dividing by it would
// turn the debt into a monthly gift, and INT_MIN / -1 does not exist.
constexpr i32 MonthlyInstallment(i32 loanLeft, i32 monthsLeft) {
    return monthsLeft > 0 ? loanLeft / monthsLeft : 0;
}
