#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace termalo::core {

struct ChartPoint {
    double x;
    const char* label;
    const char* field;  // hand-over label of the chart window: "Label1" .. "Label4"
};

struct ChartSeriesLayout {
    const char* window;  // "Form7" .. "Form14"
    std::span<const ChartPoint> points;  // in the order they are added
    bool colourEachPoint;  // true: point i takes colour i % 16 of the chart's palette
};

// The eight chart windows' series, Form7 to Form14.
std::span<const ChartSeriesLayout> chartSeries();
const ChartSeriesLayout* chartSeriesFor(std::string_view window);

// The conversion error of a hand-over field; what() is
// "'<text>' is not a valid integer value".
class InvalidIntegerError : public std::runtime_error {
public:
    explicit InvalidIntegerError(std::string_view text);
};

// Parses a hand-over field: optional sign and decimal digits, 32-bit signed
// range. Throws InvalidIntegerError otherwise.
std::int32_t parseHandOverField(std::string_view text);

}  // namespace termalo::core
