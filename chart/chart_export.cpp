#include "chart/chart_export.h"

#include "chart/chart_widget.h"
#include "chart/device_picture.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
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


namespace termalo::chart {
namespace {

// What the creator field of a file names.
constexpr const char* kCreator = "Termalo 1.0";

const FileType kFileTypes[] = {
    {FileFormat::Png, "png", "Obraz PNG (*.png)"},
#ifndef TERMALO_NO_SVG
    {FileFormat::Svg, "svg", "Grafika wektorowa SVG (*.svg)"},
#endif
    {FileFormat::Pdf, "pdf", "Dokument PDF (*.pdf)"},
};

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
    svg.setResolution(96);
    svg.setTitle(chart.titleText());
    svg.setDescription(QString::fromLatin1(kCreator));
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
    pdf.setCreator(QString::fromLatin1(kCreator));
    pdf.setTitle(chart.titleText());
    const QSizeF points = QSizeF(chart.size()) * 72.0 / 96.0;
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

QAction* addCopyChartAction(ChartWidget* chart)
{
    auto* action = new QAction(QStringLiteral("&Kopiuj wykres"), chart);
    action->setShortcut(QKeySequence::Copy);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, chart, [chart] { copyChart(*chart); });
    chart->addAction(action);
    return action;
}

std::span<const FileType> fileTypes()
{
    return kFileTypes;
}

std::optional<FileFormat> formatOfFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const FileType& type : kFileTypes) {
        if (suffix.compare(QLatin1String(type.suffix), Qt::CaseInsensitive) == 0)
            return type.format;
    }
    return std::nullopt;
}

QString suggestedFileName(const ChartWidget& chart, FileFormat format)
{
    QString name;
    for (const QChar c : chart.titleText()) {
        if (c.category() != QChar::Other_Control && !QStringLiteral("/\\:*?\"<>|").contains(c))
            name += c;
    }
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("wykres");
    for (const FileType& type : kFileTypes) {
        if (type.format == format)
            name += QLatin1Char('.') + QLatin1String(type.suffix);
    }
    return name;
}

QString saveChart(const ChartWidget& chart, const QString& path, FileFormat format)
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
        return {};
    const QString reason = file.errorString();
    file.cancelWriting();
    const QString message = QStringLiteral("Nie można zapisać wykresu w pliku „%1”").arg(QFileInfo(path).absoluteFilePath());
    return reason.isEmpty() ? message : message + QStringLiteral(": ") + reason;
}

}  // namespace termalo::chart
