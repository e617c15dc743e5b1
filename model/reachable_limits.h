#pragma once
// How far a game's own months carry the figures a month adds to or
// multiplies: a new game starts far below each bound, and no game played
// month by month comes near one before the calendar passes kLastYear. A
// loaded game is kept within them, so that no sum a month makes can wrap.

#include <climits>
#include <cstdint>

#include "model/loan_terms.h"
#include "model/records.h"

// The calendar: a new game's January, and the last year its four digits show.
inline constexpr i32 kFirstYear = 1908;
inline constexpr i32 kLastYear = 9999;
// Months from a new game to the end of kLastYear. A rival's levels rise at
// most once a month, and its loan's months count down once a month.
inline constexpr i32 kMostMonthsPlayed = (kLastYear - kFirstYear + 1) * kMonthsPerYear;

// A new game's wage of each kind, in StaffKind order; wages only rise from
// there, by 15 every three years (the scientists' 100 reach 40555 in 9999).
inline constexpr i32 kStartWage[kStaffKindCount] = {90, 100, 80};
inline constexpr i32 kHighestWage = 50000;

// Cars in a region's stock: a month ships at most kTechniciansPerFactory in
// each region with a factory, so no game nears a billion.
inline constexpr i32 kMostStock = 1000000000;

// A month's expenses are its wages, advertising, installment, transport and
// production. At their tops the first four leave room for a month's
// production: at most 1320 cars, at the dearest design's 3848 with the
// game's part tables, and never more than the cash (kept to the 32-bit top).
namespace reachable_limits_check {
inline constexpr std::int64_t kMostCarsAMonth = std::int64_t{kRegionCount} * kTechniciansPerFactory;
inline constexpr std::int64_t kMostWages = std::int64_t{kStaffKindCount} * kMostStaffOfAKind * kHighestWage;
inline constexpr std::int64_t kMostAdvertising = std::int64_t{kAdBlocks} * kMedia * kHighestAdvertAmount;
inline constexpr std::int64_t kMostTransport = kMostCarsAMonth * 23 + kRegionCount * kModelSlots * 10;
static_assert(kMostWages + kMostAdvertising + kMostOwed + kMostTransport <= INT_MAX - 500000000,
              "a month's wages, advertising, installment and transport leave room for its production");
}  // namespace reachable_limits_check
