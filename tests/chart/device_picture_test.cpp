// The chart's picture in device pixels at every scale a desktop offers: drawn
// in bands and copied onto the screen without a seam or an unpainted row.
#include "chart/device_picture.h"

#include <QPainter>
#include <QPainterPath>

#include <gtest/gtest.h>

#include <cmath>

namespace termalo::chart {
namespace {

const QSize kWidget(337, 201);  // odd sizes: fractional at every ratio but 2

// How much of device pixel (x, y) of a device at `ratio` the rectangle
// `logical` of pixels covers: 2 all of it, 1 its centre (an edge through the
// centre leaves the pixel to either side), 0 less.
int covered(int x, int y, const QRect& logical, qreal ratio)
{
    const QRectF device(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio);
    if (device.contains(QRectF(x, y, 1, 1)))
        return 2;
    const QPointF centre(x + 0.5, y + 0.5);
    return centre.x() > device.left() && centre.x() < device.right() && centre.y() > device.top() &&
                   centre.y() < device.bottom()
               ? 1
               : 0;
}

TEST(DevicePicture, IsDrawnAndCopiedToEveryDevicePixelAtEveryScale)
{
    for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        SCOPED_TRACE(ratio);
        DevicePicture picture;
        ASSERT_TRUE(picture.prepare(kWidget, ratio, Qt::green));
        EXPECT_FALSE(picture.prepare(kWidget, ratio, Qt::green)) << "kept while nothing changed";
        const QImage& image = picture.image();
        EXPECT_EQ(image.size(), QSize(std::ceil(kWidget.width() * ratio), std::ceil(kWidget.height() * ratio)));
        EXPECT_EQ(image.devicePixelRatio(), ratio);

        // A smoothed fill of the whole widget, drawn in bands: every device
        // pixel inside is covered in full, where one band meets the next too.
        {
            QPainter painter(&picture.image());
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::red);
            QPainterPath whole;
            whole.addPolygon(QPolygonF(QRectF(QPointF(0, 0), kWidget)));
            drawInBands(painter, whole, ratio);
        }
        int unpainted = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (covered(x, y, QRect(QPoint(0, 0), kWidget), ratio) == 2 && image.pixel(x, y) != qRgb(255, 0, 0))
                    ++unpainted;
            }
        }
        EXPECT_EQ(unpainted, 0);

        // Onto a screen where the widget sits at (3, 7): at 125 % and 175 %
        // between device pixels.
        const QRect place(QPoint(3, 7), kWidget);
        QImage screen(std::ceil(400 * ratio), std::ceil(240 * ratio), QImage::Format_RGB32);
        screen.setDevicePixelRatio(ratio);
        screen.fill(Qt::blue);
        {
            QPainter painter(&screen);
            painter.translate(place.topLeft());
            picture.copyTo(painter);
        }
        int missed = 0, spilt = 0;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                const QRgb pixel = screen.pixel(x, y);
                // Nothing unpainted; within the edge, no seam.
                const bool inside = covered(x, y, place, ratio) > 0;
                const bool within = covered(x, y, place.adjusted(1, 1, -1, -1), ratio) == 2;
                missed += (inside && pixel == qRgb(0, 0, 255)) || (within && pixel != qRgb(255, 0, 0));
                spilt += covered(x, y, place.adjusted(-1, -1, 1, 1), ratio) == 0 && pixel != qRgb(0, 0, 255);
            }
        }
        EXPECT_EQ(missed, 0) << "no row or column of the widget is left unpainted";
        EXPECT_EQ(spilt, 0);

        picture.drop();
        EXPECT_TRUE(picture.prepare(kWidget, ratio, Qt::green));
        EXPECT_EQ(picture.image().pixel(image.width() / 2, image.height() / 2), qRgb(0, 255, 0)) << "cleared";
    }
}

}  // namespace
}  // namespace termalo::chart
