#include "chart/scene.h"

#include "chart/device_picture.h"
#include "chart/scene_builder.h"
#include "chart/value_format.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace termalo::chart {

namespace layout {

QPainterPath polygonPath(const QPolygonF& polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

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

}  // namespace layout

using layout::drawable;

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
    return layout::Builder(chart, size, zoom).build();
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
