#pragma once

#include "number_format.h"
#include "target.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace termalo::core {

// The twenty texts of one month as the entry screens hold them.
struct InputTexts {
    // Form2
    std::string sanatoriumName;     // Edit1
    std::string town;               // Edit2
    std::string sanatoriumAddress;  // Edit3
    std::string spaCompanyName;     // Edit4
    std::string rooms1;             // Edit5
    std::string rooms2;             // Edit6
    std::string rooms3;             // Edit7
    std::string avgPricePerPlace;   // Edit8
    std::string monthName;          // ComboBox1
    std::string yearText;           // ComboBox2
    // Form3
    std::string contractedNights;         // Edit1
    std::string contractNightsGranted;    // Edit2
    std::string contractGuests;           // Edit3
    std::string individualNightsGranted;  // Edit4
    std::string individualGuests;         // Edit5
    std::string occupiedDays1;            // Edit6
    std::string occupiedDays2;            // Edit7
    std::string occupiedDays3;            // Edit8
    std::string contractRevenue;          // Edit9
    std::string individualRevenue;        // Edit10
};

// Where each text of InputTexts is entered: its window and control.
struct InputField {
    Target source;
    std::string InputTexts::*text;
    // Taken as a text, never as a number: shown as entered or compared whole.
    bool textOnly = false;
};

// The twenty fields, Form2's first.
std::span<const InputField> inputFields();

struct Output {
    Target target;
    std::string text;
};

struct EngineResult {
    // Outputs in row order, up to (not including) the failing row.
    std::vector<Output> outputs;
    // The period store after the period rule (unchanged by a format error
    // found before the rule runs).
    std::string periodStore;
    // True when the run stopped: a format error (then outputs is empty), a
    // zero divisor or an overflow.
    bool failed = false;
};

// One run of the indicator computation.
EngineResult computeIndicators(const InputTexts& input, const std::string& periodStore,
                               const NumberFormat& format);

// The same, reading each field's text when it is needed: a number's text is
// dropped as soon as it is read, so that huge texts are never all held at once.
using InputReader = std::function<std::string(const InputField&)>;
EngineResult computeIndicators(const InputReader& read, const std::string& periodStore,
                               const NumberFormat& format);

}  // namespace termalo::core
