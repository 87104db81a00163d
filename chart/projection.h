#pragma once

#include "chart/chart.h"

#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

namespace termalo::chart {

// A point of the chart's box: x and y in pixels of the front plane (y down),
// z in pixels of depth from the front (0) to the back wall.
struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// How the box of a 3D chart is seen. Orthogonal views shift each pixel of
// depth one pixel right and one up; the others turn and tilt the box about its
// centre and foreshorten what lies behind it, then fit it into a room.
class Projection {
public:
    // Flat: depth is not drawn.
    Projection() = default;
    // The view of a box whose front is `front` and which is `depth` deep.
    Projection(const View3D& view, const QRectF& front, double depth);

    QPointF map(const Point3& p) const;
    QPolygonF map(std::initializer_list<Point3> points) const;
    // Smaller is nearer the viewer; what is farther is drawn first.
    double distance(const Point3& p) const;

    // For turned views: scales the picture about its centre and moves it so
    // that the whole box lies inside `room`.
    void fitInto(const QRectF& room);

    // The front plane (z = 0) as the screen shows it, and back; a projective
    // map, exact under perspective too.
    QTransform frontToScreen() const;

    bool orthogonal() const { return orthogonal_; }
    const QRectF& front() const { return front_; }
    double depth() const { return depth_; }

private:
    QPointF turned(const Point3& p, double* distance) const;

    bool orthogonal_ = true;
    QRectF front_;
    double depth_ = 0.0;
    double cosTurn_ = 1.0, sinTurn_ = 0.0;
    double cosTilt_ = 1.0, sinTilt_ = 0.0;
    double offset_ = 0.0;
    double eye_ = 0.0;  // distance of the eye from the box's centre; 0: no perspective
    // After turning: screen = shift_ + scale_ * (turned - centre)
    double scale_ = 1.0;
    QPointF shift_;
};

// One face of a box as drawn: its outline on the screen and whether it faces
// the viewer.
struct Face {
    enum class Side { Front, Back, Left, Right, Top, Bottom };
    Side side;
    QPolygonF polygon;
    bool visible = false;
};

// The six faces of the box from (x0, y0, z0) to (x1, y1, z1), y0 above y1.
QList<Face> boxFaces(const Projection& projection, const Point3& near, const Point3& far);

// A pie as a disc lying flat, seen from above at `tilt` degrees (90: from
// straight above), `thickness` pixels thick. Slices follow each other
// clockwise from `startAngle` (degrees anticlockwise from three o'clock).
struct PieSlice {
    QPainterPath top;
    QPainterPath rim;  // the part of the edge that faces the viewer; empty when none does
    double midAngle = 0.0;  // degrees
    QPointF edge;           // where the slice's middle meets the outer edge, rim included
    QPointF outward;        // unit direction away from the centre at `edge`
};

struct Disc {
    QPointF centre;
    double radiusX = 0.0;
    double radiusY = 0.0;
    double rimHeight = 0.0;

    Disc(QPointF centre, double radius, double tilt, double thickness);
    QRectF topRect() const;
    QPointF pointAt(double degrees) const;  // on the top face's edge
};

// Values of zero or less, and values that are not finite, take no room.
QList<PieSlice> pieSlices(const Disc& disc, double startAngle, const QList<double>& values);

// The pie's tilt for an elevation: 360 is edge on, 270 straight from above.
double pieTilt(int elevation);

}  // namespace termalo::chart
