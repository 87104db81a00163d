// The box of a bar or line chart: its ranges, walls, grid, axes and labels.
#include "chart/scene_builder.h"

#include "chart/value_format.h"

#include <algorithm>
#include <cmath>

namespace termalo::chart::layout {

QList<int> Builder::plottedSeries() const
{
    QList<int> plotted;
    for (int i = 0; i < c_.series.size(); ++i) {
        if (c_.series[i].active && c_.series[i].kind != Series::Kind::Pie)
            plotted << i;
    }
    return plotted;
}

Range Builder::horizontalRange(const QList<int>& plotted) const
{
    if (zoom_)
        return zoom_->horizontal;
    double low = 0.0, high = 0.0;
    bool any = false;
    for (const int s : plotted) {
        for (const Point& p : c_.series[s].points) {
            if (!std::isfinite(p.x))
                continue;
            low = any ? std::min(low, p.x) : p.x;
            high = any ? std::max(high, p.x) : p.x;
            any = true;
        }
    }
    if (c_.pointsPerPage > 0)
        high = low + c_.pointsPerPage - 1;
    return {low - 0.5, high + 0.5};
}

Range Builder::verticalRange(const QList<int>& plotted, double plotHeight, double labelHeight) const
{
    if (zoom_)
        return zoom_->vertical;
    const Axis& axis = c_.leftAxis;
    double smallest = 0.0, tallest = 0.0;
    for (const int s : plotted) {
        for (const Point& p : c_.series[s].points) {
            if (!drawable(p))
                continue;
            smallest = std::min(smallest, p.y);
            tallest = std::max(tallest, p.y);
        }
    }
    Range range;
    range.minimum = axis.automaticMinimum ? smallest : axis.minimum;
    if (axis.automaticMaximum) {
        const double step = niceStep(tallest - range.minimum, plotHeight, labelHeight, false);
        range.maximum = std::ceil((tallest - range.minimum) / step - 1e-9) * step + range.minimum;
    } else {
        range.maximum = axis.maximum;
    }
    if (!(range.maximum > range.minimum))
        range.maximum = range.minimum + 1.0;
    return range;
}

// Where the axis of `range` puts its labels, from the bottom up.
QList<double> Builder::labelValues(const Range& range, double step)
{
    QList<double> values;
    const double first = std::ceil(range.minimum / step - 1e-9) * step;
    for (double v = first; v <= range.maximum + step * 1e-9 && values.size() < 1000; v += step)
        values << (std::fabs(v) < step * 1e-9 ? 0.0 : v);
    return values;
}

void Builder::bars(const QRectF& room)
{
    s_.hasAxes = true;
    if (const std::optional<Box> box = layOutBox(room)) {
        axes(*box, room);
        plot(*box);
    }
}

// The room the value axes' labels and the category names take, the view
// of the box and the ranges of its axes.
std::optional<Builder::Box> Builder::layOutBox(const QRectF& room)
{
    const Axis& left = c_.leftAxis;
    const Axis& right = c_.rightAxis;
    const Axis& bottom = c_.bottomAxis;
    const QList<int> plotted = plottedSeries();
    bool rightShown = right.visible;
    const qreal markRoom = marksRoom(plotted, rightShown);

    // Category names under (or over) the bars, when there are any to show.
    const Series* first = plotted.isEmpty() ? nullptr : &c_.series[plotted.front()];
    const bool onTop = first && first->horizontalAxis == Series::HorizontalAxis::Top;
    bool named = false;
    for (const Point& p : first ? first->points : QList<Point>())
        named = named || !p.label.trimmed().isEmpty();
    const QFontMetricsF& categoryMetrics = measures_.of(bottom.labelFont);
    const qreal categoryRoom = bottom.visible && bottom.labelsVisible && named ? categoryMetrics.height() + 2.0 : 2.0;

    const QFontMetricsF& labelMetrics = measures_.of(left.labelFont);
    const qreal labelHeight = labelMetrics.height();
    const qreal titleRoom = left.visible && !left.title.isEmpty() ? measures_.of(left.titleFont).height() + 3.0 : 0.0;

    const QRectF guess = room.adjusted(0, markRoom + (onTop ? categoryRoom : 0), 0, onTop ? 0 : -categoryRoom);
    const double guessDepth = depthFor(guess);
    const double plotHeight = c_.view.orthogonal ? guess.height() - guessDepth : guess.height() * 0.8;

    const Range h = horizontalRange(plotted);
    const Range v = verticalRange(plotted, plotHeight, labelHeight);
    const double step = niceStep(v.span(), plotHeight, labelHeight, zoom_.has_value());
    const QList<double> values = labelValues(v, step);
    QStringList labels;
    qreal labelWidth = 0.0;
    for (const double value : values) {
        labels << formatValue(value, left.valueFormat);
        labelWidth = std::max(labelWidth, measures_.advance(left.labelFont, labels.last()));
    }
    const qreal leftLabelRoom = left.labelSize > 0 ? left.labelSize : labelWidth;
    const qreal rightLabelRoom = right.labelSize > 0 ? right.labelSize : labelWidth;
    const qreal leftRoom = left.visible ? titleRoom + leftLabelRoom + 2.0 + left.tickLength : 0.0;
    const qreal rightRoom = rightShown ? right.tickLength + 2.0 + rightLabelRoom : 0.0;

    const QRectF area = room.adjusted(leftRoom, markRoom + (onTop ? categoryRoom : 0), -rightRoom,
                                      onTop ? 0 : -categoryRoom);
    if (area.width() < 2.0 || area.height() < 2.0)
        return std::nullopt;
    const double depth = depthFor(area);
    QRectF front = area;
    if (c_.view.enabled && c_.view.orthogonal)
        front = area.adjusted(0, depth, -depth, 0);
    View3D view = c_.view;
    if (!view.enabled)
        view = View3D{};
    Projection projection(view, front, depth);
    projection.fitInto(area);
    s_.front = front;
    s_.projection = projection;
    s_.horizontal = h;
    s_.vertical = v;
    return Box{plotted, first, onTop, named, rightShown, categoryMetrics.height(), front, depth, projection,
               h, v, step, values, labels, labelHeight};
}

// The room over the box that the series' marks take; `rightShown` becomes
// true where a series is tied to the right axis.
qreal Builder::marksRoom(const QList<int>& plotted, bool& rightShown)
{
    qreal room = 2.0;
    for (const int s : plotted) {
        const Series& series = c_.series[s];
        rightShown = rightShown || series.verticalAxis != Series::VerticalAxis::Left;
        if (series.marks.visible)
            room = std::max(room, measures_.of(series.marks.font).height() + series.marks.arrowLength + 2.0);
    }
    return room;
}

// The depth of the box for the area `r`.
double Builder::depthFor(const QRectF& r) const
{
    return c_.view.enabled ? std::round(c_.view.depthPercent / 100.0 * std::min(r.width(), r.height()) * kDepthShare)
                           : 0.0;
}

// The walls, the grid, the axes with their ticks and labels, the category
// names; the left axis's title at the left of `room`.
void Builder::axes(const Box& box, const QRectF& room)
{
    const Axis& left = c_.leftAxis;
    const Axis& right = c_.rightAxis;
    const Axis& bottom = c_.bottomAxis;
    const QRectF& front = box.front;
    const Projection& projection = box.projection;
    const QList<double>& values = box.values;
    const double step = box.step;
    const double L = front.left(), R = front.right(), T = front.top(), B = front.bottom(), D = box.depth;
    auto wy = [&](double y) { return box.wy(y); };
    auto map = [&](double x, double y, double z) { return box.map(x, y, z); };

    walls(projection, front, D);
    grid(projection, front, D, values, step, left);

    // The left axis at the front, the right one at the back.
    const QPen axisPen(Qt::black, 1);
    if (left.visible) {
        addShape(linePath(map(L, T, 0), map(L, B, 0)), Qt::NoBrush, axisPen);
        ticks(values, step, left, wy, [&](double y) { return map(L, y, 0); }, -1);
        for (int i = 0; i < values.size(); ++i) {
            const QPointF at = map(L, wy(values[i]), 0);
            if (left.labelsVisible) {
                addText(box.labels[i], left.labelFont, left.labelColour,
                        QRectF(at.x() - left.tickLength - 2.0 - 400.0, at.y() - box.labelHeight / 2.0, 400.0, box.labelHeight),
                        Qt::AlignRight | Qt::AlignVCenter);
            }
        }
        if (!left.title.isEmpty()) {
            const qreal w = measures_.advance(left.titleFont, left.title) + 1.0, ht = measures_.of(left.titleFont).height();
            const QPointF centre(room.left() + ht / 2.0, (map(L, T, 0).y() + map(L, B, 0).y()) / 2.0);
            addText(left.title, left.titleFont, left.labelColour, QRectF(centre.x() - w / 2.0, centre.y() - ht / 2.0, w, ht),
                    Qt::AlignCenter, nullptr, -90.0);
        }
    }
    if (box.rightShown) {
        addShape(linePath(map(R, T, D), map(R, B, D)), Qt::NoBrush, axisPen);
        ticks(values, step, right, wy, [&](double y) { return map(R, y, D); }, 1);
        const QFontMetricsF& rightMetrics = measures_.of(right.labelFont);
        for (int i = 0; i < values.size(); ++i) {
            const QPointF at = map(R, wy(values[i]), D);
            addText(formatValue(values[i], right.valueFormat), right.labelFont, right.labelColour,
                    QRectF(at.x() + right.tickLength + 2.0, at.y() - rightMetrics.height() / 2.0, 400.0, rightMetrics.height()),
                    Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    if (bottom.visible)
        addShape(linePath(map(L, B, 0), map(R, B, 0)), Qt::NoBrush, axisPen);
    if (box.first && box.named && bottom.visible && bottom.labelsVisible)
        categoryNames(box);
}

// The names of the first series' points under (or over) their places, where
// every one fits its place; else the legend names them.
void Builder::categoryNames(const Box& box)
{
    const Axis& bottom = c_.bottomAxis;
    const Range& h = box.h;
    const double slot = box.front.width() / h.span();
    for (const Point& p : box.first->points) {
        if (measures_.advance(bottom.labelFont, p.label) > slot)
            return;
    }
    for (const Point& p : box.first->points) {
        if (!(p.x >= h.minimum && p.x <= h.maximum))
            continue;
        const QPointF at = box.onTop ? box.map(box.wx(p.x), box.front.top(), box.depth)
                                     : box.map(box.wx(p.x), box.front.bottom(), 0);
        const qreal w = measures_.advance(bottom.labelFont, p.label) + 1.0;
        addText(p.label, bottom.labelFont, bottom.labelColour,
                QRectF(at.x() - w / 2.0, box.onTop ? at.y() - 2.0 - box.categoryHeight : at.y() + 2.0, w,
                       box.categoryHeight),
                Qt::AlignCenter);
    }
}

void Builder::walls(const Projection& projection, const QRectF& front, double depth)
{
    const Walls& w = c_.walls;
    const double L = front.left(), R = front.right(), T = front.top(), B = front.bottom(), D = depth;
    auto add = [&](const Wall& wall, const QPolygonF& polygon, const QColor& behind) {
        if (!wall.visible)
            return;
        QBrush brush = wall.transparent ? (behind.isValid() ? QBrush(behind) : QBrush(Qt::NoBrush)) : QBrush(wall.colour);
        const QPen pen = wall.outline && c_.frameVisible ? QPen(wall.outlineColour, 1) : QPen(Qt::NoPen);
        if (brush.style() == Qt::NoBrush && pen.style() == Qt::NoPen)
            return;
        addShape(polygonPath(polygon), brush, pen);
    };
    add(w.back, projection.map({{L, T, D}, {R, T, D}, {R, B, D}, {L, B, D}}), w.backColour);
    if (depth <= 0.0)
        return;
    add(w.left, projection.map({{L, T, 0}, {L, T, D}, {L, B, D}, {L, B, 0}}), QColor());
    add(w.bottom, projection.map({{L, B, 0}, {R, B, 0}, {R, B, D}, {L, B, D}}), QColor());
}

void Builder::grid(const Projection& projection, const QRectF& front, double depth, const QList<double>& values, double step,
          const Axis& axis)
{
    if (!axis.grid || values.isEmpty())
        return;
    const double L = front.left(), R = front.right(), T = front.top(), B = front.bottom();
    const Range& v = s_.vertical;
    QPainterPath path;
    for (double value : values) {
        if (axis.gridCentred)
            value += step / 2.0;
        const double y = B - (value - v.minimum) / v.span() * front.height();
        if (y <= T + 0.5 || y >= B - 0.5)
            continue;
        path.moveTo(projection.map(Point3{L, y, depth}));
        path.lineTo(projection.map(Point3{R, y, depth}));
        if (depth > 0.0) {
            path.moveTo(projection.map(Point3{L, y, 0}));
            path.lineTo(projection.map(Point3{L, y, depth}));
        }
    }
    addShape(path, Qt::NoBrush, QPen(kGrid, 1, Qt::DotLine));
}

// Major ticks at the labels and minor ones between them, `side` -1 to the
// left of the axis and 1 to the right.
template <typename ToY, typename At>
void Builder::ticks(const QList<double>& values, double step, const Axis& axis, ToY toY, At at, int side)
{
    QPainterPath path;
    const Range& v = s_.vertical;
    for (const double value : values) {
        const QPointF p = at(toY(value));
        path.moveTo(p);
        path.lineTo(p + QPointF(side * axis.tickLength, 0));
        for (int m = 1; m <= axis.minorTickCount && axis.minorTickLength > 0; ++m) {
            const double minor = value + step * m / (axis.minorTickCount + 1);
            if (minor > v.maximum)
                break;
            const QPointF q = at(toY(minor));
            path.moveTo(q);
            path.lineTo(q + QPointF(side * axis.minorTickLength, 0));
        }
    }
    addShape(path, Qt::NoBrush, QPen(Qt::black, 1));
}

}  // namespace termalo::chart::layout
