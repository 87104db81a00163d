#pragma once
// What the fuzz targets hold the core against: answers reached another way than
// the core's own code (a regular expression for the number grammar, the C
// library for conversions, a read-back for display texts).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace termalo::fuzz {

// True when `text` follows the number grammar with `separator` as the decimal
// separator, decided by a POSIX extended regular expression.
bool matchesGrammar(std::string_view text, std::string_view separator);

// The C library's conversions of a text that matches the grammar: strtod and
// strtof in the "C" locale on a copy without blanks and with a full stop as
// separator. nullopt when the value is too large for the format.
std::optional<double> cDouble(std::string_view text, std::string_view separator);
std::optional<float> cSingle(std::string_view text, std::string_view separator);
std::optional<std::int32_t> cRoomCount(std::string_view text, std::string_view separator);

// True when `yearText` names a year in which February has 29 days: four ASCII
// digits, by a POSIX regular expression, whose year std::chrono's calendar
// takes for a leap year. Any other text names no leap year.
bool isLeapYearText(std::string_view yearText);

// A display text read back as a number: group separators dropped, the decimal
// separator a full stop, any suffix after the number ignored; nullopt when the
// text does not start with a number.
std::optional<long double> readBack(std::string_view text, std::string_view decimalSeparator,
                                    std::string_view groupSeparator);

// True when `shown`, the read-back of a display text of x with `decimals`
// decimals and at most seven significant digits, lies within half a unit of
// its last digit of x (with room for x's rounding to 18 digits first).
bool withinHalfUnit(long double x, long double shown, int decimals);

// Reports a broken property with the input that broke it, and aborts.
[[noreturn]] void fail(const char* what, std::string_view detail);

template <class T>
bool sameBits(const T& a, const T& b)
{
    return __builtin_memcmp(&a, &b, sizeof(T)) == 0;
}

}  // namespace termalo::fuzz
