#include "results/chart_printing.h"

#include "chart/chart_widget.h"
#include "shell/application.h"
#include "shell/dialogs.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace termalo {

QRectF chartPageRect(const QSizeF& pageSize, const QSizeF& chartSize)
{
    if (chartSize.isEmpty() || pageSize.isEmpty())
        return {};
    constexpr qreal kMargin = 0.15;
    if (chartSize.width() > chartSize.height()) {
        const qreal width = pageSize.width() * (1.0 - 2 * kMargin);
        const qreal height = width * chartSize.height() / chartSize.width();
        return {pageSize.width() * kMargin, (pageSize.height() - height) / 2.0, width, height};
    }
    const qreal height = pageSize.height() * (1.0 - 2 * kMargin);
    const qreal width = height * chartSize.width() / chartSize.height();
    return {(pageSize.width() - width) / 2.0, pageSize.height() * kMargin, width, height};
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

    // The whole sheet is the drawing area, so the margins are the chart's own.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QStringLiteral("Nie można rozpocząć drukowania"));
    const QRectF page = printer.paperRect(QPrinter::DevicePixel);
    const QRectF target = chartPageRect(page.size(), QSizeF(chart->size()));
    painter.setRenderHint(QPainter::Antialiasing);
    chart->renderChart(painter, target);
    if (!painter.end())
        throw Error(QStringLiteral("Nie można zakończyć drukowania"));
    return true;
}

}  // namespace termalo
