#pragma once

class QWidget;

namespace termalo {

namespace chart {
class ChartWidget;
}

// Adds "Zapisz wykres…" to `chart`'s menu (see saveChartAs()), and gives
// `window` the chart's menu too, for a right-click beside the chart, the Menu
// key and Shift+F10, while the chart is shown.
void offerChartExport(chart::ChartWidget* chart, QWidget* window);

// Asks for a file through the dialogs port, offering PNG, SVG and PDF under
// a name made of the chart's title, and writes the chart there: in the format
// of the name's extension, or else of the format chosen, whose extension is
// then added. Returns false when the user cancels. Throws termalo::Error when
// the file cannot be written; nothing half-written is left under its name.
bool saveChartAs(chart::ChartWidget* chart);

}  // namespace termalo
