#include "results/window_printing.h"

#include "results/print_flattening.h"
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
    // The print queue and a PDF printer name the job after the window.
    printer.setDocName(window->windowTitle());
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
    {
        // The window's pictures go to paper without transparency; their
        // resolution is the screen's.
        FlatteningPaintDevice flattening(painter, window->logicalDpiX() * window->devicePixelRatioF());
        QPainter player(&flattening);
        // A picture is played back scaled by the printer's resolution over its
        // own; the window's own resolution completes the on-screen size.
        player.scale(qreal(drawing.logicalDpiX()) / window->logicalDpiX(),
                     qreal(drawing.logicalDpiY()) / window->logicalDpiY());
        // Lossless: the small logos and icons keep their sharp edges (a PDF would
        // otherwise get them as JPEG).
        player.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::LosslessImageRendering);
        player.drawPicture(0, 0, drawing);
    }
    if (!painter.end())
        throw Error(QStringLiteral("Nie można zakończyć drukowania"));
    return true;
}

}  // namespace termalo
