#pragma once
// The month's thirteen figures, shared by the month-end screen and the
// office's month report.

#include "platform/canvas.h"

namespace screens {

// Expenses (wages, production, transport, advertising, loan installment,
// total), then income of regions 1..6 and the total, every one drawn, zero
// included.
void DrawMonthFigures(platform::Canvas& canvas);

}  // namespace screens
