// The display text N(x, d) and the chart value C(x), read back. The first byte
// chooses the decimals (bit 0: 0 or 2), the regional notation (bit 1: Polish
// or English) and how x is made from the following bytes (bits 2-3: one double,
// or the extended-precision product or quotient of two, as the formulas make them).
#include "oracle.h"

#include "core/display_text.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <regex.h>
#include <string>

using namespace termalo;

namespace {

double takeDouble(const std::uint8_t*& data, std::size_t& size)
{
    double v = 0;
    const std::size_t n = size < sizeof v ? size : sizeof v;
    std::memcpy(&v, data, n);
    data += n;
    size -= n;
    return v;
}

bool matches(const char* pattern, const std::string& text)
{
    regex_t re;
    if (regcomp(&re, pattern, REG_EXTENDED | REG_NOSUB) != 0)
        fuzz::fail("regcomp", pattern);
    const bool ok = regexec(&re, text.c_str(), 0, nullptr, 0) == 0;
    regfree(&re);
    return ok;
}

int significantDigits(const std::string& text)
{
    std::string digits;
    for (char c : text) {
        if (c == 'E')
            break;
        if (c >= '0' && c <= '9' && !(digits.empty() && c == '0'))
            digits += c;
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return static_cast<int>(digits.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    ++data;
    --size;
    const int decimals = (choice & 1) ? 2 : 0;
    const bool polish = !(choice & 2);
    const core::NumberFormat format = polish ? core::NumberFormat{",", "\xC2\xA0"} : core::NumberFormat{".", ","};
    const long double a = takeDouble(data, size);
    const long double b = takeDouble(data, size);
    long double x = a;
    switch ((choice >> 2) & 3) {
    case 1: x = a * b; break;
    case 2: x = a / b; break;
    default: break;
    }

    const std::string text = core::displayText(x, decimals, format);
    if (!std::isfinite(x)) {
        if (text != (std::isnan(x) ? "NAN" : (x < 0 ? "-INF" : "INF")))
            fuzz::fail("not a number shown wrongly", text);
        if (core::chartValue(x))
            fuzz::fail("chart value of a non-finite number", text);
        return 0;
    }

    // The shape: grouped digits with the decimals asked for, or, above seven
    // integer digits, a mantissa without trailing zeros and an exponent of 7 or more.
    const std::string fixed = polish ? (decimals ? "^-?[0-9]{1,3}(\xC2\xA0[0-9]{3})*,[0-9]{2}$"
                                                 : "^-?[0-9]{1,3}(\xC2\xA0[0-9]{3})*$")
                                     : (decimals ? "^-?[0-9]{1,3}(,[0-9]{3})*[.][0-9]{2}$"
                                                 : "^-?[0-9]{1,3}(,[0-9]{3})*$");
    const std::string scientific = polish ? "^-?[1-9](,[0-9]*[1-9])?E([7-9]|[1-9][0-9]+)$"
                                          : "^-?[1-9]([.][0-9]*[1-9])?E([7-9]|[1-9][0-9]+)$";
    const bool isScientific = text.find('E') != std::string::npos;
    if (!matches(isScientific ? scientific.c_str() : fixed.c_str(), text))
        fuzz::fail("display text of the wrong shape", text);
    if (!isScientific && significantDigits(text) > 7)
        fuzz::fail("more than seven significant digits", text);
    if (!isScientific && text.size() > 24)
        fuzz::fail("more than seven integer digits in fixed form", text);

    const auto shown = fuzz::readBack(text, format.decimalSeparator, format.thousandsSeparator);
    if (!shown)
        fuzz::fail("display text does not read back", text);
    if (*shown == 0 && text[0] == '-')
        fuzz::fail("a negative zero is shown", text);
    if (!fuzz::withinHalfUnit(x, *shown, decimals))
        fuzz::fail("display text further than half a unit from x", text);

    // C(x) is the whole number that N(x, 0) shows, or nothing beyond 64 bits.
    const std::string whole = core::displayText(x, 0, format);
    const long double wholeShown = *fuzz::readBack(whole, format.decimalSeparator, format.thousandsSeparator);
    const auto chart = core::chartValue(x);
    const bool fits = wholeShown >= -9223372036854775808.0L && wholeShown <= 9223372036854775807.0L;
    if (chart.has_value() != fits)
        fuzz::fail("chart value present where it does not fit, or missing where it does", whole);
    if (chart) {
        if (!matches("^(0|-?[1-9][0-9]*)$", *chart))
            fuzz::fail("chart value is not plain digits", *chart);
        if (std::strtold(chart->c_str(), nullptr) != wholeShown)
            fuzz::fail("chart value differs from the whole number shown", *chart + " / " + whole);
    }
    return 0;
}
