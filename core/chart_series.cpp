#include "chart_series.h"

#include <cstdint>

namespace termalo::core {
namespace {

// Points in the order they are added; the hand-over fields are written in
// Label1.. order, which is not always the plotting order.
constexpr ChartPoint kForm7[] = {
    {0, "kontraktowe", "Label2"},
    {1, "komercyjne", "Label3"},
    {2, "og\xC3\xB3\xC5\x82" "em", "Label1"},
};
constexpr ChartPoint kForm8[] = {
    {1, "pokoje 1-os", "Label1"},
    {2, "pokoje 2-os", "Label2"},
    {3, "pokoje 3-os", "Label3"},
    {4, "og\xC3\xB3\xC5\x82" "em", "Label4"},
};
constexpr ChartPoint kForm9[] = {
    {1, "kontraktowe", "Label2"},
    {2, "komercyjne", "Label3"},
    {3, "og\xC3\xB3\xC5\x82" "em", "Label1"},
};
constexpr ChartPoint kForm10[] = {
    {1, "kontraktowe", "Label2"},
    {2, "komercyjne", "Label3"},
    {3, "og\xC3\xB3\xC5\x82" "em", "Label1"},
};
constexpr ChartPoint kForm11[] = {
    {1, "kontraktowe", "Label3"},
    {2, "komercyjne", "Label2"},
    {3, "og\xC3\xB3\xC5\x82" "em", "Label1"},
};
constexpr ChartPoint kForm12[] = {
    {1, "Wska\xC5\xBAnik wykorzystania miejsc", "Label1"},
    {2, "Wska\xC5\xBAnik wykorzystania pokoi", "Label2"},
    {3, "Wska\xC5\xBAnik wolnych miejsc", "Label3"},
    {4, "Wska\xC5\xBAnik wykorzystania potencja\xC5\x82u przychod\xC3\xB3w", "Label4"},
};
constexpr ChartPoint kForm13[] = {
    {1, "Miejsca komercyjne", "Label2"},
    {2, "Miejsca wolne", "Label3"},
    {3, "Miejsca kontraktowe", "Label1"},
};
constexpr ChartPoint kForm14[] = {
    {1, "Przychody kontraktowe", "Label2"},
    {2, "Przychody komercyjne", "Label1"},
};

constexpr ChartSeriesLayout kSeries[] = {
    {"Form7", kForm7, false},   {"Form8", kForm8, false},   {"Form9", kForm9, false},
    {"Form10", kForm10, false}, {"Form11", kForm11, false}, {"Form12", kForm12, true},
    {"Form13", kForm13, true},  {"Form14", kForm14, true},
};

}  // namespace

std::span<const ChartSeriesLayout> chartSeries() { return kSeries; }

const ChartSeriesLayout* chartSeriesFor(std::string_view window) {
    for (const ChartSeriesLayout& series : kSeries) {
        if (window == series.window) return &series;
    }
    return nullptr;
}

InvalidIntegerError::InvalidIntegerError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value") {}

std::int32_t parseHandOverField(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) throw InvalidIntegerError(text);
    // Magnitude up to 2^31 (the most negative value), checked digit by digit.
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') throw InvalidIntegerError(text);
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 2147483648LL) throw InvalidIntegerError(text);
    }
    if (!negative && magnitude > 2147483647LL) throw InvalidIntegerError(text);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace termalo::core
