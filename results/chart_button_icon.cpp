#include "results/chart_button_icon.h"

#include "chart/device_picture.h"

#include <QApplication>
#include <QColor>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace termalo {

namespace {

// Pixel by pixel without antialiasing, so the picture is the same everywhere;
// at a denser screen each pixel becomes a block of whole device pixels.
void paintChartButtonPicture(QPainter& painter)
{
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
    for (const Bar& bar : bars)
        painter.fillRect(QRect(bar.left, 9 - bar.height, 2, bar.height), bar.colour);
}

class ChartButtonIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / qreal(kChartButtonPictureSize.width()),
                       rect.height() / qreal(kChartButtonPictureSize.height()));
        paintChartButtonPicture(*painter);
        painter->restore();
    }
    // `size` in device pixels: the button's icon size times its screen's ratio.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap picture = chartButtonPixmap(qreal(size.width()) / kChartButtonPictureSize.width());
        if (mode == QIcon::Normal || !qApp)
            return picture;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return kChartButtonPictureSize.scaled(size, Qt::KeepAspectRatio);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {kChartButtonPictureSize}; }
    QIconEngine* clone() const override { return new ChartButtonIconEngine; }
};

}  // namespace

QPixmap chartButtonPixmap(qreal ratio)
{
    ratio = ratio > 0 ? ratio : 1.0;
    QPixmap pixmap(chart::deviceSize(kChartButtonPictureSize, ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintChartButtonPicture(painter);
    return pixmap;
}

QIcon chartButtonIcon()
{
    return QIcon(new ChartButtonIconEngine);
}

}  // namespace termalo
