#pragma once
// What a month's shipments cost to carry: each car a fee drawn from 0 to
// kMostTransportPerCar, and each shipment kTransportPerShipment more. The
// rivals pay the same fee per car on their technicians' output.

#include "model/integers.h"

inline constexpr i32 kMostTransportPerCar = 23;
inline constexpr i32 kTransportPerShipment = 10;
