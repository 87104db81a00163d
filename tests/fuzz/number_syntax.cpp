// The number syntax against the grammar as a regular expression and against
// the C library's conversions. The first byte chooses the decimal separator
// ("0" a comma, "1" a full stop, "2" the Arabic decimal separator); the rest is
// the field's text.
#include "oracle.h"

#include "core/number_syntax.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace termalo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* const separators[] = {",", ".", "\xD9\xAB"};
    const std::string separator = separators[data[0] % 3];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const core::NumberFormat format{separator, "\xC2\xA0"};

    const auto d = core::parseDouble(text, format);
    const auto f = core::parseSingle(text, format);
    const auto r = core::parseRoomCount(text, format);

    if (!fuzz::matchesGrammar(text, separator)) {
        if (d || f || r)
            fuzz::fail("a text outside the grammar was converted", text);
        return 0;
    }
    const auto cd = fuzz::cDouble(text, separator);
    const auto cf = fuzz::cSingle(text, separator);
    const auto cr = fuzz::cRoomCount(text, separator);
    if (d.has_value() != cd.has_value() || (d && !fuzz::sameBits(*d, *cd)))
        fuzz::fail("double differs from strtod", text);
    if (f.has_value() != cf.has_value() || (f && !fuzz::sameBits(*f, *cf)))
        fuzz::fail("single differs from strtof", text);
    if (r != cr)
        fuzz::fail("room count differs from strtod and truncation", text);
    return 0;
}
