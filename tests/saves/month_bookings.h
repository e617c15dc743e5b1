#pragma once
// The sums a month books, by name, the player's and a rival's: what the
// tests that play a loaded game on read after each month.

#include <array>
#include <utility>

#include "model/records.h"
#include "model/rival_records.h"

namespace saves_test {

using Booking = std::pair<const char*, i32>;

inline std::array<Booking, 7> PlayersBookings() {
    const Expenses& spent = ExpensesObj;
    return {{
        {"production", spent.ProductionTotal}, {"transport", spent.TransportCost},
        {"advertising", spent.AdvertisingTotal}, {"wages", spent.Wages},
        {"installment", spent.Installment}, {"expenses", spent.Total}, {"income", IncomeObj.Total},
    }};
}

inline std::array<Booking, 6> RivalsBookings(const RivalRecords& rival) {
    return {{
        {"a rival's production", rival.expenses.ProductionTotal},
        {"a rival's transport", rival.expenses.TransportCost},
        {"a rival's wages", rival.expenses.Wages},
        {"a rival's installment", rival.expenses.Installment},
        {"a rival's expenses", rival.expenses.Total},
        {"a rival's income", rival.income.Total},
    }};
}

}  // namespace saves_test
