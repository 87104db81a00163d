#pragma once

class QWidget;

namespace termalo {

namespace chart {
class ChartWidget;
}

// "&Drukuj" of a chart window: asks for a printer through the dialogs port and
// prints the chart alone on one page, drawn as vectors, so that text stays text,
// placed by the chart's own page margins (chart::pageRect()) in the drawing
// area (the paper less what the printer cannot reach and the margins chosen in
// the dialog), with nothing translucent; the job is named after the caption of
// `parent`'s window.
// Returns false when the user cancels (nothing is printed). Throws
// termalo::Error when the printer cannot be used.
bool printChart(chart::ChartWidget* chart, QWidget* parent);

}  // namespace termalo
