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

// A year text of exactly four ASCII digits is a year of the Gregorian calendar;
// any other text (blanks, a sign, a prompt) names no leap year.
bool isLeapYearText(std::string_view yearText) {
    if (yearText.size() != 4) return false;
    int year = 0;
    for (char c : yearText) {
        if (c < '0' || c > '9') return false;
        year = year * 10 + (c - '0');
    }
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

std::optional<int> daysInMonth(std::string_view monthName, std::string_view yearText) {
    for (const Month& month : kMonths) {
        if (month.name != monthName) continue;
        if (month.name == "Luty" && isLeapYearText(yearText)) return 29;
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
