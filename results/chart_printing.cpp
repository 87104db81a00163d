#include "results/chart_printing.h"

#include "chart/chart_widget.h"
#include "results/print_flattening.h"

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
    // The job is named after the chart's window; the chart's gradients and
    // colours go to paper without transparency.
    const QString jobName = parent ? parent->window()->windowTitle() : QString();
    return printOnePage(jobName, parent, chart->logicalDpiX(), [chart](QPainter& onto, const QPrinter& printer) {
        const QRectF target = chartPageRect(printer.pageRect(QPrinter::DevicePixel).size(), QSizeF(chart->size()));
        onto.setRenderHint(QPainter::Antialiasing);
        chart->renderChart(onto, target);
    });
}

}  // namespace termalo
