#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <span>

class QAction;
class QMimeData;

namespace termalo::chart {

class ChartWidget;

// A chart leaves the program as the screen shows it, drawn by the one routine
// that draws the screen and the printout: as a picture, as SVG (shapes as
// paths, texts as text) or as a one-page PDF of vectors.

// The picture at `ratio` device pixels per pixel of the widget.
QImage chartPicture(const ChartWidget& chart, qreal ratio);
QByteArray chartSvg(const ChartWidget& chart);
// The picture at the screen's resolution and the SVG, for the clipboard.
QMimeData* chartMimeData(const ChartWidget& chart);
// Puts chartMimeData() on the clipboard.
void copyChart(const ChartWidget& chart);

// "Kopiuj wykres" (Ctrl+C while the chart's window is active), added to
// `chart`'s actions, which its menu shows.
QAction* addCopyChartAction(ChartWidget* chart);

enum class FileFormat { Png, Svg, Pdf };
struct FileType {
    FileFormat format;
    const char* suffix;  // "png"
    const char* filter;  // as a file dialog shows it: "Obraz PNG (*.png)"
};
// PNG, SVG and PDF, in that order.
std::span<const FileType> fileTypes();
// The format a file name's extension names, any case.
std::optional<FileFormat> formatOfFile(const QString& path);

// A file name for the chart, without its folder: its title (characters that
// no file name may hold left out) and the format's extension.
QString suggestedFileName(const ChartWidget& chart, FileFormat format);

// Writes the chart to `path` in `format`, replacing a file there only once the
// whole new file is written: a failure leaves nothing new under `path`.
// Returns an empty text, or what went wrong, for the error box.
QString saveChart(const ChartWidget& chart, const QString& path, FileFormat format);

}  // namespace termalo::chart
