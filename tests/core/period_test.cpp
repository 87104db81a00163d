#include "core/period.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace termalo::core;
using namespace std::string_literals;

namespace {

TEST(Period, DaysOfTheRecognisedMonths) {
    struct Case {
        std::string month;
        std::string year;
        std::optional<int> days;
    };
    const Case cases[] = {
        {"Stycze\xC5\x84", "2004", 31},
        {"Luty", "2004", 29},
        {"Luty", "2008", 29},
        {"Luty", "2012", 29},
        {"Luty", "2005", 28},
        // Four ASCII digits follow the Gregorian calendar, years past the list too.
        {"Luty", "2016", 29},
        {"Luty", "2020", 29},
        {"Luty", "2024", 29},
        {"Luty", "2026", 28},
        {"Luty", "2000", 29},
        {"Luty", "1600", 29},
        {"Luty", "2100", 28},
        {"Luty", "1900", 28},
        {"Luty", "0000", 29},
        // Any other year text is no leap year and no error.
        {"Luty", " 2004", 28},
        {"Luty", "2004 ", 28},
        {"Luty", "+2024", 28},
        {"Luty", "-2024", 28},
        {"Luty", "02024", 28},
        {"Luty", "204", 28},
        {"Luty", "20 24", 28},
        {"Luty", "2024\0"s, 28},
        {"Luty", "\xEF\xBC\x92\xEF\xBC\x90\xEF\xBC\x92\xEF\xBC\x94", 28},  // full-width digits
        {"Luty", "Wybierz rok", 28},
        {"Luty", "", 28},
        {"Marzec", "2024", 31},
        {"Marzec", "2012", 31},
        {"Kwiecie\xC5\x84", "2003", 30},
        {"Wrzesie\xC5\x84", "2004", 30},
        {"Wrzesie\xC5\x84", "xyz", 30},
        {"Pa\xC5\xBA" "dziernik", "2010", 31},
        {"Grudzie\xC5\x84", "2014", 31},
        // Not recognised: case, blanks, prompt, a letter without its accent.
        {"luty", "2004", std::nullopt},
        {"luty", "2024", std::nullopt},
        {"LUTY", "2004", std::nullopt},
        {" Luty", "2004", std::nullopt},
        {"Luty ", "2004", std::nullopt},
        {"Wybierz miesi\xC4\x85" "c", "2004", std::nullopt},
        {"Styczen", "2004", std::nullopt},
        {"", "", std::nullopt},
        {"Luty\0"s, "2004", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(daysInMonth(c.month, c.year), c.days) << c.month << " / " << c.year;
    }
}

TEST(Period, RuleWritesTheStoreOnlyForARecognisedMonth) {
    EXPECT_EQ(applyPeriodRule("Marzec", "2010", kInitialPeriodStore), "31");
    EXPECT_EQ(applyPeriodRule("Luty", "2008", "31"), "29");
    // Unrecognised: the store keeps whatever it held, the initial text too.
    EXPECT_EQ(applyPeriodRule("Wybierz miesi\xC4\x85" "c", "Wybierz rok", kInitialPeriodStore),
              "Edit1");
    EXPECT_EQ(applyPeriodRule("marzec", "2010", "31"), "31");
    EXPECT_EQ(applyPeriodRule("Maj", "", "28"), "31");
}

}  // namespace
