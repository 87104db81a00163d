#include "oracle.h"

#include <regex.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace termalo::fuzz {
namespace {

// The separator as a piece of a regular expression: punctuation in brackets,
// letters and bytes of multi-byte characters as they are.
std::string literal(std::string_view text)
{
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 || std::isalnum(u))
            out += c;
        else
            out += std::string("[") + c + "]";
    }
    return out;
}

struct Compiled {
    regex_t re;
    ~Compiled() { regfree(&re); }
};

const regex_t& grammarFor(std::string_view separator)
{
    static std::map<std::string, std::unique_ptr<Compiled>> compiled;
    auto it = compiled.find(std::string(separator));
    if (it != compiled.end())
        return it->second->re;
    const std::string sep = literal(separator);
    const std::string pattern =
        "^ *[+-]?([0-9]+(" + sep + "[0-9]*)?|" + sep + "[0-9]*)([eE][+-]?[0-9]+)? *$";
    auto entry = std::make_unique<Compiled>();
    if (regcomp(&entry->re, pattern.c_str(), REG_EXTENDED | REG_NOSUB) != 0)
        fail("regcomp", pattern);
    return compiled.emplace(std::string(separator), std::move(entry)).first->second->re;
}

// The text for strtod: no blanks, "." as separator; a mantissa of the
// separator alone is zero.
std::string cText(std::string_view text, std::string_view separator)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string out;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        out += text.front();
        text.remove_prefix(1);
    }
    const std::size_t exponent = text.find_first_of("eE");
    std::string mantissa(text.substr(0, exponent));
    const std::size_t at = mantissa.find(separator);
    if (at != std::string::npos)
        mantissa.replace(at, separator.size(), ".");
    if (mantissa == ".")
        return out + "0";
    out += mantissa;
    if (exponent != std::string_view::npos)
        out += text.substr(exponent);
    return out;
}

}  // namespace

bool matchesGrammar(std::string_view text, std::string_view separator)
{
    regmatch_t whole{0, static_cast<regoff_t>(text.size())};
    const std::string copy(text);  // regexec wants a terminated buffer even with REG_STARTEND
    return regexec(&grammarFor(separator), copy.c_str(), 1, &whole, REG_STARTEND) == 0;
}

bool isLeapYearText(std::string_view yearText)
{
    static const std::unique_ptr<Compiled> fourDigits = [] {
        auto entry = std::make_unique<Compiled>();
        if (regcomp(&entry->re, "^[0-9]{4}$", REG_EXTENDED | REG_NOSUB) != 0)
            fail("regcomp", "^[0-9]{4}$");
        return entry;
    }();
    regmatch_t whole{0, static_cast<regoff_t>(yearText.size())};
    const std::string copy(yearText);
    if (regexec(&fourDigits->re, copy.c_str(), 1, &whole, REG_STARTEND) != 0)
        return false;
    return std::chrono::year(std::atoi(copy.c_str())).is_leap();
}

std::optional<double> cDouble(std::string_view text, std::string_view separator)
{
    const std::string c = cText(text, separator);
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(c.c_str(), &end);
    if (end != c.c_str() + c.size())
        fail("strtod did not take the whole text", c);
    if (errno == ERANGE && std::isinf(v))
        return std::nullopt;
    return v;
}

std::optional<float> cSingle(std::string_view text, std::string_view separator)
{
    const std::string c = cText(text, separator);
    errno = 0;
    char* end = nullptr;
    const float v = std::strtof(c.c_str(), &end);
    if (end != c.c_str() + c.size())
        fail("strtof did not take the whole text", c);
    if (errno == ERANGE && std::isinf(v))
        return std::nullopt;
    return v;
}

std::optional<std::int32_t> cRoomCount(std::string_view text, std::string_view separator)
{
    const std::optional<double> v = cDouble(text, separator);
    if (!v)
        return std::nullopt;
    const double t = std::trunc(*v);
    if (t < -2147483648.0 || t > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(t);
}

std::optional<long double> readBack(std::string_view text, std::string_view decimalSeparator,
                                    std::string_view groupSeparator)
{
    std::string c;
    for (std::size_t i = 0; i < text.size();) {
        if (!groupSeparator.empty() && text.substr(i).starts_with(groupSeparator)) {
            i += groupSeparator.size();
        } else if (text.substr(i).starts_with(decimalSeparator)) {
            c += '.';
            i += decimalSeparator.size();
        } else {
            c += text[i++];
        }
    }
    char* end = nullptr;
    const long double v = std::strtold(c.c_str(), &end);
    if (end == c.c_str())
        return std::nullopt;
    return v;
}

bool withinHalfUnit(long double x, long double shown, int decimals)
{
    // The place of the last digit shown: the last decimal, or the seventh
    // significant digit when that comes first.
    const long double magnitude = std::max(std::fabs(x), std::fabs(shown));
    int lastPlace = -decimals;
    if (magnitude > 0) {
        const int lead = static_cast<int>(std::floor(std::log10(magnitude)));
        lastPlace = std::max(lastPlace, lead - 6);
    }
    const long double unit = std::pow(10.0L, static_cast<long double>(lastPlace));
    const long double slack = magnitude * 1e-17L + unit * 1e-12L;
    return std::fabs(x - shown) <= unit / 2 + slack;
}

void fail(const char* what, std::string_view detail)
{
    std::fprintf(stderr, "oracle: %s: [%.*s]\n", what, static_cast<int>(std::min<std::size_t>(detail.size(), 400)),
                 detail.data());
    std::abort();
}

}  // namespace termalo::fuzz
