#pragma once

#include "chart/chart.h"
#include "chart/projection.h"

#include <QBrush>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QPainter;

namespace termalo::chart {

struct Range {
    double minimum = 0.0;
    double maximum = 1.0;
    double span() const { return maximum - minimum; }
};

// What the mouse has zoomed or panned to: the ranges the axes span instead of
// their own.
struct Zoom {
    Range horizontal;
    Range vertical;
};

// One thing drawn: a filled or outlined shape, or a text in a box.
struct Item {
    enum class Kind { Shape, Text };
    Kind kind = Kind::Shape;
    // Shape
    QPainterPath path;
    QBrush brush;
    QPen pen = Qt::NoPen;
    // Rectangles along the axes need no smoothing of their edges (and fill
    // much faster without).
    bool smooth = true;
    // Text: written from `origin` on its baseline so that it sits in `box`,
    // turned by `rotation` degrees about the box's centre (`origin` is then
    // relative to the centre, before turning)
    QString text;
    QFont font;
    QColor colour;
    QRectF box;
    QPointF origin;
    double rotation = 0.0;
};

// A chart laid out for a size: everything to draw, in painting order, and what
// the mouse, the tests and the screen reader need to know of it.
struct Scene {
    QSizeF size;
    QList<Item> items;

    struct Mark {
        int series = 0;
        int point = 0;
        QString text;
        QRectF box;
    };
    QList<Mark> marks;

    // Where each drawn point (bar or slice) lies on the screen.
    struct Hit {
        int series = 0;
        int point = 0;
        QPainterPath region;
    };
    QList<Hit> hits;

    QStringList legend;

    // Bars and lines: the front plane of the box in its own pixels, the view
    // of the box and the ranges the axes span.
    bool hasAxes = false;
    QRectF front;
    Projection projection;
    Range horizontal;
    Range vertical;

    // The point drawn under `position`, if any: the one drawn last wins.
    const Hit* hitAt(const QPointF& position) const;
};

// Lays `chart` out for a widget of `size` pixels, zoomed to `zoom` when given.
Scene layOut(const Chart& chart, const QSizeF& size, const std::optional<Zoom>& zoom = std::nullopt);

// Draws a laid-out chart with `painter` in the scene's own pixels: vectors and
// text only, nothing with an alpha channel. On a screen of `screenRatio`
// device pixels per pixel, lines are drawn as the screen's own hairlines,
// which look the same there and cost far less; 0 draws them as outlines of
// their width, as paper needs.
void paintScene(QPainter& painter, const Scene& scene, qreal screenRatio = 0);

// Lays out and draws `chart` as it looks at `size`, scaled into `target`.
void paintChart(QPainter& painter, const Chart& chart, const QSizeF& size, const QRectF& target,
                const std::optional<Zoom>& zoom = std::nullopt);

// What point `point` of series `series` reads: the text of its mark, in the
// series' mark style, whether marks are shown or not.
QString pointText(const Chart& chart, int series, int point);
// The same without the point's label: the value as the mark writes it.
QString valueText(const Chart& chart, int series, int point);
// The same when the series' share total is known: what valueText() costs
// then does not grow with the points.
QString valueText(const Chart& chart, int series, int point, double total);
// What a series' shares are shares of: the sum of its values' sizes.
double shareTotal(const Series& series);

}  // namespace termalo::chart
