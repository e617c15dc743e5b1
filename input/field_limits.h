#pragma once
// The limits of the numeric fields. Each takes the number just stored into
// its record field and what the field held before the key, and leaves the
// field within its bounds. Clamps are silent: nothing is reported, and the
// buffer keeps the digits as typed. No limit ever leaves a count, amount or
// assignment below 0, whatever the records held before.

#include "model/records.h"

namespace field_limits {

// Staff to hire: at most kMostHiredAtOnce at once, and never more than the
// kind can still take on before it employs kMostStaffOfAKind.
template <Staff& kind> void Hire(i32& value, i32 before);
// Staff to fire: never more than are free (working nowhere).
template <Staff& kind> void Fire(i32& value, i32 before);
// A plain upper bound: wages, the bank's deposit and loan amounts.
template <i32 highest> void AtMost(i32& value, i32 before);
// Technicians for the shown region's factory: the free technicians, then
// kTechniciansPerFactory in a region with a factory and none in one without.
void FactoryTechnicians(i32& value, i32 before);
// Salesmen for the shown region's salons: the free salesmen, then
// kSalesmenPerSalon a salon.
void SalonSalesmen(i32& value, i32 before);
// Scientists of the open research area: they come from and go back to the
// free scientists, and the six areas together stay within the laboratory.
void ResearchScientists(i32& value, i32 before);

}  // namespace field_limits
