#include "results/chart_button_icon.h"

#include <QColor>
#include <QPainter>

namespace termalo {

QPixmap chartButtonPixmap()
{
    // Drawn pixel by pixel without antialiasing, so the picture is the same everywhere.
    QPixmap pixmap(12, 10);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);

    // Axes: a navy corner along the left and bottom edges.
    painter.fillRect(0, 0, 1, 10, QColor(0, 0, 128));
    painter.fillRect(0, 9, 12, 1, QColor(0, 0, 128));

    struct Bar {
        int left;
        int height;
        QColor colour;
    };
    const Bar bars[] = {
        {2, 5, QColor(255, 0, 0)},
        {5, 8, QColor(0, 128, 0)},
        {8, 3, QColor(0, 0, 255)},
    };
    for (const Bar& bar : bars) {
        const QRect rect(bar.left, 9 - bar.height, 2, bar.height);
        painter.fillRect(rect, bar.colour);
    }
    return pixmap;
}

}  // namespace termalo
