#include "display_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace termalo::core {
namespace {

constexpr int kIntermediateDigits = 18;
constexpr int kSignificantDigits = 7;

// |x| as a decimal of 18 significant digits, rounded to nearest:
// d0.d1...d17 x 10^exponent. x must be finite and not zero.
struct Decimal18 {
    char digits[kIntermediateDigits];
    int exponent;
};

Decimal18 toDecimal18(long double magnitude) {
    Decimal18 d;
    // Whole numbers below 10^18 have at most 18 digits and are converted
    // exactly by integer arithmetic, which is much cheaper than printing.
    if (magnitude < 1e18L && magnitude == std::trunc(magnitude)) {
        std::uint64_t v = static_cast<std::uint64_t>(magnitude);
        char reversed[20];
        int n = 0;
        while (v != 0) {
            reversed[n++] = static_cast<char>('0' + v % 10);
            v /= 10;
        }
        for (int i = 0; i < kIntermediateDigits; ++i) d.digits[i] = i < n ? reversed[n - 1 - i] : '0';
        d.exponent = n - 1;
        return d;
    }
    // "d.ddddddddddddddddde+XXXX"
    char text[48];
    const std::to_chars_result r = std::to_chars(text, text + sizeof text, magnitude,
                                                 std::chars_format::scientific,
                                                 kIntermediateDigits - 1);
    const char* p = text;
    d.digits[0] = *p++;
    ++p;  // the point
    std::memcpy(d.digits + 1, p, kIntermediateDigits - 1);
    p += kIntermediateDigits - 1;
    ++p;  // 'e'
    if (*p == '+') ++p;  // from_chars takes a '-' but not a '+'
    int exponent = 0;
    std::from_chars(p, r.ptr, exponent);
    d.exponent = exponent;
    return d;
}

// x rounded to at most 7 significant digits and at most `decimals` decimals,
// halves away from zero, taken from its 18-digit decimal.
struct Rounded {
    bool negative = false;
    char digits[kSignificantDigits];  // without trailing zeros
    int count = 0;                    // 0: the value rounded to zero
    int exponent = 0;                 // of digits[0]
};

Rounded roundForDisplay(long double x, int decimals) {
    Rounded r;
    if (x == 0) return r;
    const Decimal18 d = toDecimal18(std::fabs(x));
    const int keep = std::min(kSignificantDigits, d.exponent + decimals + 1);
    if (keep < 0) return r;
    if (keep == 0) {
        // Below one unit of the last decimal; at least a half rounds up to it.
        if (d.digits[0] < '5') return r;
        r.digits[0] = '1';
        r.count = 1;
        r.exponent = -decimals;
        r.negative = x < 0;
        return r;
    }
    std::memcpy(r.digits, d.digits, static_cast<std::size_t>(keep));
    r.count = keep;
    r.exponent = d.exponent;
    if (d.digits[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && r.digits[i] == '9') r.digits[i--] = '0';
        if (i >= 0) {
            ++r.digits[i];
        } else {  // 9.99... carried into a new leading digit
            r.digits[0] = '1';
            r.count = 1;
            r.exponent += 1;
        }
    }
    while (r.count > 0 && r.digits[r.count - 1] == '0') --r.count;
    r.negative = r.count > 0 && x < 0;
    return r;
}

char digitAt(const Rounded& r, int place) {
    const int i = r.exponent - place;
    return i >= 0 && i < r.count ? r.digits[i] : '0';
}

}  // namespace

void appendDisplayText(std::string& out, long double x, int decimals,
                       const NumberFormat& format) {
    if (!std::isfinite(x)) {
        out += std::isnan(x) ? "NAN" : (x < 0 ? "-INF" : "INF");
        return;
    }
    const Rounded r = roundForDisplay(x, decimals);
    if (r.negative) out += '-';
    if (r.count > 0 && r.exponent >= kSignificantDigits) {
        // More than seven integer digits: scientific form.
        out += r.digits[0];
        if (r.count > 1) {
            out += format.decimalSeparator;
            out.append(r.digits + 1, static_cast<std::size_t>(r.count - 1));
        }
        out += 'E';
        char exponent[8];
        const auto written = std::to_chars(exponent, exponent + sizeof exponent, r.exponent);
        out.append(exponent, written.ptr);
        return;
    }
    const int top = r.count > 0 ? std::max(r.exponent, 0) : 0;
    for (int place = top; place >= 0; --place) {
        out += digitAt(r, place);
        if (place > 0 && place % 3 == 0) out += format.thousandsSeparator;
    }
    if (decimals > 0) {
        out += format.decimalSeparator;
        for (int place = -1; place >= -decimals; --place) out += digitAt(r, place);
    }
}

std::string displayText(long double x, int decimals, const NumberFormat& format) {
    std::string out;
    out.reserve(24);
    appendDisplayText(out, x, decimals, format);
    return out;
}

std::optional<std::string> chartValue(long double x) {
    if (!std::isfinite(x)) return std::nullopt;
    const Rounded r = roundForDisplay(x, 0);
    if (r.count == 0) return std::string("0");
    // A whole number of exponent + 1 digits; 64 bits hold at most 19.
    const int length = r.exponent + 1;
    if (length > 19) return std::nullopt;
    std::string digits(r.digits, static_cast<std::size_t>(r.count));
    digits.append(static_cast<std::size_t>(length - r.count), '0');
    if (length == 19 && digits > (r.negative ? "9223372036854775808" : "9223372036854775807")) {
        return std::nullopt;
    }
    return r.negative ? "-" + digits : digits;
}

}  // namespace termalo::core
