#pragma once

#include <QRectF>
#include <QSizeF>

class QWidget;

namespace termalo {

namespace chart {
class ChartWidget;
}

// Where a chart of `chartSize` goes on a page of `pageSize`: 15 % of the page
// on the left and right when the chart is wider than tall (on the top and bottom
// otherwise), the other two margins from the chart's aspect ratio, centred.
QRectF chartPageRect(const QSizeF& pageSize, const QSizeF& chartSize);

// "&Drukuj" of a chart window: asks for a printer through the dialogs port and
// prints the chart alone on one page, drawn as vectors, so that text stays text;
// the job is named after the caption of `parent`'s window.
// Returns false when the user cancels (nothing is printed). Throws
// termalo::Error when the printer cannot be used.
bool printChart(chart::ChartWidget* chart, QWidget* parent);

}  // namespace termalo
