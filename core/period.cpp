#include "period.h"

#include <array>

namespace termalo::core {
namespace {

struct Month {
    std::string_view name;  // UTF-8, as offered by the month list of Form2
    int days;
};

constexpr std::array<Month, 12> kMonths{{
    {"Stycze\xC5\x84", 31},
    {"Luty", 28},
    {"Marzec", 31},
    {"Kwiecie\xC5\x84", 30},
    {"Maj", 31},
    {"Czerwiec", 30},
    {"Lipiec", 31},
    {"Sierpie\xC5\x84", 31},
    {"Wrzesie\xC5\x84", 30},
    {"Pa\xC5\xBA" "dziernik", 31},
    {"Listopad", 30},
    {"Grudzie\xC5\x84", 31},
}};

// The only year texts that make February 29 days long.
constexpr std::array<std::string_view, 3> kLeapYearTexts{"2004", "2008", "2012"};

}  // namespace

std::optional<int> daysInMonth(std::string_view monthName, std::string_view yearText) {
    for (const Month& month : kMonths) {
        if (month.name != monthName) continue;
        if (month.name == "Luty") {
            for (std::string_view leap : kLeapYearTexts) {
                if (yearText == leap) return 29;
            }
        }
        return month.days;
    }
    return std::nullopt;
}

std::string applyPeriodRule(std::string_view monthName, std::string_view yearText,
                            std::string_view periodStore) {
    if (const std::optional<int> days = daysInMonth(monthName, yearText)) {
        return std::to_string(*days);
    }
    return std::string(periodStore);
}

}  // namespace termalo::core
