#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QMimeData;
class QPainter;

namespace termalo::chart {

class ChartWidget;

// What a chart offers to leave the program: copying, saving and printing,
// each drawn by the one routine that draws the screen. The chart names none
// of them to the user; the program gives them names, keys and menus.

// The picture at `ratio` device pixels per pixel of the widget; it says it is
// `ratio` times 96 dots per inch, so that it keeps the chart's size on paper.
QImage chartPicture(const ChartWidget& chart, qreal ratio);
// SVG: shapes as paths, texts as text.
QByteArray chartSvg(const ChartWidget& chart);
// The picture at the screen's resolution and the SVG, for the clipboard.
QMimeData* chartMimeData(const ChartWidget& chart);
// Puts chartMimeData() on the clipboard.
void copyChart(const ChartWidget& chart);

enum class FileFormat { Png, Svg, Pdf };
// The extension of a format's files, without the dot: "png".
QString fileSuffix(FileFormat format);
// The format a file name's extension names, any case.
std::optional<FileFormat> formatOfFile(const QString& path);

// Writes the chart to `path` in `format` (a PDF is one page of vectors, the
// chart's size), replacing a file there only once the whole new file is
// written: a failure leaves nothing new under `path`. Returns false on a
// failure and then, in `reason`, what the system said of it (may be empty).
bool saveChart(const ChartWidget& chart, const QString& path, FileFormat format, QString* reason = nullptr);

// Where a chart of `chartSize` goes on a page whose drawing area is `area`:
// 15 % of the area on the left and right when the chart is wider than tall
// (on the top and bottom otherwise), the other two margins from the chart's
// proportions, centred; where those would come out narrower than 15 % (a
// nearly square chart on landscape paper), the chart is made smaller until
// no side has less.
QRectF pageRect(const QRectF& area, const QSizeF& chartSize);
// Draws the chart as shown onto a page's drawing area `area`, placed by
// pageRect(), as vectors.
void printChart(const ChartWidget& chart, QPainter& page, const QRectF& area);

}  // namespace termalo::chart
