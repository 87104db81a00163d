// A chart's panel: its background, bevel, title and legend.
#include "chart/scene_builder.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <utility>

namespace termalo::chart::layout {
namespace {

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

}  // namespace

Scene Builder::build()
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

void Builder::addShape(const QPainterPath& path, const QBrush& brush, const QPen& pen,
              QList<Item>* into)
{
    Item item;
    item.path = path;
    item.brush = brush;
    item.pen = pen;
    item.smooth = !isUprightRectangle(path);
    (into ? *into : s_.items).append(std::move(item));
}

void Builder::addText(const QString& text, const QFont& font, const QColor& colour, const QRectF& box, int flags,
             QList<Item>* into, double rotation)
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

void Builder::addBevel()
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
QRectF Builder::title(QRectF room)
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
QRectF Builder::legend(QRectF room)
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

}  // namespace termalo::chart::layout
