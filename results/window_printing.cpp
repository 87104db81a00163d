#include "results/window_printing.h"

#include "results/print_flattening.h"
#include "shell/application.h"
#include "shell/dialogs.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

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
        // The painter's origin is the top left of the drawing area: the paper
        // less what the printer cannot reach and the margins chosen in the dialog.
        const QSizeF area = printer.pageRect(QPrinter::DevicePixel).size();
        const qreal toPaperX = qreal(printer.logicalDpiX()) / window->logicalDpiX();
        const qreal toPaperY = qreal(printer.logicalDpiY()) / window->logicalDpiY();
        // At its on-screen size when it fits, else as large as fits, in proportion.
        const qreal fit = std::min({1.0, area.width() / (window->width() * toPaperX),
                                    area.height() / (window->height() * toPaperY)});

        // The window's pictures go to paper without transparency; their
        // resolution is the screen's.
        FlatteningPaintDevice flattening(painter, window->logicalDpiX() * window->devicePixelRatioF());
        QPainter player(&flattening);
        // A picture is played back scaled by the printer's resolution over its
        // own; the window's own resolution completes the on-screen size.
        player.scale(fit * drawing.logicalDpiX() / window->logicalDpiX(),
                     fit * drawing.logicalDpiY() / window->logicalDpiY());
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
