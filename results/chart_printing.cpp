#include "results/chart_printing.h"

#include "chart/chart_export.h"
#include "chart/chart_widget.h"
#include "results/print_flattening.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace termalo {

bool printChart(chart::ChartWidget* chart, QWidget* parent)
{
    if (!chart)
        return false;
    // The job is named after the chart's window; the chart's gradients and
    // colours go to paper without transparency.
    const QString jobName = parent ? parent->window()->windowTitle() : QString();
    return printOnePage(jobName, parent, chart->logicalDpiX(), [chart](QPainter& onto, const QPrinter& printer) {
        chart::printChart(*chart, onto, QRectF(QPointF(), printer.pageRect(QPrinter::DevicePixel).size()));
    });
}

}  // namespace termalo
