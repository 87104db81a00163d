#include "chart/chart_export.h"

#include "chart/chart_widget.h"
#include "chart/device_picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#ifndef TERMALO_NO_SVG
#include <QSvgGenerator>
#endif

#include <algorithm>

namespace termalo::chart {
namespace {

// A pixel of the chart is a pixel of a screen of 96 per inch, on paper too.
constexpr qreal kPixelsPerInch = 96.0;
constexpr qreal kMetresPerInch = 0.0254;
// What a page leaves free beside the chart's longer side, and at least on the
// other two, as a share of the drawing area.
constexpr qreal kPageMargin = 0.15;

constexpr FileFormat kFormats[] = {
    FileFormat::Png,
#ifndef TERMALO_NO_SVG
    FileFormat::Svg,
#endif
    FileFormat::Pdf,
};

// What the creator field of a file names: the program that uses the chart.
QString creator()
{
    const QString version = QCoreApplication::applicationVersion();
    const QString name = QCoreApplication::applicationName();
    return version.isEmpty() || name.endsWith(version) ? name : name + QLatin1Char(' ') + version;
}

QRectF widgetRect(const ChartWidget& chart)
{
    return QRectF(QPointF(0, 0), QSizeF(chart.size()));
}

// SVG into `device`, in the widget's pixels.
bool writeSvg(const ChartWidget& chart, QIODevice* device)
{
#ifdef TERMALO_NO_SVG
    Q_UNUSED(chart);
    Q_UNUSED(device);
    return false;
#else
    QSvgGenerator svg;
    svg.setOutputDevice(device);
    svg.setSize(chart.size());
    svg.setViewBox(widgetRect(chart));
    svg.setResolution(int(kPixelsPerInch));
    svg.setTitle(chart.titleText());
    svg.setDescription(creator());
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    chart.renderChart(painter, widgetRect(chart));
    return painter.end();
#endif
}

// One page the chart's size (its pixels at 96 per inch), of vectors as the
// printout is.
bool writePdf(const ChartWidget& chart, QIODevice* device)
{
    QPdfWriter pdf(device);
    pdf.setCreator(creator());
    pdf.setTitle(chart.titleText());
    const QSizeF points = QSizeF(chart.size()) * 72.0 / kPixelsPerInch;
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    chart.renderChart(painter, QRectF(0, 0, pdf.width(), pdf.height()));
    return painter.end();
}

}  // namespace

QImage chartPicture(const ChartWidget& chart, qreal ratio)
{
    // Every device pixel the chart covers, as on the screen.
    QImage picture(deviceSize(chart.size(), ratio), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    // Pasted into a document, the picture is as large as the chart on the screen.
    const int dotsPerMetre = qRound(kPixelsPerInch * ratio / kMetresPerInch);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    chart.renderChart(painter, widgetRect(chart));
    return picture;
}

QByteArray chartSvg(const ChartWidget& chart)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeSvg(chart, &buffer);
    return bytes;
}

QMimeData* chartMimeData(const ChartWidget& chart)
{
    auto* data = new QMimeData;
    data->setImageData(chartPicture(chart, chart.devicePixelRatioF()));
#ifndef TERMALO_NO_SVG
    data->setData(QStringLiteral("image/svg+xml"), chartSvg(chart));
#endif
    return data;
}

void copyChart(const ChartWidget& chart)
{
    QGuiApplication::clipboard()->setMimeData(chartMimeData(chart));
}

QString fileSuffix(FileFormat format)
{
    switch (format) {
    case FileFormat::Svg:
        return QStringLiteral("svg");
    case FileFormat::Pdf:
        return QStringLiteral("pdf");
    case FileFormat::Png:
        break;
    }
    return QStringLiteral("png");
}

std::optional<FileFormat> formatOfFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const FileFormat format : kFormats) {
        if (suffix.compare(fileSuffix(format), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

bool saveChart(const ChartWidget& chart, const QString& path, FileFormat format, QString* reason)
{
    // The new file is written beside the old one and takes its name only when
    // it is complete.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        switch (format) {
        case FileFormat::Png:
            written = chartPicture(chart, chart.devicePixelRatioF()).save(&file, "PNG");
            break;
        case FileFormat::Svg:
            written = writeSvg(chart, &file);
            break;
        case FileFormat::Pdf:
            written = writePdf(chart, &file);
            break;
        }
    }
    if (written && file.commit())
        return true;
    if (reason)
        *reason = file.errorString();
    file.cancelWriting();
    return false;
}

QRectF pageRect(const QRectF& area, const QSizeF& chartSize)
{
    if (chartSize.isEmpty() || area.isEmpty())
        return {};
    const qreal share = 1.0 - 2 * kPageMargin;
    const qreal scale = std::min(area.width() * share / chartSize.width(), area.height() * share / chartSize.height());
    QRectF placed(QPointF(), chartSize * scale);
    placed.moveCenter(area.center());
    return placed;
}

void printChart(const ChartWidget& chart, QPainter& page, const QRectF& area)
{
    page.save();
    page.setRenderHint(QPainter::Antialiasing);
    chart.renderChart(page, pageRect(area, QSizeF(chart.size())));
    page.restore();
}

}  // namespace termalo::chart
