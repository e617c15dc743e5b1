#pragma once
// The region the factory screen and the office map show, as a record.

#include "model/records.h"

// The record of PlayerFactorySalon.ShownRegion, or null while it names no
// region (only a damaged saved game holds such a value).
FactorySalonRegion* ShownFactoryRegion();
