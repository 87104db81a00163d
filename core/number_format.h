#pragma once

#include <string>

namespace termalo::core {

// Regional notation of numbers, as UTF-8 texts. Under Polish settings the
// decimal separator is "," and the group separator is U+00A0 (no-break space).
struct NumberFormat {
    std::string decimalSeparator = ",";
    std::string thousandsSeparator = "\xC2\xA0";
};

}  // namespace termalo::core
