#include "chart/projection.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace termalo::chart {

namespace {

// An angle of the view settings as a turn from straight on, -180 to 180.
double turnFrom(int setting)
{
    double degrees = std::fmod(360.0 - setting, 360.0);
    if (degrees > 180.0)
        degrees -= 360.0;
    if (degrees < -180.0)
        degrees += 360.0;
    return qDegreesToRadians(degrees);
}

// How strongly a perspective of 100 % foreshortens: the eye stands this many
// box sizes away from the box's centre.
constexpr double kEyeDistanceAtFullPerspective = 1.2;

double signedArea(const QPolygonF& polygon)
{
    double sum = 0.0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF& a = polygon[i];
        const QPointF& b = polygon[(i + 1) % polygon.size()];
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum / 2.0;
}

}  // namespace

Projection::Projection(const View3D& view, const QRectF& front, double depth)
    : orthogonal_(view.orthogonal), front_(front), depth_(depth), offset_(view.horizontalOffset)
{
    if (orthogonal_)
        return;
    const double turn = turnFrom(view.rotation);
    const double tilt = turnFrom(view.elevation);
    cosTurn_ = std::cos(turn);
    sinTurn_ = std::sin(turn);
    cosTilt_ = std::cos(tilt);
    sinTilt_ = std::sin(tilt);
    if (view.perspective > 0) {
        const double size = front.width() + front.height() + depth;
        eye_ = size * kEyeDistanceAtFullPerspective * 100.0 / std::min(view.perspective, 100);
    }
    shift_ = front.center() + QPointF(offset_, 0.0);
}

QPointF Projection::turned(const Point3& p, double* distance) const
{
    const double x = p.x - front_.center().x();
    const double y = p.y - front_.center().y();
    const double z = p.z - depth_ / 2.0;
    const double x1 = x * cosTurn_ + z * sinTurn_;
    const double z1 = -x * sinTurn_ + z * cosTurn_;
    const double y2 = y * cosTilt_ - z1 * sinTilt_;
    const double z2 = y * sinTilt_ + z1 * cosTilt_;
    if (distance)
        *distance = z2;
    const double s = eye_ > 0.0 ? eye_ / std::max(eye_ + z2, eye_ * 0.05) : 1.0;
    return {x1 * s, y2 * s};
}

QPointF Projection::map(const Point3& p) const
{
    if (orthogonal_)
        return {p.x + p.z + offset_, p.y - p.z};
    return shift_ + scale_ * turned(p, nullptr);
}

QPolygonF Projection::map(std::initializer_list<Point3> points) const
{
    QPolygonF polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const Point3& p : points)
        polygon << map(p);
    return polygon;
}

double Projection::distance(const Point3& p) const
{
    if (orthogonal_)
        return p.z + p.y - p.x;  // the eye looks down from the front, up and to the right
    double z = 0.0;
    turned(p, &z);
    return z;
}

void Projection::fitInto(const QRectF& room)
{
    if (orthogonal_ || room.isEmpty())
        return;
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    bool first = true;
    for (const double x : {front_.left(), front_.right()}) {
        for (const double y : {front_.top(), front_.bottom()}) {
            for (const double z : {0.0, depth_}) {
                const QPointF p = turned({x, y, z}, nullptr);
                left = first ? p.x() : std::min(left, p.x());
                right = first ? p.x() : std::max(right, p.x());
                top = first ? p.y() : std::min(top, p.y());
                bottom = first ? p.y() : std::max(bottom, p.y());
                first = false;
            }
        }
    }
    const QRectF bounds(QPointF(left, top), QPointF(right, bottom));
    if (bounds.width() <= 0.0 || bounds.height() <= 0.0)
        return;
    scale_ = std::min(room.width() / bounds.width(), room.height() / bounds.height());
    shift_ = room.center() - scale_ * bounds.center() + QPointF(offset_, 0.0);
}

QTransform Projection::frontToScreen() const
{
    const QPolygonF plane({front_.topLeft(), front_.topRight(), front_.bottomRight(), front_.bottomLeft()});
    const QPolygonF shown = map({{front_.left(), front_.top(), 0},
                                 {front_.right(), front_.top(), 0},
                                 {front_.right(), front_.bottom(), 0},
                                 {front_.left(), front_.bottom(), 0}});
    QTransform transform;
    QTransform::quadToQuad(plane, shown, transform);
    return transform;
}

QList<Face> boxFaces(const Projection& projection, const Point3& near, const Point3& far)
{
    const double x0 = near.x, y0 = near.y, z0 = near.z;
    const double x1 = far.x, y1 = far.y, z1 = far.z;
    // Each face's corners run clockwise as seen from outside the box, so a
    // face turned towards the viewer keeps a positive area on the screen.
    const QList<Face> faces = {
        {Face::Side::Back, projection.map({{x1, y0, z1}, {x0, y0, z1}, {x0, y1, z1}, {x1, y1, z1}})},
        {Face::Side::Bottom, projection.map({{x0, y1, z0}, {x1, y1, z0}, {x1, y1, z1}, {x0, y1, z1}})},
        {Face::Side::Left, projection.map({{x0, y0, z1}, {x0, y0, z0}, {x0, y1, z0}, {x0, y1, z1}})},
        {Face::Side::Right, projection.map({{x1, y0, z0}, {x1, y0, z1}, {x1, y1, z1}, {x1, y1, z0}})},
        {Face::Side::Top, projection.map({{x0, y0, z1}, {x1, y0, z1}, {x1, y0, z0}, {x0, y0, z0}})},
        {Face::Side::Front, projection.map({{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}})},
    };
    QList<Face> result = faces;
    for (Face& face : result)
        face.visible = signedArea(face.polygon) > 1e-9;
    return result;
}

// ---------------------------------------------------------------- pies

double pieTilt(int elevation)
{
    const double degrees = std::clamp(qRadiansToDegrees(turnFrom(elevation)), 0.0, 90.0);
    return degrees;
}

Disc::Disc(QPointF centre_, double radius, double tilt, double thickness)
    : centre(centre_),
      radiusX(radius),
      radiusY(radius * std::sin(qDegreesToRadians(tilt))),
      rimHeight(thickness * std::cos(qDegreesToRadians(tilt)))
{
}

QRectF Disc::topRect() const
{
    return {centre.x() - radiusX, centre.y() - radiusY, 2 * radiusX, 2 * radiusY};
}

QPointF Disc::pointAt(double degrees) const
{
    const double a = qDegreesToRadians(degrees);
    return centre + QPointF(radiusX * std::cos(a), -radiusY * std::sin(a));
}

QList<PieSlice> pieSlices(const Disc& disc, double startAngle, const QList<double>& values)
{
    double sum = 0.0;
    // Values that cannot be drawn (not a number, infinite) take no room either.
    auto counts = [](double v) { return v > 0.0 && std::isfinite(v); };
    for (const double v : values)
        sum += counts(v) ? v : 0.0;
    QList<PieSlice> slices(values.size());
    if (sum <= 0.0)
        return slices;
    const QRectF top = disc.topRect();
    const QRectF bottom = top.translated(0.0, disc.rimHeight);
    double from = startAngle;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (!counts(values[i]))
            continue;
        PieSlice& slice = slices[i];
        const double sweep = 360.0 * values[i] / sum;
        const double to = from - sweep;  // clockwise
        if (sweep >= 360.0 - 1e-9) {
            slice.top.addEllipse(top);
        } else {
            slice.top.moveTo(disc.centre);
            slice.top.arcTo(top, from, -sweep);
            slice.top.closeSubpath();
        }
        // The edge faces the viewer on the front half of the disc, where the
        // angle lies between 180 and 360 degrees (once round or more).
        if (disc.rimHeight > 0.0) {
            for (int turn = -2; turn <= 2; ++turn) {
                const double a = std::max(to, 180.0 + 360.0 * turn);
                const double b = std::min(from, 360.0 + 360.0 * turn);
                if (b - a <= 1e-9)
                    continue;
                slice.rim.moveTo(disc.pointAt(a));
                slice.rim.arcTo(top, a, b - a);
                slice.rim.lineTo(disc.pointAt(b) + QPointF(0.0, disc.rimHeight));
                slice.rim.arcTo(bottom, b, a - b);
                slice.rim.closeSubpath();
            }
        }
        slice.midAngle = from - sweep / 2.0;
        const double a = qDegreesToRadians(slice.midAngle);
        slice.edge = disc.pointAt(slice.midAngle);
        if (std::sin(a) < 0.0)
            slice.edge.ry() += disc.rimHeight;
        const QPointF direction(disc.radiusX * std::cos(a), -disc.radiusY * std::sin(a));
        const double length = std::hypot(direction.x(), direction.y());
        slice.outward = length > 0.0 ? direction / length : QPointF(1.0, 0.0);
        from = to;
    }
    return slices;
}

}  // namespace termalo::chart
