// How the chart's box and pies are seen: which faces show, where the rim is.
#include "chart/projection.h"
#include "chart/value_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace termalo::chart {
namespace {

using Side = Face::Side;

std::map<Side, Face> facesOf(const Projection& projection, const Point3& near, const Point3& far)
{
    std::map<Side, Face> faces;
    for (const Face& face : boxFaces(projection, near, far))
        faces[face.side] = face;
    return faces;
}

std::map<Side, bool> visibility(const View3D& view)
{
    const QRectF front(0, 0, 200, 100);
    Projection projection(view, front, 40);
    projection.fitInto(QRectF(0, 0, 300, 200));
    std::map<Side, bool> shown;
    for (const auto& [side, face] : facesOf(projection, {50, 20, 5}, {90, 100, 35}))
        shown[side] = face.visible;
    return shown;
}

TEST(Projection, OrthogonalDepthRunsUpAndToTheRight)
{
    View3D view;
    view.enabled = true;
    const Projection projection(view, QRectF(0, 0, 200, 100), 20);
    auto faces = facesOf(projection, {10, 30, 0}, {50, 100, 20});
    EXPECT_EQ(faces[Side::Front].polygon.boundingRect(), QRectF(10, 30, 40, 70));
    EXPECT_EQ(faces[Side::Top].polygon.boundingRect(), QRectF(10, 10, 60, 20));
    EXPECT_EQ(faces[Side::Right].polygon.boundingRect(), QRectF(50, 10, 20, 90));
    for (const Side side : {Side::Front, Side::Top, Side::Right})
        EXPECT_TRUE(faces[side].visible) << int(side);
    for (const Side side : {Side::Back, Side::Left, Side::Bottom})
        EXPECT_FALSE(faces[side].visible) << int(side);
}

TEST(Projection, TurnedViewsShowTheSidesTheyAreTurnedTo)
{
    struct Case {
        const char* name;
        int elevation;
        int rotation;
        int perspective;
        std::map<Side, bool> shown;
    };
    const Case cases[] = {
        {"main window's view: right side and top", 348, 325, 62,
         {{Side::Front, true}, {Side::Top, true}, {Side::Right, true},
          {Side::Left, false}, {Side::Bottom, false}, {Side::Back, false}}},
        {"turned the other way: left side", 348, 35, 62,
         {{Side::Front, true}, {Side::Top, true}, {Side::Right, false},
          {Side::Left, true}, {Side::Bottom, false}, {Side::Back, false}}},
        {"from below: bottom instead of top", 12, 325, 62,
         {{Side::Front, true}, {Side::Top, false}, {Side::Right, true},
          {Side::Left, false}, {Side::Bottom, true}, {Side::Back, false}}},
        {"straight on without perspective: the front alone", 360, 360, 0,
         {{Side::Front, true}, {Side::Top, false}, {Side::Right, false},
          {Side::Left, false}, {Side::Bottom, false}, {Side::Back, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        View3D view{.enabled = true, .depthPercent = 30, .elevation = c.elevation, .rotation = c.rotation,
                    .perspective = c.perspective, .horizontalOffset = 0, .orthogonal = false};
        EXPECT_EQ(visibility(view), c.shown);
    }
}

TEST(Projection, TurnedBoxFitsItsRoomAndTheFrontPlaneMapsBack)
{
    const View3D view{.enabled = true, .depthPercent = 30, .elevation = 348, .rotation = 325,
                      .perspective = 62, .horizontalOffset = -10, .orthogonal = false};
    const QRectF front(20, 30, 250, 140);
    Projection projection(view, front, 40);
    const QRectF room(20, 30, 250, 140);
    projection.fitInto(room);
    QRectF drawn;
    for (const Face& face : boxFaces(projection, {front.left(), front.top(), 0}, {front.right(), front.bottom(), 40}))
        drawn = drawn.united(face.polygon.boundingRect());
    // Within the room, moved by the horizontal offset.
    EXPECT_GE(drawn.left(), room.left() - 10 - 0.5);
    EXPECT_LE(drawn.right(), room.right() - 10 + 0.5);
    EXPECT_GE(drawn.top(), room.top() - 0.5);
    EXPECT_LE(drawn.bottom(), room.bottom() + 0.5);
    EXPECT_TRUE(std::abs(drawn.width() - room.width()) < 0.5 || std::abs(drawn.height() - room.height()) < 0.5)
        << "as large as the room allows";

    bool invertible = false;
    const QTransform back = projection.frontToScreen().inverted(&invertible);
    ASSERT_TRUE(invertible);
    for (const QPointF p : {QPointF(40, 50), QPointF(260, 160), QPointF(100, 100)}) {
        const QPointF there = back.map(projection.map(Point3{p.x(), p.y(), 0}));
        EXPECT_NEAR(there.x(), p.x(), 1e-6);
        EXPECT_NEAR(there.y(), p.y(), 1e-6);
    }
}

TEST(Pie, TiltedDiscShowsItsRimOnTheFrontHalfOnly)
{
    EXPECT_DOUBLE_EQ(pieTilt(315), 45.0);
    EXPECT_DOUBLE_EQ(pieTilt(270), 90.0);
    const Disc disc(QPointF(100, 100), 50, pieTilt(315), 20);
    EXPECT_NEAR(disc.radiusY, 50 * std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(disc.rimHeight, 20 * std::sqrt(0.5), 1e-9);

    // From 150 degrees clockwise: a quarter at the back, a quarter on the
    // right, half along the front.
    const QList<PieSlice> slices = pieSlices(disc, 150, {25, 25, 50});
    ASSERT_EQ(slices.size(), 3);
    EXPECT_TRUE(slices[0].rim.isEmpty()) << "a slice at the back shows no rim";
    EXPECT_FALSE(slices[1].rim.isEmpty());
    EXPECT_FALSE(slices[2].rim.isEmpty());
    const QRectF front = slices[2].rim.boundingRect();
    EXPECT_NEAR(front.bottom(), 100 + disc.radiusY + disc.rimHeight, 0.5);
    EXPECT_GT(slices[2].edge.y(), 100 + disc.radiusY) << "its mark starts at the bottom of the rim";
    EXPECT_LT(slices[0].edge.y(), 100) << "a slice at the back has its mark above the centre";
    for (const PieSlice& slice : slices) {
        EXPECT_FALSE(slice.top.isEmpty());
        EXPECT_TRUE(disc.topRect().adjusted(-0.5, -0.5, 0.5, 0.5).contains(slice.top.boundingRect()));
    }

    const QList<PieSlice> none = pieSlices(disc, 0, {0, -5});
    EXPECT_TRUE(none[0].top.isEmpty() && none[1].top.isEmpty()) << "nothing to share out, nothing drawn";
}

TEST(ValueFormat, PatternsOfTheCharts)
{
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    const QString g = polish.groupSeparator();
    struct Case {
        double value;
        const char* format;
        QString text;
    };
    const Case cases[] = {
        {85, "#,##0.##%", "85%"},
        {85.5, "#,##0.##%", "85,5%"},
        {1235, "#,##0.##zł", "1" + g + "235zł"},
        {2147483647, "#,##0.###", "2" + g + "147" + g + "483" + g + "647"},
        {-13, "#,##0.##%", "-13%"},
        {12, "#,##0.## dni", "12 dni"},
        {0.005, "#,##0.##", "0,01"},  // half away from zero
        {-0.004, "#,##0.##", "0"},    // no sign on a zero
        {7.25, "0", "7"},
        {23.4, "##0%", "23%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatValue(c.value, QString::fromUtf8(c.format), polish), c.text) << c.value << " " << c.format;
}

}  // namespace
}  // namespace termalo::chart
