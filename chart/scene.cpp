#include "chart/scene.h"

#include "chart/device_picture.h"
#include "chart/value_format.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <deque>

namespace termalo::chart {

namespace {

constexpr double kGap = 4.0;  // between the parts of a chart
// The depth of a 3D chart: its percentage of this share of the box's shorter side.
constexpr double kDepthShare = 0.5;
const QColor kGrid(128, 128, 128);
const QColor kColourBoxOutline(255, 255, 255);

QPainterPath polygonPath(const QPolygonF& polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

// A closed path of four corners whose edges run along the axes.
bool isUprightRectangle(const QPainterPath& path)
{
    if (path.elementCount() != 5)
        return false;
    const QRectF bounds = path.boundingRect();
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isCurveTo() || (e.x != bounds.left() && e.x != bounds.right()) || (e.y != bounds.top() && e.y != bounds.bottom()))
            return false;
    }
    return true;
}

// Values that cannot be drawn (not a number, infinite) are left out: the
// chart shows a gap where they stand, and the axes, the pie's total and the
// shares ignore them.
bool drawable(const Point& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

QPainterPath linePath(const QPointF& from, const QPointF& to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

// The step of a value axis: 1, 2 or 5 times a power of ten, wide enough that
// the labels of `span` fit `height` pixels; at least 1 unless `fractions`.
double niceStep(double span, double height, double labelHeight, bool fractions)
{
    const double intervals = std::max(1.0, std::floor(height / (labelHeight + 3.0)));
    double raw = span / intervals;
    if (!fractions)
        raw = std::max(raw, 1.0);
    if (!(raw > 0.0) || !std::isfinite(raw))
        return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw * (1.0 - 1e-9))
            return factor * power;
    }
    return 10.0 * power;
}

QBrush backgroundBrush(const Panel& panel, const QSizeF& size)
{
    if (!panel.background.visible)
        return panel.colour;
    QLinearGradient gradient;
    switch (panel.background.direction) {
    case Gradient::Direction::TopToBottom:
        gradient = QLinearGradient(0, 0, 0, size.height());
        break;
    case Gradient::Direction::FromTopLeft:
        gradient = QLinearGradient(0, 0, size.width(), size.height());
        break;
    case Gradient::Direction::FromBottomLeft:
        gradient = QLinearGradient(0, size.height(), size.width(), 0);
        break;
    }
    gradient.setColorAt(0.0, panel.background.start);
    gradient.setColorAt(1.0, panel.background.end);
    return gradient;
}

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

struct LegendEntry {
    QString text;
    QColor colour;
};

// One series: its points. Several: one entry per series.
QList<LegendEntry> legendEntries(const Chart& chart)
{
    QList<int> active;
    for (int i = 0; i < chart.series.size(); ++i) {
        if (chart.series[i].active)
            active << i;
    }
    QList<LegendEntry> entries;
    if (active.size() == 1) {
        const Series& series = chart.series[active.front()];
        for (int i = 0; i < series.points.size(); ++i)
            entries.append({series.points[i].label, series.pointColour(i)});
    } else {
        for (const int i : std::as_const(active))
            entries.append({chart.series[i].name, chart.series[i].colour});
    }
    return entries;
}

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

class Builder {
public:
    Builder(const Chart& chart, const QSizeF& size, const std::optional<Zoom>& zoom)
        : c_(chart), zoom_(zoom)
    {
        s_.size = size;
    }

    Scene build()
    {
        const QSizeF size = s_.size;
        const double bevel = c_.panel.bevel == Bevel::None ? 0.0 : 1.0;
        addShape(polygonPath(QRectF(QPointF(0, 0), size)), backgroundBrush(c_.panel, size));
        QRectF room(bevel + c_.panel.marginLeft, bevel + c_.panel.marginTop,
                    size.width() - 2 * bevel - c_.panel.marginLeft - c_.panel.marginRight,
                    size.height() - 2 * bevel - c_.panel.marginTop - c_.panel.marginBottom);
        room = title(room);
        room = legend(room);

        int pie = -1;
        for (int i = 0; i < c_.series.size() && pie < 0; ++i) {
            if (c_.series[i].active && c_.series[i].kind == Series::Kind::Pie)
                pie = i;
        }
        if (room.width() > 1.0 && room.height() > 1.0) {
            if (pie >= 0)
                this->pie(room, pie);
            else
                bars(room);
        }
        s_.items += overlay_;
        if (bevel > 0.0)
            addBevel();
        return std::move(s_);
    }

private:
    void addShape(const QPainterPath& path, const QBrush& brush, const QPen& pen = Qt::NoPen,
                  QList<Item>* into = nullptr)
    {
        Item item;
        item.path = path;
        item.brush = brush;
        item.pen = pen;
        item.smooth = !isUprightRectangle(path);
        (into ? *into : s_.items).append(std::move(item));
    }

    void addText(const QString& text, const QFont& font, const QColor& colour, const QRectF& box, int flags,
                 QList<Item>* into = nullptr, double rotation = 0.0)
    {
        Item item;
        item.kind = Item::Kind::Text;
        item.text = text;
        item.font = font;
        item.colour = colour;
        item.box = box;
        item.rotation = rotation;
        // Where the baseline starts, worked out once: painting then needs no
        // layout of its own.
        const QFontMetricsF& metrics = measures_.of(font);
        const qreal advance = measures_.advance(font, text);
        const QRectF frame = rotation == 0.0 ? box : QRectF(-box.width() / 2.0, -box.height() / 2.0, box.width(), box.height());
        qreal x = frame.center().x() - advance / 2.0;
        if (flags & Qt::AlignLeft)
            x = frame.left();
        else if (flags & Qt::AlignRight)
            x = frame.right() - advance;
        const qreal y = frame.center().y() - (metrics.ascent() + metrics.descent()) / 2.0 + metrics.ascent();
        item.origin = QPointF(x, y);
        (into ? *into : s_.items).append(std::move(item));
    }

    void addBevel()
    {
        const QSizeF size = s_.size;
        const bool lowered = c_.panel.bevel == Bevel::Lowered;
        const QColor dark(128, 128, 128), light(255, 255, 255);
        const QColor topLeft = lowered ? dark : light;
        const QColor bottomRight = lowered ? light : dark;
        addShape(polygonPath(QRectF(0, 0, size.width(), 1)), topLeft);
        addShape(polygonPath(QRectF(0, 0, 1, size.height())), topLeft);
        addShape(polygonPath(QRectF(0, size.height() - 1, size.width(), 1)), bottomRight);
        addShape(polygonPath(QRectF(size.width() - 1, 0, 1, size.height())), bottomRight);
    }

    // The title band at the top; returns the room below it.
    QRectF title(QRectF room)
    {
        const Title& t = c_.title;
        if (t.lines.isEmpty())
            return room;
        const QFontMetricsF& metrics = measures_.of(t.font);
        qreal widest = 0.0;
        for (const QString& line : t.lines)
            widest = std::max(widest, measures_.advance(t.font, line));
        const qreal lineHeight = metrics.height();
        const qreal width = t.fitToText ? std::min(room.width(), widest + 8.0) : room.width();
        const QRectF band(room.center().x() - width / 2.0, room.top(), width, t.lines.size() * lineHeight + 4.0);
        const QPen frame = t.frameVisible ? QPen(Qt::black, 1) : QPen(Qt::NoPen);
        if (!t.clear || t.frameVisible)
            addShape(polygonPath(band), t.clear ? QBrush(Qt::NoBrush) : QBrush(t.band), frame, &overlay_);
        for (int i = 0; i < t.lines.size(); ++i) {
            addText(t.lines[i], t.font, t.colour, QRectF(band.left(), band.top() + 2.0 + i * lineHeight, band.width(), lineHeight),
                    Qt::AlignHCenter | Qt::AlignVCenter, &overlay_);
        }
        room.setTop(band.bottom() + kGap);
        return room;
    }

    // The legend, at the bottom or on the right; returns the room beside it.
    QRectF legend(QRectF room)
    {
        const Legend& l = c_.legend;
        const QList<LegendEntry> entries = legendEntries(c_);
        if (!l.visible || entries.isEmpty())
            return room;
        const QFontMetricsF& metrics = measures_.of(l.font);
        qreal widest = 0.0;
        for (const LegendEntry& e : entries)
            widest = std::max(widest, measures_.advance(l.font, e.text));
        const qreal boxWidth = std::max(6.0, std::round(widest * l.colourWidthPercent / 100.0));
        const qreal lineHeight = metrics.height();
        const qreal boxHeight = std::max(4.0, lineHeight - 4.0);
        const qreal rowHeight = lineHeight + l.verticalMargin;
        const qreal shadow = l.shadowSize;

        // Entries flow into rows at the bottom, one per row on the right.
        struct Placed {
            qreal x;
            int row;
        };
        QList<Placed> placed;
        QList<qreal> rowWidths{0.0};
        const qreal available = std::max(60.0, room.width() - 2 * kGap - shadow);
        for (const LegendEntry& e : entries) {
            const qreal width = boxWidth + 3.0 + measures_.advance(l.font, e.text);
            const bool newRow = rowWidths.last() > 0.0 &&
                                (l.position == Legend::Position::Right || rowWidths.last() + 2 * kGap + width > available);
            if (newRow)
                rowWidths.append(0.0);
            qreal& row = rowWidths.last();
            if (row > 0.0)
                row += 2 * kGap;
            placed.append({row, int(rowWidths.size()) - 1});
            row += width;
        }
        const qreal width = *std::max_element(rowWidths.begin(), rowWidths.end()) + 2 * kGap;
        const qreal height = rowWidths.size() * rowHeight + 2.0 + l.verticalMargin;
        QRectF rect;
        if (l.position == Legend::Position::Bottom) {
            rect = QRectF(room.center().x() - width / 2.0, room.bottom() - shadow - height, width, height);
            room.setBottom(rect.top() - kGap);
        } else {
            rect = QRectF(room.right() - shadow - width, room.center().y() - height / 2.0, width, height);
            room.setRight(rect.left() - kGap);
        }
        if (shadow > 0.0)
            addShape(polygonPath(rect.translated(shadow, shadow)), l.shadowColour, Qt::NoPen, &overlay_);
        addShape(polygonPath(rect), l.colour, QPen(l.frameColour, 1), &overlay_);
        for (int i = 0; i < entries.size(); ++i) {
            const qreal left = rect.left() + kGap + placed[i].x;
            const qreal top = rect.top() + 1.0 + l.verticalMargin + placed[i].row * rowHeight;
            addShape(polygonPath(QRectF(left, top + (lineHeight - boxHeight) / 2.0, boxWidth, boxHeight)),
                     entries[i].colour, QPen(kColourBoxOutline, 1), &overlay_);
            addText(entries[i].text, l.font, l.textColour,
                    QRectF(left + boxWidth + 3.0, top, measures_.advance(l.font, entries[i].text) + 1.0, lineHeight),
                    Qt::AlignLeft | Qt::AlignVCenter, &overlay_);
            s_.legend << entries[i].text;
        }
        return room;
    }

    // ------------------------------------------------------------ bars and lines

    QList<int> plottedSeries() const
    {
        QList<int> plotted;
        for (int i = 0; i < c_.series.size(); ++i) {
            if (c_.series[i].active && c_.series[i].kind != Series::Kind::Pie)
                plotted << i;
        }
        return plotted;
    }

    Range horizontalRange(const QList<int>& plotted) const
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

    Range verticalRange(const QList<int>& plotted, double plotHeight, double labelHeight) const
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
    static QList<double> labelValues(const Range& range, double step)
    {
        QList<double> values;
        const double first = std::ceil(range.minimum / step - 1e-9) * step;
        for (double v = first; v <= range.maximum + step * 1e-9 && values.size() < 1000; v += step)
            values << (std::fabs(v) < step * 1e-9 ? 0.0 : v);
        return values;
    }

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

    void bars(const QRectF& room)
    {
        s_.hasAxes = true;
        if (const std::optional<Box> box = layOutBox(room)) {
            axes(*box, room);
            plot(*box);
        }
    }

    // The room the value axes' labels and the category names take, the view
    // of the box and the ranges of its axes.
    std::optional<Box> layOutBox(const QRectF& room)
    {
        const Axis& left = c_.leftAxis;
        const Axis& right = c_.rightAxis;
        const Axis& bottom = c_.bottomAxis;
        const QList<int> plotted = plottedSeries();
        bool rightShown = right.visible;
        qreal markRoom = 2.0;
        for (const int s : plotted) {
            const Series& series = c_.series[s];
            rightShown = rightShown || series.verticalAxis != Series::VerticalAxis::Left;
            if (series.marks.visible)
                markRoom = std::max(markRoom, measures_.of(series.marks.font).height() + series.marks.arrowLength + 2.0);
        }

        // Category names under (or over) the bars, when there are any to show.
        const Series* first = plotted.isEmpty() ? nullptr : &c_.series[plotted.front()];
        const bool onTop = first && first->horizontalAxis == Series::HorizontalAxis::Top;
        bool named = false;
        if (first) {
            for (const Point& p : first->points)
                named = named || !p.label.trimmed().isEmpty();
        }
        const QFontMetricsF& categoryMetrics = measures_.of(bottom.labelFont);
        const qreal categoryRoom = bottom.visible && bottom.labelsVisible && named ? categoryMetrics.height() + 2.0 : 2.0;

        const QFontMetricsF& labelMetrics = measures_.of(left.labelFont);
        const qreal labelHeight = labelMetrics.height();
        const qreal titleRoom = left.visible && !left.title.isEmpty() ? measures_.of(left.titleFont).height() + 3.0 : 0.0;

        auto depthFor = [&](const QRectF& r) {
            return c_.view.enabled ? std::round(c_.view.depthPercent / 100.0 * std::min(r.width(), r.height()) * kDepthShare)
                                   : 0.0;
        };
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

    // The walls, the grid, the axes with their ticks and labels, the category
    // names; the left axis's title at the left of `room`.
    void axes(const Box& box, const QRectF& room)
    {
        const Axis& left = c_.leftAxis;
        const Axis& right = c_.rightAxis;
        const Axis& bottom = c_.bottomAxis;
        const QRectF& front = box.front;
        const Projection& projection = box.projection;
        const Range& h = box.h;
        const QList<double>& values = box.values;
        const double step = box.step;
        const double L = front.left(), R = front.right(), T = front.top(), B = front.bottom(), D = box.depth;
        auto wx = [&](double x) { return box.wx(x); };
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
        if (box.first && box.named && bottom.visible && bottom.labelsVisible) {
            const double slot = front.width() / h.span();
            bool fit = true;
            for (const Point& p : box.first->points)
                fit = fit && measures_.advance(bottom.labelFont, p.label) <= slot;
            for (const Point& p : box.first->points) {
                if (!(p.x >= h.minimum && p.x <= h.maximum))
                    continue;
                if (!fit)
                    continue;  // the legend names the points instead
                const QPointF at = box.onTop ? map(wx(p.x), T, D) : map(wx(p.x), B, 0);
                const qreal w = measures_.advance(bottom.labelFont, p.label) + 1.0;
                addText(p.label, bottom.labelFont, bottom.labelColour,
                        QRectF(at.x() - w / 2.0, box.onTop ? at.y() - 2.0 - box.categoryHeight : at.y() + 2.0, w,
                               box.categoryHeight),
                        Qt::AlignCenter);
            }
        }
    }

    // The series, each in a slice of the depth of its own, the last at the
    // front, and their marks.
    void plot(const Box& box)
    {
        const QList<int>& plotted = box.plotted;
        const QRectF& front = box.front;
        const Projection& projection = box.projection;
        const Range& h = box.h;
        const Range& v = box.v;
        const double L = front.left(), R = front.right(), T = front.top(), B = front.bottom(), D = box.depth;
        auto wx = [&](double x) { return box.wx(x); };
        auto wy = [&](double y) { return box.wy(y); };
        auto map = [&](double x, double y, double z) { return box.map(x, y, z); };

        struct Solid {
            double distance;
            QList<Item> items;
            int series;
            int point;
            QPainterPath region;
        };
        QList<Solid> solids;
        QList<Scene::Mark> markAnchors;
        QList<QPointF> anchors;
        const double slotDepth = plotted.isEmpty() ? D : D / plotted.size();
        for (int k = 0; k < plotted.size(); ++k) {
            const int si = plotted[k];
            const Series& series = c_.series[si];
            const int fromFront = int(plotted.size()) - 1 - k;
            const double z0 = fromFront * slotDepth, z1 = (fromFront + 1) * slotDepth, zMid = (z0 + z1) / 2.0;
            if (series.kind == Series::Kind::Bar) {
                const double unit = front.width() / h.span();
                const double width = unit * series.barWidthPercent / 100.0;
                for (int i = 0; i < series.points.size(); ++i) {
                    const Point& p = series.points[i];
                    if (!drawable(p))
                        continue;
                    const double centre = wx(p.x) + width * series.offsetPercent / 100.0;
                    double x0 = centre - width / 2.0, x1 = centre + width / 2.0;
                    const double base = series.barsFromAxisMinimum ? v.minimum : 0.0;
                    double top = wy(p.y), foot = wy(base);
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
                    Solid solid{projection.distance({(x0 + x1) / 2.0, (top + foot) / 2.0, zMid}), {}, si, i, {}};
                    solid.region.setFillRule(Qt::WindingFill);
                    const QPen edge(colour.darker(220), 0.8);
                    for (const Face& face : boxFaces(projection, {x0, top, z0}, {x1, foot, z1})) {
                        if (!face.visible)
                            continue;
                        const QPainterPath path = polygonPath(face.polygon);
                        const QBrush brush = face.side == Face::Side::Front
                                                 ? barFrontBrush(colour, face.polygon.boundingRect(), series.barGradient)
                                                 : QBrush(faceColour(colour, face.side));
                        Item item;
                        item.path = path;
                        item.brush = brush;
                        item.pen = edge;
                        item.smooth = !isUprightRectangle(path);
                        solid.items << item;
                        solid.region.addPath(path);
                    }
                    solids << solid;
                    if (series.marks.visible) {
                        markAnchors.append({si, i, pointText(c_, si, i), {}});
                        anchors << map((x0 + x1) / 2.0, top, zMid);
                    }
                }
            } else {
                // In the front plane's pixels; a value that cannot be drawn
                // breaks the line.
                struct Vertex {
                    QPointF at;
                    bool drawn;
                };
                QList<Vertex> line;
                for (const Point& p : series.points) {
                    if (std::isfinite(p.x))
                        line.append({QPointF(wx(p.x), std::isfinite(p.y) ? wy(p.y) : 0.0), std::isfinite(p.y)});
                }
                std::stable_sort(line.begin(), line.end(), [](const Vertex& a, const Vertex& b) { return a.at.x() < b.at.x(); });
                for (qsizetype i = 0; i + 1 < line.size(); ++i) {
                    if (!line[i].drawn || !line[i + 1].drawn)
                        continue;
                    QPointF a = line[i].at, b = line[i + 1].at;
                    if (c_.clipPoints && !clipSegment(a, b, front))
                        continue;
                    Solid solid{projection.distance({(a.x() + b.x()) / 2.0, (a.y() + b.y()) / 2.0, zMid}), {}, si, int(i), {}};
                    Item item;
                    if (D > 0.0) {
                        item.path = polygonPath(projection.map(
                            {{a.x(), a.y(), z0}, {b.x(), b.y(), z0}, {b.x(), b.y(), z1}, {a.x(), a.y(), z1}}));
                        item.brush = series.colour;
                        item.pen = QPen(series.colour.darker(150), 0.8);
                    } else {
                        item.path = linePath(map(a.x(), a.y(), 0), map(b.x(), b.y(), 0));
                        item.pen = QPen(series.colour, series.lineWidth);
                    }
                    solid.items << item;
                    solids << solid;
                }
                if (series.marks.visible) {
                    for (int i = 0; i < series.points.size(); ++i) {
                        const Point& p = series.points[i];
                        if (!drawable(p))
                            continue;
                        markAnchors.append({si, i, pointText(c_, si, i), {}});
                        anchors << map(wx(p.x), std::clamp(wy(p.y), T, B), zMid);
                    }
                }
            }
        }
        std::stable_sort(solids.begin(), solids.end(), [](const Solid& a, const Solid& b) { return a.distance > b.distance; });
        for (const Solid& solid : std::as_const(solids)) {
            s_.items += solid.items;
            if (!solid.region.isEmpty())
                s_.hits.append({solid.series, solid.point, solid.region});
        }
        for (int i = 0; i < markAnchors.size(); ++i)
            addMark(markAnchors[i], anchors[i], QPointF(0.0, -1.0), true);
    }

    // Cuts the segment from `a` to `b` to `r`; false when nothing of it is inside.
    static bool clipSegment(QPointF& a, QPointF& b, const QRectF& r)
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

    void walls(const Projection& projection, const QRectF& front, double depth)
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

    void grid(const Projection& projection, const QRectF& front, double depth, const QList<double>& values, double step,
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
    void ticks(const QList<double>& values, double step, const Axis& axis, ToY toY, At at, int side)
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

    // A mark: a box with the point's text at the end of an arrow that leaves
    // `anchor` in `direction`. Marks stay inside the chart's panel.
    void addMark(Scene::Mark mark, const QPointF& anchor, const QPointF& direction, bool centred)
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

    // ------------------------------------------------------------ pies

    void pie(const QRectF& room, int index)
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

    const Chart& c_;
    const std::optional<Zoom>& zoom_;
    Measures measures_;
    Scene s_;
    QList<Item> overlay_;  // title and legend, over everything else
};

}  // namespace

const Scene::Hit* Scene::hitAt(const QPointF& position) const
{
    for (auto it = hits.crbegin(); it != hits.crend(); ++it) {
        if (it->region.contains(position))
            return &*it;
    }
    return nullptr;
}

Scene layOut(const Chart& chart, const QSizeF& size, const std::optional<Zoom>& zoom)
{
    return Builder(chart, size, zoom).build();
}

void paintScene(QPainter& painter, const Scene& scene, qreal screenRatio)
{
    const bool smooth = painter.testRenderHint(QPainter::Antialiasing);
    for (const Item& item : scene.items) {
        if (item.kind == Item::Kind::Shape) {
            if (screenRatio <= 0.0) {
                painter.setRenderHint(QPainter::Antialiasing, smooth && item.smooth);
                painter.setPen(item.pen);
                painter.setBrush(item.brush);
                painter.drawPath(item.path);
                continue;
            }
            QPen pen = item.pen;
            pen.setCosmetic(true);
            pen.setWidthF(pen.widthF() * screenRatio);
            // A gradient with smoothed edges fills many times slower; its
            // outline smooths the edge on its own.
            if (smooth && item.smooth && item.brush.gradient() && pen.style() != Qt::NoPen) {
                painter.setRenderHint(QPainter::Antialiasing, false);
                painter.setPen(Qt::NoPen);
                painter.setBrush(item.brush);
                drawInBands(painter, item.path, screenRatio);
                painter.setBrush(Qt::NoBrush);
            } else {
                painter.setBrush(item.brush);
            }
            painter.setRenderHint(QPainter::Antialiasing, smooth && item.smooth);
            painter.setPen(pen);
            drawInBands(painter, item.path, screenRatio);
            continue;
        }
        painter.setRenderHint(QPainter::Antialiasing, smooth);
        painter.setPen(item.colour);
        painter.setFont(item.font);
        if (item.rotation == 0.0) {
            painter.drawText(item.origin, item.text);
            continue;
        }
        painter.save();
        painter.translate(item.box.center());
        painter.rotate(item.rotation);
        painter.drawText(item.origin, item.text);
        painter.restore();
    }
    painter.setRenderHint(QPainter::Antialiasing, smooth);
}

void paintChart(QPainter& painter, const Chart& chart, const QSizeF& size, const QRectF& target,
                const std::optional<Zoom>& zoom)
{
    if (size.isEmpty() || target.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    paintScene(painter, layOut(chart, size, zoom));
    painter.restore();
}

QString pointText(const Chart& chart, int series, int point)
{
    const QString value = valueText(chart, series, point);
    if (value.isEmpty() || chart.series[series].marks.style != Marks::Style::LabelAndValue)
        return value;
    return chart.series[series].points[point].label + QLatin1Char(' ') + value;
}

QString valueText(const Chart& chart, int series, int point)
{
    if (series < 0 || series >= chart.series.size())
        return {};
    return valueText(chart, series, point, shareTotal(chart.series[series]));
}

double shareTotal(const Series& series)
{
    double total = 0.0;
    for (const Point& p : series.points)
        total += drawable(p) ? std::fabs(p.y) : 0.0;
    return total;
}

QString valueText(const Chart& chart, int series, int point, double total)
{
    if (series < 0 || series >= chart.series.size() || point < 0 || point >= chart.series[series].points.size())
        return {};
    const Series& s = chart.series[series];
    const Point& p = s.points[point];
    if (!drawable(p))
        return {};
    if (s.marks.style == Marks::Style::Percent)
        return formatValue(total > 0.0 ? std::fabs(p.y) / total * 100.0 : 0.0, s.marks.percentFormat);
    return formatValue(p.y, s.valueFormat);
}

}  // namespace termalo::chart
