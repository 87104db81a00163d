#pragma once

// The parts of a chart's layout, shared by the files that lay out its panel
// (title, legend), its axes and what it plots.

#include "chart/chart.h"
#include "chart/scene.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <deque>
#include <optional>

namespace termalo::chart::layout {

inline constexpr double kGap = 4.0;  // between the parts of a chart
// The depth of a 3D chart: its percentage of this share of the box's shorter side.
inline constexpr double kDepthShare = 0.5;
inline const QColor kGrid(128, 128, 128);
inline const QColor kColourBoxOutline(255, 255, 255);

QPainterPath polygonPath(const QPolygonF& polygon);
// A closed path of four corners whose edges run along the axes.
bool isUprightRectangle(const QPainterPath& path);
// Values that cannot be drawn (not a number, infinite) are left out: the
// chart shows a gap where they stand, and the axes, the pie's total and the
// shares ignore them.
bool drawable(const Point& p);
QPainterPath linePath(const QPointF& from, const QPointF& to);
// The step of a value axis: 1, 2 or 5 times a power of ten, wide enough that
// the labels of `span` fit `height` pixels; at least 1 unless `fractions`.
double niceStep(double span, double height, double labelHeight, bool fractions);

// Font metrics and text widths, each measured once per layout.
class Measures {
public:
    const QFontMetricsF& of(const QFont& font) { return entry(font).metrics; }
    qreal advance(const QFont& font, const QString& text)
    {
        Entry& e = entry(font);
        const auto it = e.advances.constFind(text);
        if (it != e.advances.cend())
            return *it;
        return *e.advances.insert(text, e.metrics.horizontalAdvance(text));
    }

private:
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
        QHash<QString, qreal> advances;
    };
    Entry& entry(const QFont& font)
    {
        for (Entry& e : entries_) {
            if (e.font == font)
                return e;
        }
        entries_.push_back({font, QFontMetricsF(font), {}});
        return entries_.back();
    }
    std::deque<Entry> entries_;
};

// Lays a chart out: everything to draw, in painting order.
class Builder {
public:
    Builder(const Chart& chart, const QSizeF& size, const std::optional<Zoom>& zoom)
        : c_(chart), zoom_(zoom)
    {
        s_.size = size;
    }

    Scene build();

private:
    // ------------------------------------------------------------ panel (scene_panel.cpp)

    void addShape(const QPainterPath& path, const QBrush& brush, const QPen& pen = Qt::NoPen,
                  QList<Item>* into = nullptr);

    void addText(const QString& text, const QFont& font, const QColor& colour, const QRectF& box, int flags,
                 QList<Item>* into = nullptr, double rotation = 0.0);

    void addBevel();

    // The title band at the top; returns the room below it.
    QRectF title(QRectF room);

    // The legend, at the bottom or on the right; returns the room beside it.
    QRectF legend(QRectF room);

    // ------------------------------------------------------------ axes (scene_axes.cpp)


    // The box of a bar or line chart as laid out for its room: what its axes
    // and its plot share.
    struct Box {
        QList<int> plotted;
        const Series* first;  // its points name the categories
        bool onTop;           // the category names over the box
        bool named;
        bool rightShown;
        qreal categoryHeight;
        QRectF front;
        double depth;
        Projection projection;
        Range h;
        Range v;
        double step;
        QList<double> values;  // where the value axes have labels
        QStringList labels;
        qreal labelHeight;

        double wx(double x) const { return front.left() + (x - h.minimum) / h.span() * front.width(); }
        double wy(double y) const { return front.bottom() - (y - v.minimum) / v.span() * front.height(); }
        QPointF map(double x, double y, double z) const { return projection.map(Point3{x, y, z}); }
    };

    QList<int> plottedSeries() const;

    Range horizontalRange(const QList<int>& plotted) const;

    Range verticalRange(const QList<int>& plotted, double plotHeight, double labelHeight) const;

    // Where the axis of `range` puts its labels, from the bottom up.
    static QList<double> labelValues(const Range& range, double step);

    void bars(const QRectF& room);

    // The room the value axes' labels and the category names take, the view
    // of the box and the ranges of its axes.
    std::optional<Box> layOutBox(const QRectF& room);
    qreal marksRoom(const QList<int>& plotted, bool& rightShown);
    double depthFor(const QRectF& r) const;

    // The walls, the grid, the axes with their ticks and labels, the category
    // names; the left axis's title at the left of `room`.
    void axes(const Box& box, const QRectF& room);

    void categoryNames(const Box& box);

    void walls(const Projection& projection, const QRectF& front, double depth);

    void grid(const Projection& projection, const QRectF& front, double depth, const QList<double>& values, double step,
              const Axis& axis);

    // Major ticks at the labels and minor ones between them, `side` -1 to the
    // left of the axis and 1 to the right.
    template <typename ToY, typename At>
    void ticks(const QList<double>& values, double step, const Axis& axis, ToY toY, At at, int side);

    // ------------------------------------------------------------ what is plotted (scene_plot.cpp)

    // What is drawn of one point: a bar, or a segment of a line, drawn back
    // to front.
    struct Solid {
        double distance;
        QList<Item> items;
        int series;
        int point;
        QPainterPath region;
    };
    // What the plot collects of every series before it is drawn.
    struct Plotted {
        QList<Solid> solids;
        QList<Scene::Mark> marks;
        QList<QPointF> anchors;  // where each mark's arrow starts
    };
    // The depth a series takes, from z0 to z1.
    struct Slice {
        int series;
        double z0;
        double z1;
        double middle() const { return (z0 + z1) / 2.0; }
    };

    // The series, each in a slice of the depth of its own, the last at the
    // front, and their marks.
    void plot(const Box& box);
    void plotBars(const Box& box, const Slice& slice, Plotted& drawn);
    void plotLine(const Box& box, const Slice& slice, Plotted& drawn);

    // Cuts the segment from `a` to `b` to `r`; false when nothing of it is inside.
    static bool clipSegment(QPointF& a, QPointF& b, const QRectF& r);

    // A mark: a box with the point's text at the end of an arrow that leaves
    // `anchor` in `direction`. Marks stay inside the chart's panel.
    void addMark(Scene::Mark mark, const QPointF& anchor, const QPointF& direction, bool centred);

    void pie(const QRectF& room, int index);


    const Chart& c_;
    const std::optional<Zoom>& zoom_;
    Measures measures_;
    Scene s_;
    QList<Item> overlay_;  // title and legend, over everything else
};

}  // namespace termalo::chart::layout
