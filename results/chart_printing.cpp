#include "results/chart_printing.h"

#include "chart/chart_widget.h"
#include "results/print_flattening.h"
#include "shell/application.h"
#include "shell/dialogs.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace termalo {

QRectF chartPageRect(const QSizeF& pageSize, const QSizeF& chartSize)
{
    if (chartSize.isEmpty() || pageSize.isEmpty())
        return {};
    constexpr qreal kMargin = 0.15;
    // 70 % of the page across the chart's longer side...
    qreal scale = chartSize.width() > chartSize.height() ? pageSize.width() * (1.0 - 2 * kMargin) / chartSize.width()
                                                         : pageSize.height() * (1.0 - 2 * kMargin) / chartSize.height();
    // ...unless the other side would then leave the page.
    scale = std::min({scale, pageSize.width() / chartSize.width(), pageSize.height() / chartSize.height()});
    const QSizeF size = chartSize * scale;
    return {(pageSize.width() - size.width()) / 2.0, (pageSize.height() - size.height()) / 2.0, size.width(),
            size.height()};
}

bool printChart(chart::ChartWidget* chart, QWidget* parent)
{
    if (!chart)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    // The print queue and a PDF printer name the job after the chart's window.
    if (parent)
        printer.setDocName(parent->window()->windowTitle());
    if (!dialogs().choosePrinter(printer, parent))
        return false;

    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QStringLiteral("Nie można rozpocząć drukowania"));
    {
        // The painter's origin is the top left of the drawing area: the paper
        // less what the printer cannot reach and the margins chosen in the dialog.
        const QRectF target = chartPageRect(printer.pageRect(QPrinter::DevicePixel).size(), QSizeF(chart->size()));
        // The chart's gradients and colours go to paper without transparency.
        FlatteningPaintDevice flattening(painter, chart->logicalDpiX());
        QPainter onto(&flattening);
        onto.setRenderHint(QPainter::Antialiasing);
        chart->renderChart(onto, target);
    }
    if (!painter.end())
        throw Error(QStringLiteral("Nie można zakończyć drukowania"));
    return true;
}

}  // namespace termalo
