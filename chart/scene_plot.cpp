// What a chart plots: bars, lines and pies, and their marks.
#include "chart/scene_builder.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <utility>

namespace termalo::chart::layout {
namespace {

// The front of a bar: lit from the left, shaded to the right.
QBrush barFrontBrush(const QColor& colour, const QRectF& face, bool gradient)
{
    if (!gradient)
        return colour;
    QLinearGradient g(face.left(), 0, face.right(), 0);
    g.setColorAt(0.0, colour.lighter(160));
    g.setColorAt(0.45, colour);
    g.setColorAt(1.0, colour.darker(170));
    return g;
}

QColor faceColour(const QColor& colour, Face::Side side)
{
    switch (side) {
    case Face::Side::Top:
        return colour.lighter(135);
    case Face::Side::Left:
    case Face::Side::Right:
        return colour.darker(160);
    case Face::Side::Front:
        return colour;
    case Face::Side::Back:
    case Face::Side::Bottom:
        break;
    }
    return colour.darker(220);
}

}  // namespace

// The series, each in a slice of the depth of its own, the last at the
// front, and their marks.
void Builder::plot(const Box& box)
{
    const QList<int>& plotted = box.plotted;
    Plotted drawn;
    const double slotDepth = plotted.isEmpty() ? box.depth : box.depth / plotted.size();
    for (int k = 0; k < plotted.size(); ++k) {
        const int fromFront = int(plotted.size()) - 1 - k;
        const Slice slice{plotted[k], fromFront * slotDepth, (fromFront + 1) * slotDepth};
        if (c_.series[slice.series].kind == Series::Kind::Bar)
            plotBars(box, slice, drawn);
        else
            plotLine(box, slice, drawn);
    }
    std::stable_sort(drawn.solids.begin(), drawn.solids.end(),
                     [](const Solid& a, const Solid& b) { return a.distance > b.distance; });
    for (const Solid& solid : std::as_const(drawn.solids)) {
        s_.items += solid.items;
        if (!solid.region.isEmpty())
            s_.hits.append({solid.series, solid.point, solid.region});
    }
    for (int i = 0; i < drawn.marks.size(); ++i)
        addMark(drawn.marks[i], drawn.anchors[i], QPointF(0.0, -1.0), true);
}

// A bar series: a box for each point, from the axis (or zero) to its value.
void Builder::plotBars(const Box& box, const Slice& slice, Plotted& drawn)
{
    const Series& series = c_.series[slice.series];
    const QRectF& front = box.front;
    const Range& h = box.h;
    const double L = front.left(), R = front.right(), T = front.top(), B = front.bottom();
    const double width = front.width() / h.span() * series.barWidthPercent / 100.0;
    for (int i = 0; i < series.points.size(); ++i) {
        const Point& p = series.points[i];
        if (!drawable(p))
            continue;
        const double centre = box.wx(p.x) + width * series.offsetPercent / 100.0;
        double x0 = centre - width / 2.0, x1 = centre + width / 2.0;
        const double base = series.barsFromAxisMinimum ? box.v.minimum : 0.0;
        double top = box.wy(p.y), foot = box.wy(base);
        if (top > foot)
            std::swap(top, foot);
        if (c_.clipPoints) {
            x0 = std::max(x0, L);
            x1 = std::min(x1, R);
            top = std::clamp(top, T, B);
            foot = std::clamp(foot, T, B);
            if (x1 <= x0 || p.x + 0.5 < h.minimum || p.x - 0.5 > h.maximum)
                continue;
        }
        const QColor colour = series.pointColour(i);
        Solid solid{box.projection.distance({(x0 + x1) / 2.0, (top + foot) / 2.0, slice.middle()}), {}, slice.series, i, {}};
        solid.region.setFillRule(Qt::WindingFill);
        const QPen edge(colour.darker(220), 0.8);
        for (const Face& face : boxFaces(box.projection, {x0, top, slice.z0}, {x1, foot, slice.z1})) {
            if (!face.visible)
                continue;
            Item item;
            item.path = polygonPath(face.polygon);
            item.brush = face.side == Face::Side::Front
                             ? barFrontBrush(colour, face.polygon.boundingRect(), series.barGradient)
                             : QBrush(faceColour(colour, face.side));
            item.pen = edge;
            item.smooth = !isUprightRectangle(item.path);
            solid.region.addPath(item.path);
            solid.items << item;
        }
        drawn.solids << solid;
        if (series.marks.visible) {
            drawn.marks.append({slice.series, i, pointText(c_, slice.series, i), {}});
            drawn.anchors << box.map((x0 + x1) / 2.0, top, slice.middle());
        }
    }
}

// A line series: a band through the slice's depth (a line in 2D) between
// neighbouring points; a value that cannot be drawn breaks it.
void Builder::plotLine(const Box& box, const Slice& slice, Plotted& drawn)
{
    const Series& series = c_.series[slice.series];
    const double z0 = slice.z0, z1 = slice.z1, zMid = slice.middle();
    // In the front plane's pixels.
    struct Vertex {
        QPointF at;
        bool drawn;
    };
    QList<Vertex> line;
    for (const Point& p : series.points) {
        if (std::isfinite(p.x))
            line.append({QPointF(box.wx(p.x), std::isfinite(p.y) ? box.wy(p.y) : 0.0), std::isfinite(p.y)});
    }
    std::stable_sort(line.begin(), line.end(), [](const Vertex& a, const Vertex& b) { return a.at.x() < b.at.x(); });
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        if (!line[i].drawn || !line[i + 1].drawn)
            continue;
        QPointF a = line[i].at, b = line[i + 1].at;
        if (c_.clipPoints && !clipSegment(a, b, box.front))
            continue;
        Solid solid{box.projection.distance({(a.x() + b.x()) / 2.0, (a.y() + b.y()) / 2.0, zMid}), {}, slice.series, int(i), {}};
        Item item;
        if (box.depth > 0.0) {
            item.path = polygonPath(box.projection.map(
                {{a.x(), a.y(), z0}, {b.x(), b.y(), z0}, {b.x(), b.y(), z1}, {a.x(), a.y(), z1}}));
            item.brush = series.colour;
            item.pen = QPen(series.colour.darker(150), 0.8);
        } else {
            item.path = linePath(box.map(a.x(), a.y(), 0), box.map(b.x(), b.y(), 0));
            item.pen = QPen(series.colour, series.lineWidth);
        }
        solid.items << item;
        drawn.solids << solid;
    }
    if (!series.marks.visible)
        return;
    for (int i = 0; i < series.points.size(); ++i) {
        const Point& p = series.points[i];
        if (!drawable(p))
            continue;
        drawn.marks.append({slice.series, i, pointText(c_, slice.series, i), {}});
        drawn.anchors << box.map(box.wx(p.x), std::clamp(box.wy(p.y), box.front.top(), box.front.bottom()), zMid);
    }
}

// Cuts the segment from `a` to `b` to `r`; false when nothing of it is inside.
bool Builder::clipSegment(QPointF& a, QPointF& b, const QRectF& r)
{
    if ((a.x() < r.left() && b.x() < r.left()) || (a.x() > r.right() && b.x() > r.right()))
        return false;
    auto cut = [](QPointF& p, const QPointF& q, double x) {
        const double t = (x - p.x()) / (q.x() - p.x());
        p = QPointF(x, p.y() + t * (q.y() - p.y()));
    };
    if (a.x() < r.left())
        cut(a, b, r.left());
    if (b.x() > r.right())
        cut(b, a, r.right());
    a.setY(std::clamp(a.y(), r.top(), r.bottom()));
    b.setY(std::clamp(b.y(), r.top(), r.bottom()));
    return true;
}

// A mark: a box with the point's text at the end of an arrow that leaves
// `anchor` in `direction`. Marks stay inside the chart's panel.
void Builder::addMark(Scene::Mark mark, const QPointF& anchor, const QPointF& direction, bool centred)
{
    const Marks& m = c_.series[mark.series].marks;
    const QPointF tip = anchor + direction * m.arrowLength;
    if (m.arrowLength > 0)
        addShape(linePath(anchor, tip), Qt::NoBrush, QPen(m.arrowColour, 1));
    const QSizeF size(measures_.advance(m.font, mark.text) + 4.0, measures_.of(m.font).height());
    QPointF topLeft;
    if (centred) {
        topLeft = QPointF(tip.x() - size.width() / 2.0, tip.y() - size.height());
    } else {
        topLeft = QPointF(direction.x() >= 0 ? tip.x() : tip.x() - size.width(),
                          tip.y() - size.height() / 2.0 + direction.y() * size.height() / 2.0);
    }
    topLeft.setX(std::clamp(topLeft.x(), 1.0, std::max(1.0, s_.size.width() - size.width() - 1.0)));
    topLeft.setY(std::clamp(topLeft.y(), 1.0, std::max(1.0, s_.size.height() - size.height() - 1.0)));
    mark.box = QRectF(topLeft, size);
    addShape(polygonPath(mark.box), m.background, QPen(m.frameColour, 0.6));
    addText(mark.text, m.font, m.textColour, mark.box, Qt::AlignCenter);
    s_.marks.append(mark);
}

void Builder::pie(const QRectF& room, int index)
{
    const Series& series = c_.series[index];
    qreal markRoom = 0.0;
    if (series.marks.visible)
        markRoom = measures_.of(series.marks.font).height() + series.marks.arrowLength;
    const double radius = series.pieRadius > 0
                              ? series.pieRadius
                              : std::max(10.0, std::min(room.width(), room.height()) / 2.0 - markRoom);
    const double tilt = c_.view.enabled ? pieTilt(c_.view.elevation) : 90.0;
    const double thickness = c_.view.enabled ? c_.view.depthPercent / 100.0 * radius : 0.0;
    Disc disc(room.center(), radius, tilt, thickness);
    disc.centre.ry() -= disc.rimHeight / 2.0;
    disc.centre.rx() += c_.view.enabled ? c_.view.horizontalOffset : 0;

    QList<double> values;
    for (const Point& p : series.points)
        values << p.y;
    const QList<PieSlice> slices = pieSlices(disc, series.pieRotation, values);
    const QRectF top = disc.topRect();
    for (int i = 0; i < slices.size(); ++i) {
        if (slices[i].rim.isEmpty())
            continue;
        const QColor colour = series.pointColour(i);
        QLinearGradient shade(top.left(), 0, top.right(), 0);
        shade.setColorAt(0.0, colour.darker(185));
        shade.setColorAt(0.3, colour.darker(115));
        shade.setColorAt(0.65, colour.darker(135));
        shade.setColorAt(1.0, colour.darker(200));
        addShape(slices[i].rim, shade, QPen(colour.darker(250), 0.6));
    }
    for (int i = 0; i < slices.size(); ++i) {
        if (slices[i].top.isEmpty())
            continue;
        addShape(slices[i].top, series.pointColour(i), QPen(Qt::black, 0.8));
        QPainterPath region = slices[i].top;
        region.addPath(slices[i].rim);
        region.setFillRule(Qt::WindingFill);
        s_.hits.append({index, i, region});
    }
    if (!series.marks.visible)
        return;
    for (int i = 0; i < slices.size(); ++i) {
        if (slices[i].top.isEmpty())
            continue;
        addMark({index, i, pointText(c_, index, i), {}}, slices[i].edge, slices[i].outward, false);
    }
}

}  // namespace termalo::chart::layout
