#pragma once

#include "number_format.h"

#include <optional>
#include <string>

namespace termalo::core {

// N(x, d): x rounded to 18 significant digits, then to at most 7 significant
// digits and at most `decimals` decimals (halves away from zero), written with
// the regional separators; above 7 integer digits in scientific form
// (1,234568E7). decimals is 0 or 2. No suffix.
std::string displayText(long double x, int decimals, const NumberFormat& format);

// displayText appended to `out`, for callers that build texts in place.
void appendDisplayText(std::string& out, long double x, int decimals, const NumberFormat& format);

// C(x): x rounded to a whole number as displayText(x, 0) rounds it, as plain
// digits with an optional "-". nullopt when the whole number does not fit in
// 64 bits (an overflow of its row).
std::optional<std::string> chartValue(long double x);

}  // namespace termalo::core
