#include "core/number_syntax.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <regex>
#include <string>

using namespace termalo::core;
using namespace std::string_literals;

namespace {

const NumberFormat kComma{",", " "};
const NumberFormat kPoint{".", ","};

struct DoubleCase {
    const char* name;
    std::string text;
    std::optional<double> value;
};

class DoubleSyntax : public testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleSyntax, ConvertsOrRejects) {
    const DoubleCase& c = GetParam();
    const std::optional<double> got = parseDouble(c.text, kComma);
    ASSERT_EQ(got.has_value(), c.value.has_value()) << '"' << c.text << '"';
    if (c.value) {
        EXPECT_EQ(*got, *c.value) << '"' << c.text << '"';
        EXPECT_EQ(std::signbit(*got), std::signbit(*c.value)) << '"' << c.text << '"';
    }
}

const DoubleCase kDoubleCases[] = {
    {"plain integer", "42", 42.0},
    {"blanks around digits", "  42   ", 42.0},
    {"blank inside digits", "4 2", std::nullopt},
    {"empty text", "", std::nullopt},
    {"blanks only", "   ", std::nullopt},
    {"tab is not a blank", "\t42", std::nullopt},
    {"trailing tab", "42\t", std::nullopt},
    {"decimal comma", "1234,50", 1234.5},
    {"full stop is not the separator", "1234.50", std::nullopt},
    {"grouped thousands", "1 234,50", std::nullopt},
    {"two separators", "1,2,3", std::nullopt},
    {"exponent", "2,5E3", 2500.0},
    {"lower-case exponent with sign", "25e-1", 2.5},
    {"exponent plus sign", "1e+2", 100.0},
    {"exponent without digits", "1e", std::nullopt},
    {"exponent sign without digits", "1e-", std::nullopt},
    {"exponent alone", "e5", std::nullopt},
    {"separator then exponent", ",e5", 0.0},
    {"lone separator", ",", 0.0},
    {"lone separator with sign", "-,", -0.0},
    {"lone sign", "-", std::nullopt},
    {"lone plus", "+", std::nullopt},
    {"double sign", "--1", std::nullopt},
    {"plus sign", "+7", 7.0},
    {"negative fraction", "-0,5", -0.5},
    {"leading separator", ",25", 0.25},
    {"trailing separator", "25,", 25.0},
    {"blank between sign and digits", "- 1", std::nullopt},
    {"blank before exponent", "1 e5", std::nullopt},
    {"currency sign", "12 z\xC5\x82", std::nullopt},
    {"hexadecimal", "0x10", std::nullopt},
    {"infinity word", "inf", std::nullopt},
    {"nan word", "nan", std::nullopt},
    {"many leading zeros", "000000000000000000000000000012", 12.0},
    {"too large", "1e309", std::nullopt},
    {"largest double", "1,7976931348623157e308", 1.7976931348623157e308},
    {"rounds past the largest double", "1,7976931348623159e308", std::nullopt},
    {"too small becomes zero", "1e-400", 0.0},
    {"too small keeps its sign", "-1e-400", -0.0},
    {"subnormal kept", "5e-324", 4.9406564584124654e-324},
    {"huge exponent digit run", "1e99999999999999999999", std::nullopt},
    {"huge negative exponent digit run", "1e-99999999999999999999", 0.0},
    {"zero with huge exponent", "0e99999999999999999999", 0.0},
    {"long fraction compensates exponent", "0,"s + std::string(500, '0') + "1e501", 1.0},
    {"long digit run compensates exponent", "1"s + std::string(400, '0') + "e-400", 1.0},
    {"correctly rounded halfway", "9007199254740993", 9007199254740992.0},
    {"embedded NUL", "4\0"s "2", std::nullopt},
    {"trailing NUL", "42\0"s, std::nullopt},
    {"invalid UTF-8", "4\xFF", std::nullopt},
    {"no-break space is not a blank", "\xC2\xA0" "42", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Cases, DoubleSyntax, testing::ValuesIn(kDoubleCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

TEST(NumberSyntax, SeparatorComesFromTheRegionalSettings) {
    EXPECT_EQ(parseDouble("1234.50", kPoint), 1234.5);
    EXPECT_EQ(parseDouble("1234,50", kPoint), std::nullopt);
    const NumberFormat multiByte{"\xC2\xB7", ""};  // a middle dot, two bytes
    EXPECT_EQ(parseDouble("3\xC2\xB7" "5", multiByte), 3.5);
    EXPECT_EQ(parseDouble("\xC2\xB7", multiByte), 0.0);
    EXPECT_EQ(parseDouble("3\xC2", multiByte), std::nullopt);  // half a separator
    EXPECT_EQ(parseDouble("3,5", multiByte), std::nullopt);
}

TEST(NumberSyntax, SingleIsRoundedDirectlyFromTheText) {
    EXPECT_EQ(parseSingle("16777217", kComma), 16777216.0f);
    EXPECT_EQ(parseSingle("0,1", kComma), 0.1f);
    // Rounding through double first would give the other neighbour here: the
    // text lies just above the midpoint of two floats but rounds to the
    // midpoint in double.
    EXPECT_EQ(parseSingle("1,0000000596046447753906251", kComma), 1.00000011920928955078125f);
    EXPECT_EQ(parseSingle("3,4028235e38", kComma), 3.4028235e38f);
    EXPECT_EQ(parseSingle("3,5e38", kComma), std::nullopt);
    EXPECT_EQ(parseSingle("1e39", kComma), std::nullopt);
    EXPECT_EQ(parseSingle("1e-50", kComma), 0.0f);
    EXPECT_EQ(parseSingle("1,5e-45", kComma), std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(parseSingle("31", kComma), 31.0f);
}

TEST(NumberSyntax, RoomCountsAreTruncatedTowardZero) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> rooms;
    };
    const Case cases[] = {
        {"12", 12},
        {"12,9", 12},
        {"3,99", 3},
        {"10,9", 10},
        {"-3,7", -3},
        {"-0,5", 0},
        {"-1", -1},
        {"2,5E1", 25},
        {"2147483647", 2147483647},
        {"2147483647,9", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", -2147483648},
        {"-2147483648,9", -2147483648},
        {"-2147483649", std::nullopt},
        {"1e10", std::nullopt},
        {"1e400", std::nullopt},
        {"", std::nullopt},
        {"12 pokoi", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseRoomCount(c.text, kComma), c.rooms) << '"' << c.text << '"';
    }
}

// --- Property test: random texts against an independent statement of the grammar.

std::string escapeForRegex(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

std::string normalise(const std::string& text, const std::string& separator) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, separator.size(), separator) == 0) {
            out += '.';
            i += separator.size();
        } else {
            if (text[i] != ' ') out += text[i];
            ++i;
        }
    }
    return out;
}

bool mantissaHasDigit(const std::string& normalised) {
    for (char c : normalised) {
        if (c == 'e' || c == 'E') break;
        if (c >= '0' && c <= '9') return true;
    }
    return false;
}

TEST(NumberSyntaxProperty, RandomTextsFollowTheGrammarAndRoundTrip) {
    const NumberFormat formats[] = {{",", " "}, {".", ","}, {"\xC2\xA0", ""}};
    const std::string alphabet = "0123456789012345678901234567890123456789+-,. eEeExa\x80\xC2\xA0\xFF"s
                                 + '\0';
    std::mt19937 random(20260401);
    std::uniform_int_distribution<std::size_t> length(0, 9);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    int accepted = 0;
    const int perFormat = 35000;

    for (const NumberFormat& format : formats) {
        const std::regex grammar(" *[+-]?([0-9]+(" + escapeForRegex(format.decimalSeparator) +
                                 "[0-9]*)?|" + escapeForRegex(format.decimalSeparator) +
                                 "[0-9]*)([eE][+-]?[0-9]+)? *");
        for (int n = 0; n < perFormat; ++n) {
            std::string text;
            const std::size_t len = length(random);
            for (std::size_t i = 0; i < len; ++i) text += alphabet[pick(random)];

            const bool valid = std::regex_match(text, grammar);
            const std::optional<double> d = parseDouble(text, format);
            const std::optional<float> f = parseSingle(text, format);
            const std::optional<std::int32_t> rooms = parseRoomCount(text, format);
            if (!valid) {
                ASSERT_FALSE(d || f || rooms) << "accepted \"" << text << '"';
                continue;
            }
            ++accepted;
            const std::string plain = normalise(text, format.decimalSeparator);
            double expectedD = 0;
            float expectedF = 0;
            bool overflowD = false, overflowF = false;
            if (mantissaHasDigit(plain)) {
                expectedD = std::strtod(plain.c_str(), nullptr);
                expectedF = std::strtof(plain.c_str(), nullptr);
                overflowD = std::isinf(expectedD);
                overflowF = std::isinf(expectedF);
            } else if (plain[0] == '-') {
                expectedD = -0.0;
                expectedF = -0.0f;
            }
            ASSERT_EQ(d.has_value(), !overflowD) << '"' << text << '"';
            if (d) {
                ASSERT_EQ(*d, expectedD) << '"' << text << '"';
            }
            ASSERT_EQ(f.has_value(), !overflowF) << '"' << text << '"';
            if (f) {
                ASSERT_EQ(*f, expectedF) << '"' << text << '"';
            }
            const double t = std::trunc(expectedD);
            if (!overflowD && t >= -2147483648.0 && t <= 2147483647.0) {
                ASSERT_EQ(rooms, static_cast<std::int32_t>(t)) << '"' << text << '"';
            } else {
                ASSERT_EQ(rooms, std::nullopt) << '"' << text << '"';
            }
        }
    }
    // The alphabet is weighted so that a good share of the texts are numbers.
    EXPECT_GT(accepted, 10000);
}

}  // namespace

TEST(NumberSyntax, HugeTextsKeepTheirValue) {
    // Digits far beyond any exponent limit are brought back by the exponent.
    const std::string manyZeros(200000, '0');
    EXPECT_EQ(parseDouble("1" + manyZeros + "e-200005", kComma), 1e-5);
    EXPECT_EQ(parseDouble("0," + manyZeros + "1e200003", kComma), 100.0);
    EXPECT_EQ(parseDouble("1" + manyZeros, kComma), std::nullopt) << "too large";
    EXPECT_EQ(parseSingle(std::string(10 << 20, '7'), kComma), std::nullopt);
}
