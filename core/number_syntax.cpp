#include "number_syntax.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace termalo::core {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of a text that follows the grammar. The digit runs are views into
// the original text.
struct Scanned {
    bool negative = false;
    std::string_view intDigits;
    std::string_view fracDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

std::optional<Scanned> scan(std::string_view text, std::string_view separator) {
    Scanned s;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto digitRun = [&]() {
        const std::size_t start = i;
        while (i < n && isDigit(text[i])) ++i;
        return text.substr(start, i - start);
    };

    while (i < n && text[i] == ' ') ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        s.negative = text[i] == '-';
        ++i;
    }
    s.intDigits = digitRun();
    bool haveSeparator = false;
    if (!separator.empty() && text.substr(i).starts_with(separator)) {
        haveSeparator = true;
        i += separator.size();
        s.fracDigits = digitRun();
    }
    // A separator alone is a mantissa; a sign alone is not.
    if (s.intDigits.empty() && !haveSeparator) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            s.exponentNegative = text[i] == '-';
            ++i;
        }
        s.exponentDigits = digitRun();
        if (s.exponentDigits.empty()) return std::nullopt;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return std::nullopt;
    return s;
}

// An exponent beyond the text's own length plus this lies far outside every
// format used here whatever the digits, so clamping to it keeps the
// arithmetic small without changing a result.
constexpr std::int64_t kExponentMargin = 100000;

template <typename Real>
std::optional<Real> convert(std::string_view text, const NumberFormat& format) {
    const std::optional<Scanned> scanned = scan(text, format.decimalSeparator);
    if (!scanned) return std::nullopt;
    const Scanned& s = *scanned;
    const Real zero = s.negative ? -Real(0) : Real(0);

    // Significant digits without leading zeros; the value is
    // 0.<digits> x 10^decimalExponent.
    std::string_view intPart = s.intDigits;
    std::string_view fracPart = s.fracDigits;
    std::int64_t decimalExponent = static_cast<std::int64_t>(intPart.size());
    while (!intPart.empty() && intPart.front() == '0') {
        intPart.remove_prefix(1);
        --decimalExponent;
    }
    if (intPart.empty()) {
        while (!fracPart.empty() && fracPart.front() == '0') {
            fracPart.remove_prefix(1);
            --decimalExponent;
        }
    }
    if (intPart.empty()) {
        while (!fracPart.empty() && fracPart.back() == '0') fracPart.remove_suffix(1);
    }
    if (intPart.empty() && fracPart.empty()) return zero;  // any exponent of zero is zero

    // A long run of digits can bring a large exponent back into range
    // ("1" and 200,000 zeros "e-200005" is 1e-5): the limit grows with the text.
    const std::int64_t exponentLimit = static_cast<std::int64_t>(text.size()) + kExponentMargin;
    std::int64_t exponent = 0;
    for (char c : s.exponentDigits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > exponentLimit) {
            exponent = exponentLimit;
            break;
        }
    }
    decimalExponent += s.exponentNegative ? -exponent : exponent;
    // Far outside the range: decide here, before building a text for it.
    if (decimalExponent > 1000) return std::nullopt;
    if (decimalExponent < -1000) return zero;

    // Normalised copy: [-]0.<digits>e<exponent>.
    std::string normalised;
    normalised.reserve(intPart.size() + fracPart.size() + 12);
    if (s.negative) normalised += '-';
    normalised += "0.";
    normalised += intPart;
    normalised += fracPart;
    normalised += 'e';
    char exponentText[24];
    const auto written = std::to_chars(exponentText, exponentText + sizeof exponentText,
                                       decimalExponent);
    normalised.append(exponentText, written.ptr);

    Real value{};
    const char* first = normalised.data();
    const char* last = first + normalised.size();
    const std::from_chars_result result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large is an error; too small rounds to zero.
        if (decimalExponent > 0) return std::nullopt;
        return zero;
    }
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<double> parseDouble(std::string_view text, const NumberFormat& format) {
    return convert<double>(text, format);
}

std::optional<float> parseSingle(std::string_view text, const NumberFormat& format) {
    return convert<float>(text, format);
}

std::optional<std::int32_t> parseRoomCount(std::string_view text, const NumberFormat& format) {
    const std::optional<double> value = parseDouble(text, format);
    if (!value) return std::nullopt;
    const double truncated = std::trunc(*value);
    if (!(truncated >= -2147483648.0 && truncated <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(truncated);
}

}  // namespace termalo::core
