#pragma once

class QWidget;

namespace termalo {

namespace chart {
class ChartWidget;
}

// Gives `chart` what the program adds to a chart: its menu, "&Kopiuj wykres"
// (Ctrl+C) and "&Zapisz wykres…" (saveChartAs()), the names a screen reader
// reads for the columns of its points, and `window`'s menu too, for a
// right-click beside the chart, the Menu key and Shift+F10, while the chart is
// shown. Ctrl+C anywhere in `window` copies the window's chart; of several,
// the one last clicked or whose menu was opened last (at first the first
// one given), so that they never contend for the key.
void offerChartExport(chart::ChartWidget* chart, QWidget* window);

// Asks for a file through the dialogs port, offering PNG, SVG and PDF under a
// name made of the chart's title, and writes the chart there. The name is
// settled before anything is written: a name that ends in ".png", ".svg" or
// ".pdf" (any case) keeps it and is saved in that format; one that ends in
// another picture's extension (".jpg") has it replaced by the chosen format's;
// any other name has the chosen format's extension added ("Wykorzystanie
// 04.2009" becomes "Wykorzystanie 04.2009.png"). A file already under that
// name is replaced only when the user says yes. Returns false when the user
// cancels or says no. Throws termalo::Error when the file cannot be written;
// nothing half-written is left under its name.
bool saveChartAs(chart::ChartWidget* chart);

}  // namespace termalo
