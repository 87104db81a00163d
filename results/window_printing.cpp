#include "results/window_printing.h"

#include "results/print_flattening.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace termalo {

bool printWindowImage(QWidget* window)
{
    // The window's pictures go to paper without transparency; their resolution
    // is the screen's.
    const qreal backdropDpi = window->logicalDpiX() * window->devicePixelRatioF();
    return printOnePage(window->windowTitle(), window, backdropDpi, [window](QPainter& player, const QPrinter& printer) {
        // Qt renders a widget straight onto a printer through a bitmap; recorded
        // as a picture first, the window's texts and lines stay drawing commands.
        QPicture drawing;
        {
            QPainter recorder(&drawing);
            window->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        }
        const QSizeF area = printer.pageRect(QPrinter::DevicePixel).size();
        const qreal toPaperX = qreal(printer.logicalDpiX()) / window->logicalDpiX();
        const qreal toPaperY = qreal(printer.logicalDpiY()) / window->logicalDpiY();
        // At its on-screen size when it fits, else as large as fits, in proportion.
        const qreal fit = std::min({1.0, area.width() / (window->width() * toPaperX),
                                    area.height() / (window->height() * toPaperY)});
        // A picture is played back scaled by the printer's resolution over its
        // own; the window's own resolution completes the on-screen size.
        player.scale(fit * drawing.logicalDpiX() / window->logicalDpiX(),
                     fit * drawing.logicalDpiY() / window->logicalDpiY());
        // Lossless: the small logos and icons keep their sharp edges (a PDF would
        // otherwise get them as JPEG).
        player.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::LosslessImageRendering);
        player.drawPicture(0, 0, drawing);
    });
}

}  // namespace termalo
