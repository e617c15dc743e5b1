#pragma once
// Bounds that no game begun by the program outgrows: a new game starts far
// below each, no month is played after kLastMonthPlayed (model/calendar.h),
// and the game is still within each by then. A loaded game is kept within
// them, so that no cost pays and no sum a month makes wraps. They are not
// what one company could have reached: inside them, an edited game plays as
// edited.
//
// The margins differ. Stock stays far below its bound and wages well below
// theirs (see each below), and a rival's levels in practice too, at about
// one a level each 84 months. The counts that move once a month are tied
// to the calendar itself: a rival's loan months count down from 0 once a
// month, so by kLastMonthPlayed they stand at -(kMostMonthsPlayed - 1),
// one month inside their floor of -kMostMonthsPlayed, and a rival's level,
// from at most 1, rising at most once a month, reaches kMostMonthsPlayed
// at the most.

#include <climits>
#include <cstdint>

#include "model/calendar.h"
#include "model/design_limits.h"
#include "model/loan_terms.h"
#include "model/records.h"
#include "model/transport.h"

// Months from a new game's January to the end of kLastYear, the bound of
// every count that moves once a month: a rival's levels rise at most once a
// month, and its loan's months count down once a month.
inline constexpr i32 kMostMonthsPlayed = (kLastYear - kFirstYear + 1) * kMonthsPerYear;
// The months a game begun by the program plays, one step each, from the
// month a new game opens in to the last month the month step plays.
inline constexpr std::int64_t kMonthStepsInTheCalendar =
    MonthsFromYearZero(kLastMonthPlayed) - MonthsFromYearZero(kFirstMonthPlayed);
static_assert(kMonthStepsInTheCalendar < kMostMonthsPlayed,
              "a count moving once a month from 0 stays inside -kMostMonthsPlayed..kMostMonthsPlayed");

// A new game's wage of each kind, in StaffKind order; wages only rise from
// there, by 15 every three years (the scientists' 100 reach 40555 in 9999).
inline constexpr i32 kStartWage[kStaffKindCount] = {90, 100, 80};
inline constexpr i32 kHighestWage = 50000;

// The most cars a month makes: each factory's technicians build at most one
// car each. Every factory may ship all of its cars to the same region.
inline constexpr i32 kMostCarsAMonth = kRegionCount * kTechniciansPerFactory;

// Cars in a region's stock: at kMostCarsAMonth a month, a region receives
// less than 130 million cars by the end of kLastYear.
inline constexpr i32 kMostStock = 1000000000;
static_assert(std::int64_t{kMostCarsAMonth} * kMostMonthsPlayed < kMostStock);

// A month's expenses are its wages, advertising, installment, transport and
// production. The first four at their tops leave kProductionRoom for
// production, which holds kMostCarsAMonth cars at the dearest cost a stored
// design keeps. A rival's month multiplies that cost by up to 10008
// technicians, which leaves its month room too (the tests play one at every
// top a loaded game keeps).
inline constexpr i32 kProductionRoom = 500000000;

namespace reachable_limits_check {
inline constexpr std::int64_t kMostWages = std::int64_t{kStaffKindCount} * kMostStaffOfAKind * kHighestWage;
inline constexpr std::int64_t kMostAdvertising = std::int64_t{kAdBlocks} * kMedia * kHighestAdvertAmount;
inline constexpr std::int64_t kMostTransport =
    std::int64_t{kMostCarsAMonth} * kMostTransportPerCar + std::int64_t{kRegionCount} * kModelSlots * kTransportPerShipment;
static_assert(kMostWages + kMostAdvertising + kMostOwed + kMostTransport + kProductionRoom <= INT_MAX,
              "a month's wages, advertising, installment and transport at their tops leave kProductionRoom");
static_assert(std::int64_t{kMostCarsAMonth} * kStoredDesignCost.Highest <= kProductionRoom,
              "a month's most cars at the dearest stored design fit in kProductionRoom");
}  // namespace reachable_limits_check
