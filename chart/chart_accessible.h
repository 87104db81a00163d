#pragma once

namespace termalo::chart {

struct Chart;

// Lets screen readers read every chart widget as a table of its points: one
// row per point (by its place in its series), the point's label in column 0
// and then its value, as its mark writes it, in a column for each active
// series. The chart's role is Chart and its name is its title. Installed
// once, by the first chart widget.
void installChartAccessibility();

// The rows and columns of that table.
int chartTableRows(const Chart& chart);
int chartTableColumns(const Chart& chart);

}  // namespace termalo::chart
