#include "results/window_printing.h"

#include "shell/application.h"
#include "shell/dialogs.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace termalo {

bool printWindowImage(QWidget* window)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs().choosePrinter(printer, window))
        return false;

    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QStringLiteral("Nie można rozpocząć drukowania"));
    const qreal scaleX = qreal(printer.logicalDpiX()) / window->logicalDpiX();
    const qreal scaleY = qreal(printer.logicalDpiY()) / window->logicalDpiY();
    painter.scale(scaleX, scaleY);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    window->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (!painter.end())
        throw Error(QStringLiteral("Nie można zakończyć drukowania"));
    return true;
}

}  // namespace termalo
