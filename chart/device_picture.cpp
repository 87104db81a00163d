#include "chart/device_picture.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace termalo::chart {

QSize deviceSize(const QSize& size, qreal ratio)
{
    auto pixels = [ratio](int length) { return std::max(0, int(std::ceil(length * ratio - 1e-6))); };
    return {pixels(size.width()), pixels(size.height())};
}

bool DevicePicture::prepare(const QSize& size, qreal ratio, const QColor& background)
{
    if (valid_ && size == size_ && image_.devicePixelRatio() == ratio)
        return false;
    const QSize pixels = deviceSize(size, ratio);
    if (image_.size() != pixels)
        image_ = QImage(pixels, QImage::Format_RGB32);  // opaque: copied, not blended
    image_.setDevicePixelRatio(ratio);
    image_.fill(background);
    size_ = size;
    valid_ = true;
    return true;
}

void DevicePicture::copyTo(QPainter& painter) const
{
    if (image_.isNull())
        return;
    const qreal ratio = image_.devicePixelRatio();
    painter.save();
    // In device pixels: each band starts on a whole row, so no row is copied
    // twice or left out, and no pixel is stretched.
    painter.scale(1.0 / ratio, 1.0 / ratio);
    for (int top = 0; top < image_.height(); top += kBandRows) {
        const QRect band(0, top, image_.width(), std::min(kBandRows, image_.height() - top));
        painter.drawImage(QRectF(band), image_, QRectF(band));
    }
    painter.restore();
}

void drawInBands(QPainter& painter, const QPainterPath& path, qreal ratio)
{
    const QRectF bounds = path.controlPointRect().adjusted(-2, -2, 2, 2);
    if (bounds.height() * ratio <= kBandRows) {
        painter.drawPath(path);
        return;
    }
    const int last = int(std::ceil(bounds.bottom() * ratio));
    for (int row = int(std::floor(bounds.top() * ratio)); row < last; row += kBandRows) {
        painter.save();
        // Both edges from whole device rows: the painter rounds them to the
        // same row where one band ends and the next begins.
        painter.setClipRect(QRectF(QPointF(bounds.left(), row / ratio), QPointF(bounds.right(), (row + kBandRows) / ratio)),
                            Qt::IntersectClip);
        painter.drawPath(path);
        painter.restore();
    }
}

}  // namespace termalo::chart
