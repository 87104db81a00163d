#pragma once

#include <QImage>
#include <QSize>

class QPainter;
class QPainterPath;

namespace termalo::chart {

// The device pixels that `size` pixels touch at `ratio` device pixels per
// pixel: a part of a pixel counts, so that a picture of this size leaves
// nothing of its place unpainted.
QSize deviceSize(const QSize& size, qreal ratio);

// A widget's picture in its screen's device pixels, kept between paints and
// copied onto the screen. It covers every device pixel the widget touches at
// any ratio (125 %, 150 %, ...): it is sized up, not rounded, and cleared
// before it is drawn, so no row or column is ever left unpainted.
//
// Fills and copies of more than about a hundred rows are shared out among
// threads, whose waking costs more than the work here; both go in bands of
// whole device rows, so that neighbouring bands neither overlap nor part.
class DevicePicture {
public:
    // Whether the picture must be drawn again for a widget of `size` at
    // `ratio`: it was dropped, or the size or ratio changed. It is then made
    // anew, cleared to `background`, and its painting uses the widget's pixels.
    bool prepare(const QSize& size, qreal ratio, const QColor& background);
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // The picture no longer shows the widget: the next prepare() draws it.
    void drop() { valid_ = false; }

    // Copies the picture onto `painter`, a painter on the widget in its pixels.
    void copyTo(QPainter& painter) const;

private:
    QImage image_;
    QSize size_;
    bool valid_ = false;
};

// The number of device rows a band holds.
inline constexpr int kBandRows = 90;

// Draws `path` with the painter's pen and brush, in bands of whole device
// rows of a device with `ratio` device pixels per pixel.
void drawInBands(QPainter& painter, const QPainterPath& path, qreal ratio);

}  // namespace termalo::chart
