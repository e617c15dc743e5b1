#pragma once
// What a body type costs to research, and whether the player owns it. The
// body types popup shows the browsed type at this price (0 once owned) and
// stores it in PlayerResearch.BodyTypePrice at every paint; the buy button
// may ask here too, so that it charges the browsed type's own price even
// when no paint came between browsing and buying.

#include "model/records.h"

// Research price of body type 1..9; 0 for any other value.
i32 BodyTypeResearchPrice(i32 bodyType);

// Whether `bodyType` is among OwnedBodyTypes[1..BodyTypesOffered] (the
// entries not yet bought hold 0). Only the ten entries the record has are
// searched, whatever BodyTypesOffered says.
bool OwnsBodyType(const Research& research, i32 bodyType);

// The price of the browsed body type as offered: 0 when owned, else its
// research price. False (price untouched) when the browsed type is not 1..9.
bool BrowsedBodyTypePrice(const Research& research, i32& price);
