#pragma once

#include "number_format.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace termalo::core {

// Conversion of one entry field's text to a number.
//
// Grammar: blanks* sign? mantissa exponent? blanks*, where blanks are space
// characters only, sign is "+" or "-", the mantissa is digits* (separator
// digits*)? and not empty, and the exponent is [Ee] sign? digits+. The
// separator is NumberFormat::decimalSeparator. Conversions are correctly
// rounded. A value too large for the format is an error (nullopt); a value too
// small becomes zero or the nearest representable value. Any byte string is
// accepted as input; nothing is read past its end and nothing throws.

std::optional<double> parseDouble(std::string_view text, const NumberFormat& format);
std::optional<float> parseSingle(std::string_view text, const NumberFormat& format);

// A room count: converted as a real number, then truncated toward zero. A value
// outside the 32-bit signed range is an error.
std::optional<std::int32_t> parseRoomCount(std::string_view text, const NumberFormat& format);

}  // namespace termalo::core
