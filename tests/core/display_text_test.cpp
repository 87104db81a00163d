#include "core/display_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

using namespace termalo::core;

namespace {

const NumberFormat kBlank{",", " "};

struct Case {
    const char* name;
    long double x;
    int decimals;
    const char* text;
};

TEST(DisplayText, RoundsAndFormats) {
    const Case cases[] = {
        {"exact half of the second decimal rounds up", 12.125L, 2, "12,13"},
        {"half in a longer value", 166.875L, 2, "166,88"},
        {"percent example", 85.125L, 2, "85,13"},
        {"half of a unit with no decimals", 1234.5L, 0, "1 235"},
        {"seven significant digits, then padded", 123456.789L, 2, "123 456,80"},
        {"seven digits exactly", 1234567.0L, 0, "1 234 567"},
        {"seven digits, decimals dropped", 1234567.89L, 2, "1 234 568,00"},
        {"eight integer digits turn scientific", 12345678.0L, 0, "1,234568E7"},
        {"scientific drops trailing zeros", 20000000.0L, 0, "2E7"},
        {"scientific with decimals asked", 12345678.9L, 2, "1,234568E7"},
        {"rounding carries into an eighth digit", 9999999.5L, 0, "1E7"},
        {"rounding carries past eight digits", 99999999.9L, 0, "1E8"},
        {"carry stays below eight digits", 999999.95L, 2, "1 000 000,00"},
        {"zero", 0.0L, 2, "0,00"},
        {"zero without decimals", 0.0L, 0, "0"},
        {"negative zero", -0.0L, 2, "0,00"},
        {"small negative rounds to zero without a sign", -0.001L, 2, "0,00"},
        {"small negative half rounds away from zero", -0.005L, 2, "-0,01"},
        {"half of the last decimal rounds up", 0.005L, 2, "0,01"},
        {"below half rounds down", 0.0049L, 2, "0,00"},
        {"below a unit", 0.4L, 0, "0"},
        {"half a unit", 0.5L, 0, "1"},
        {"far below a unit", 1e-30L, 2, "0,00"},
        {"negative grouped", -1234567.0L, 0, "-1 234 567"},
        {"negative with decimals", -12.125L, 2, "-12,13"},
        {"negative scientific", -12345678.0L, 0, "-1,234568E7"},
        {"huge", 1.5e300L, 2, "1,5E300"},
        {"beyond double range", 1e1000L, 0, "1E1000"},
        {"thousand boundary", 999.999L, 2, "1 000,00"},
        {"below a thousand", 999.994L, 2, "999,99"},
        {"18-digit rounding first: 0.1 in binary", 0.1L, 2, "0,10"},
        {"trailing zeros kept", 150.0L, 2, "150,00"},
        {"large whole number", 4294967296.0L, 0, "4,294967E9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(displayText(c.x, c.decimals, kBlank), c.text) << c.name;
    }
}

TEST(DisplayText, EighteenDigitDecimalDecidesHalves) {
    // 2.675 is stored as 2.67499999999999982236431605997495353221893310546875
    // in double: its 18-digit decimal 2.67499999999999982 rounds down. A long
    // double that is a half at 18 digits rounds up.
    EXPECT_EQ(displayText(static_cast<long double>(2.675), 2, kBlank), "2,67");
    // The long double nearest to 2.675 is 2.675 to 18 digits: a half, rounded up.
    EXPECT_EQ(displayText(2.675L, 2, kBlank), "2,68");
    // One ulp below a half: the 18-digit decimal is the half itself, so it rounds up.
    const long double nearlyHalf = std::nextafter(12.5L, 0.0L);
    ASSERT_LT(nearlyHalf, 12.5L);
    EXPECT_EQ(displayText(nearlyHalf, 0, kBlank), "13");
    EXPECT_EQ(chartValue(nearlyHalf), "13");
}

TEST(DisplayText, RegionalSeparators) {
    EXPECT_EQ(displayText(123456.789L, 2, NumberFormat{",", "\xC2\xA0"}), "123\xC2\xA0" "456,80");
    EXPECT_EQ(displayText(1234567.0L, 0, NumberFormat{".", ","}), "1,234,567");
    EXPECT_EQ(displayText(1234.5L, 2, NumberFormat{".", ""}), "1234.50");
    EXPECT_EQ(displayText(12345678.0L, 0, NumberFormat{".", ","}), "1.234568E7");
    EXPECT_EQ(displayText(1234.5L, 2, NumberFormat{"\xC2\xB7", "'"}), "1'234\xC2\xB7" "50");
}

TEST(ChartValue, RoundsToWholeNumbersHalvesAwayFromZero) {
    struct ChartCase {
        long double x;
        std::optional<std::string> text;
    };
    const ChartCase cases[] = {
        {99.5L, "100"},
        {85.5L, "86"},
        {85.49L, "85"},
        {-12.5L, "-13"},
        {12.8L, "13"},
        {1234.56L, "1235"},
        {0.0L, "0"},
        {-0.4L, "0"},
        {0.5L, "1"},
        {12345678.0L, "12345680"},  // seven significant digits, as the display text
        {-2147483648.0L, "-2147484000"},
        {9.2233715e18L, "9223372000000000000"},
        {-9.2233715e18L, "-9223372000000000000"},
        {9.2233725e18L, std::nullopt},
        {1e19L, std::nullopt},
        {-1e30L, std::nullopt},
        {std::numeric_limits<long double>::infinity(), std::nullopt},
        {std::numeric_limits<long double>::quiet_NaN(), std::nullopt},
    };
    for (const ChartCase& c : cases) {
        EXPECT_EQ(chartValue(c.x), c.text) << static_cast<double>(c.x);
    }
}

}  // namespace
