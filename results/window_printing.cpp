#include "results/window_printing.h"

#include "shell/application.h"
#include "shell/dialogs.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace termalo {

bool printWindowImage(QWidget* window)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs().choosePrinter(printer, window))
        return false;

    const QPixmap image = window->grab();
    const QSizeF onScreen = image.deviceIndependentSize();

    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QStringLiteral("Nie można rozpocząć drukowania"));
    const qreal scaleX = qreal(printer.logicalDpiX()) / window->logicalDpiX();
    const qreal scaleY = qreal(printer.logicalDpiY()) / window->logicalDpiY();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(0, 0, onScreen.width() * scaleX, onScreen.height() * scaleY), image,
                       QRectF(image.rect()));
    if (!painter.end())
        throw Error(QStringLiteral("Nie można zakończyć drukowania"));
    return true;
}

}  // namespace termalo
