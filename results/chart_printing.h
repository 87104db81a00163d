#pragma once

#include <QRectF>
#include <QSizeF>

class QWidget;

namespace termalo {

namespace chart {
class ChartWidget;
}

// Where a chart of `chartSize` goes in a drawing area of `pageSize`: 15 % of the
// area on the left and right when the chart is wider than tall (on the top and
// bottom otherwise), the other two margins from the chart's aspect ratio,
// centred. Where the other side would not fit (a wide chart on landscape paper),
// the chart is made smaller until it does.
QRectF chartPageRect(const QSizeF& pageSize, const QSizeF& chartSize);

// "&Drukuj" of a chart window: asks for a printer through the dialogs port and
// prints the chart alone on one page, drawn as vectors, so that text stays text,
// placed by chartPageRect() in the drawing area (the paper less what the printer
// cannot reach and the margins chosen in the dialog), with nothing translucent;
// the job is named after the caption of `parent`'s window.
// Returns false when the user cancels (nothing is printed). Throws
// termalo::Error when the printer cannot be used.
bool printChart(chart::ChartWidget* chart, QWidget* parent);

}  // namespace termalo
