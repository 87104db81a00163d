#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace termalo::core {

// Initial text of the period store (the indicator screen's hidden Edit1).
inline constexpr std::string_view kInitialPeriodStore = "Edit1";

// Days of a recognised month: "Luty" gives 29 when the year text is four ASCII
// digits naming a Gregorian leap year ("2024", "2000"; not "1900" nor " 2024"),
// else 28; nullopt for a text that is not exactly one of the twelve Polish
// month names.
std::optional<int> daysInMonth(std::string_view monthName, std::string_view yearText);

// The period rule: the store text after applying monthName/yearText to it. An
// unrecognised month leaves the store as it was.
std::string applyPeriodRule(std::string_view monthName, std::string_view yearText,
                            std::string_view periodStore);

}  // namespace termalo::core
