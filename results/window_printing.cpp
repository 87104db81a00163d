#include "results/window_printing.h"

#include "shell/application.h"
#include "shell/dialogs.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

namespace termalo {

bool printWindowImage(QWidget* window)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs().choosePrinter(printer, window))
        return false;

    // Qt renders a widget straight onto a printer through a bitmap; recorded as a
    // picture first, the window's texts and lines stay drawing commands.
    QPicture drawing;
    {
        QPainter recorder(&drawing);
        window->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }

    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QStringLiteral("Nie można rozpocząć drukowania"));
    // A picture is played back scaled by the printer's resolution over its own;
    // the window's own resolution completes the on-screen size.
    painter.scale(qreal(drawing.logicalDpiX()) / window->logicalDpiX(),
                  qreal(drawing.logicalDpiY()) / window->logicalDpiY());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPicture(0, 0, drawing);
    if (!painter.end())
        throw Error(QStringLiteral("Nie można zakończyć drukowania"));
    return true;
}

}  // namespace termalo
