#pragma once

namespace termalo::chart {

// Lets screen readers read every chart widget as a table of its points: one
// row per point of its active series, the point's label in column 0 and its
// value as its mark writes it in column 1. The chart's role is Chart and its
// name is its title. Installed once, by the first chart widget.
void installChartAccessibility();

}  // namespace termalo::chart
