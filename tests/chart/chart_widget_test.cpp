// A chart on the screen: what it draws, the mouse, and what a screen reader reads.
#include "chart/chart_export.h"
#include "chart/chart_widget.h"
#include "chart/scene.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryDir>
#include <QtMath>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace termalo::chart {
namespace {

Chart barChart(double maximum = 100)
{
    Chart c;
    c.view.enabled = true;
    c.view.depthPercent = 35;
    c.title.lines = {QStringLiteral("Wskaźnik"), QStringLiteral("próbny")};
    c.leftAxis.automaticMinimum = false;
    c.leftAxis.automaticMaximum = false;
    c.leftAxis.minimum = 0;
    c.leftAxis.maximum = maximum;
    Series s;
    s.name = QStringLiteral("Series2");
    s.colour = Qt::blue;
    s.marks.visible = true;
    s.marks.arrowLength = 0;
    s.valueFormat = QStringLiteral("#,##0.##%");
    s.points = {{0, 93, QStringLiteral("kontraktowe"), {}}, {1, 75, QStringLiteral("komercyjne"), {}},
                {2, 82, QStringLiteral("ogółem"), {}}};
    c.series = {s};
    return c;
}

class ChartWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        widget = std::make_unique<ChartWidget>();
        widget->resize(337, 201);
        widget->setChart(barChart());
        widget->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
    }

    // The screen position of a value in the front plane.
    QPoint at(double x, double y) const
    {
        const Scene& s = widget->scene();
        const double px = s.front.left() + (x - s.horizontal.minimum) / s.horizontal.span() * s.front.width();
        const double py = s.front.bottom() - (y - s.vertical.minimum) / s.vertical.span() * s.front.height();
        return s.projection.frontToScreen().map(QPointF(px, py)).toPoint();
    }

    void drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(widget.get(), button, {}, from);
        QTest::mouseMove(widget.get(), (from + to) / 2);
        QTest::mouseMove(widget.get(), to);
        QTest::mouseRelease(widget.get(), button, {}, to);
    }

    std::unique_ptr<ChartWidget> widget;
};

TEST_F(ChartWidgetTest, DragDownRightZoomsUpLeftRestoresRightButtonPans)
{
    const Range full = widget->scene().vertical;
    EXPECT_EQ(full.minimum, 0);
    EXPECT_EQ(full.maximum, 100);

    drag(Qt::LeftButton, at(0.5, 90), at(2.5, 40));
    ASSERT_TRUE(widget->isZoomed());
    EXPECT_NEAR(widget->scene().vertical.minimum, 40, 1.5);
    EXPECT_NEAR(widget->scene().vertical.maximum, 90, 1.5);
    EXPECT_NEAR(widget->scene().horizontal.minimum, 0.5, 0.05);
    EXPECT_NEAR(widget->scene().horizontal.maximum, 2.5, 0.05);
    // The first bar is mostly outside: it is cut to the view, not drawn over it.
    for (const Scene::Hit& hit : widget->scene().hits)
        EXPECT_GE(hit.region.boundingRect().left(), widget->scene().front.left() - 0.5);

    const Range before = widget->scene().vertical;
    const QPoint middle = widget->rect().center();
    drag(Qt::RightButton, middle, middle + QPoint(0, 30));  // the drawing follows the mouse down
    EXPECT_GT(widget->scene().vertical.maximum, before.maximum + 5) << "higher values come into view";
    EXPECT_NEAR(widget->scene().vertical.span(), before.span(), 1e-9);

    drag(Qt::LeftButton, at(2, 50), at(1, 60));
    EXPECT_FALSE(widget->isZoomed());
    EXPECT_EQ(widget->scene().vertical.maximum, 100);
}

TEST_F(ChartWidgetTest, ClicksKeepTheZoomAndDragsZoomOnlyIntoThePlot)
{
    const Scene& full = widget->scene();
    const Range wide = full.horizontal, tall = full.vertical;
    const QRect title(0, 0, widget->width(), 14);
    struct Case {
        const char* name;
        QPoint from, to;
        bool zoomed;  // afterwards, having been zoomed before
    };
    const Case cases[] = {
        {"a click", at(1, 50), at(1, 50), true},
        {"a release 3 px up and left", at(1, 50), at(1, 50) - QPoint(3, 3), true},
        {"a release 3 px down and right", at(1, 50), at(1, 50) + QPoint(3, 2), true},
        {"a drag up and left", at(2, 50), at(1, 60), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        widget->resetZoom();
        ASSERT_TRUE(widget->zoomInto(QRectF(at(0.5, 90), at(2.5, 40))));
        const std::optional<Zoom> before = widget->zoom();
        drag(Qt::LeftButton, c.from, c.to);
        EXPECT_EQ(widget->isZoomed(), c.zoomed);
        if (c.zoomed) {
            EXPECT_EQ(widget->zoom()->vertical.maximum, before->vertical.maximum);
        }
    }

    // Drags that end over the legend, beyond the chart or start on the title
    // zoom only into what the plot shows.
    widget->resetZoom();
    const QPoint drags[][2] = {{at(0.6, 70), QPoint(widget->width() - 2, widget->height() - 2)},
                               {at(0.6, 70), QPoint(widget->width() + 80, widget->height() + 60)},
                               {QPoint(title.left() + 3, title.center().y()), at(1.5, 30)}};
    for (const auto& d : drags) {
        widget->resetZoom();
        drag(Qt::LeftButton, d[0], d[1]);
        ASSERT_TRUE(widget->isZoomed());
        const Zoom z = *widget->zoom();
        EXPECT_GE(z.horizontal.minimum, wide.minimum);
        EXPECT_LE(z.horizontal.maximum, wide.maximum);
        EXPECT_GE(z.vertical.minimum, tall.minimum);
        EXPECT_LE(z.vertical.maximum, tall.maximum);
        EXPECT_FALSE(widget->scene().hits.isEmpty()) << "the bars are still in view";
    }
    widget->resetZoom();
    drag(Qt::LeftButton, title.topLeft() + QPoint(2, 1), title.bottomRight() - QPoint(2, 1));
    EXPECT_FALSE(widget->isZoomed()) << "a rectangle on the title holds no part of the plot";
}

// Values that cannot be drawn are gaps: the other bars, the slices, the axes,
// the marks' shares, the tooltips and the table a screen reader reads are as
// if they were not there.
TEST_F(ChartWidgetTest, NonFiniteValuesAreGapsThatSpoilNothingElse)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    const QList<double> values = {30, nan, inf, -inf, 10};
    for (const Series::Kind kind : {Series::Kind::Bar, Series::Kind::Line, Series::Kind::Pie}) {
        SCOPED_TRACE(int(kind));
        Chart c = barChart();
        c.leftAxis.automaticMaximum = true;
        Series& s = c.series[0];
        s.kind = kind;
        s.marks.style = Marks::Style::Percent;
        s.points.clear();
        for (int i = 0; i < values.size(); ++i)
            s.points.append({double(i), values[i], QStringLiteral("p%1").arg(i), {}});
        widget->setChart(c);
        const Scene& scene = widget->scene();

        QStringList marks;
        for (const Scene::Mark& m : scene.marks)
            marks << m.text;
        EXPECT_EQ(marks, QStringList({"75%", "25%"})) << "shares of 40";
        QList<int> drawn;
        for (const Scene::Hit& hit : scene.hits)
            drawn << hit.point;
        std::sort(drawn.begin(), drawn.end());
        if (kind != Series::Kind::Line) {
            EXPECT_EQ(drawn, QList<int>({0, 4}));
        }
        for (const Item& item : scene.items) {
            const QRectF box = item.kind == Item::Kind::Shape ? item.path.controlPointRect() : item.box;
            ASSERT_TRUE(std::isfinite(box.left()) && std::isfinite(box.top()) && std::isfinite(box.width()) &&
                        std::isfinite(box.height()));
        }
        if (kind != Series::Kind::Pie) {
            EXPECT_EQ(scene.vertical.minimum, 0);
            EXPECT_LE(scene.vertical.maximum, 40) << "the axis spans the values that are drawn";
        }

        QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(widget.get())->tableInterface();
        ASSERT_EQ(table->rowCount(), 5);
        EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "p1");
        EXPECT_EQ(table->cellAt(1, 1)->text(QAccessible::Name), "");
        EXPECT_EQ(table->cellAt(4, 1)->text(QAccessible::Name), "25%");
    }
}

TEST_F(ChartWidgetTest, ChartsThatRefuseTheMouseKeepTheirView)
{
    Chart c = barChart();
    c.zoomEnabled = false;
    c.panEnabled = false;
    widget->setChart(c);
    drag(Qt::LeftButton, at(0.5, 90), at(2.5, 40));
    drag(Qt::RightButton, widget->rect().center(), widget->rect().center() + QPoint(20, 20));
    EXPECT_FALSE(widget->isZoomed());
    EXPECT_EQ(widget->scene().vertical.maximum, 100);
}

TEST_F(ChartWidgetTest, ValueAboveTheMaximumIsCutAtTheTopOfTheChart)
{
    Chart c = barChart();
    c.series[0].points[1].y = 135;
    widget->setChart(c);
    const Scene& s = widget->scene();
    ASSERT_EQ(s.hits.size(), 3);
    const QPolygonF box = s.projection.map({{s.front.left(), s.front.top(), 0},
                                            {s.front.left(), s.front.top(), s.projection.depth()}});
    const double chartTop = std::min(box[0].y(), box[1].y());
    for (const Scene::Hit& hit : s.hits)
        EXPECT_GE(hit.region.boundingRect().top(), chartTop - 0.5) << hit.point;
    ASSERT_EQ(s.marks.size(), 3);
    EXPECT_EQ(s.marks[1].text, "135%");
    EXPECT_GE(s.marks[1].box.top(), 0.0);

    c.clipPoints = false;
    widget->setChart(c);
    double top = 1e9;
    for (const Scene::Hit& hit : widget->scene().hits)
        top = std::min(top, hit.region.boundingRect().top());
    EXPECT_LT(top, chartTop - 10) << "unclipped, the bar rises above the chart";
}

TEST_F(ChartWidgetTest, ScreenReaderReadsTheTitleAndEveryPoint)
{
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(widget.get());
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Name), "Wskaźnik próbny");
    QAccessibleTableInterface* table = chart->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 3);
    ASSERT_EQ(table->columnCount(), 2);
    const QStringList expected = {"kontraktowe", "93%", "komercyjne", "75%", "ogółem", "82%"};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            QAccessibleInterface* cell = table->cellAt(row, column);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text(QAccessible::Name), expected[row * 2 + column]);
            EXPECT_EQ(cell->tableCellInterface()->rowIndex(), row);
            EXPECT_EQ(cell->parent(), chart);
            EXPECT_EQ(chart->indexOfChild(cell), row * 2 + column);
        }
    }
    // The value cell of a bar sits over that bar.
    const QRect bar = table->cellAt(2, 1)->rect();
    EXPECT_EQ(chart->childAt(bar.center().x(), bar.center().y()), table->cellAt(2, 1));

    // New points, new rows; an inactive series is not read.
    widget->addPoints(0, {{3, 12, QStringLiteral("nowy"), {}}});
    ASSERT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->cellAt(3, 1)->text(QAccessible::Name), "12%");
    Chart c = widget->chart();
    c.series[0].active = false;
    widget->setChart(c);
    EXPECT_EQ(table->rowCount(), 0);
}

// The right button: a click whose hand shakes by a pixel or two opens the
// widget's menu and leaves the view alone; only a drag pans.
TEST_F(ChartWidgetTest, RightClickWithAShakyHandOpensTheMenuAndKeepsTheView)
{
    QAction item(QStringLiteral("item"));
    widget->addAction(&item);
    const QPoint middle = widget->rect().center();
    const QList<QPoint> shakes[] = {{QPoint(1, 0)}, {QPoint(1, 1), QPoint(2, -1), QPoint(2, 1)}, {QPoint(-2, -2)}};
    for (const QList<QPoint>& shake : shakes) {
        QTest::mousePress(widget.get(), Qt::RightButton, {}, middle);
        // As X11 and Wayland ask: with the press.
        QContextMenuEvent request(QContextMenuEvent::Mouse, middle, widget->mapToGlobal(middle));
        QCoreApplication::sendEvent(widget.get(), &request);
        for (const QPoint& by : shake)
            QTest::mouseMove(widget.get(), middle + by);
        QTest::mouseRelease(widget.get(), Qt::RightButton, {}, middle + shake.last());
        EXPECT_FALSE(widget->isZoomed()) << shake.last().x() << ", " << shake.last().y();
        QWidget* menu = QApplication::activePopupWidget();
        EXPECT_NE(menu, nullptr);
        if (menu)
            menu->close();
    }
    EXPECT_EQ(widget->scene().vertical.maximum, 100);
    EXPECT_EQ(widget->scene().horizontal.minimum, -0.5);
}

// Saved and copied, the picture has the device's pixels and says so: pasted
// into a document, it is as large as the chart on a screen of 96 pixels per
// inch, at 100 % and at 200 % alike (ctest runs these tests at both).
TEST_F(ChartWidgetTest, PictureIsTheChartsSizeOnPaperAtEveryScale)
{
    const qreal inches = widget->width() / 96.0, tall = widget->height() / 96.0;
    const qreal ratio = widget->devicePixelRatioF();
    const auto expectWidth = [inches, tall, ratio](const QImage& picture) {
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.width(), qCeil(inches * 96 * ratio)) << "every device pixel";
        EXPECT_NEAR(picture.width() / (picture.dotsPerMeterX() * 0.0254), inches, 0.01);
        EXPECT_NEAR(picture.height() / (picture.dotsPerMeterY() * 0.0254), tall, 0.01);
    };
    {
        SCOPED_TRACE("copied");
        std::unique_ptr<QMimeData> copied(chartMimeData(*widget));
        expectWidth(qvariant_cast<QImage>(copied->imageData()));
    }
    {
        SCOPED_TRACE("saved");
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("wykres.png"));
        saveChart(*widget, file, FileFormat::Png);
        expectWidth(QImage(file));
    }
}

// On paper: 15 % of the drawing area beside the chart's longer side, never
// less on the other two.
TEST(ChartPage, FifteenPercentBesideTheLongerSideAndNoLessElsewhere)
{
    const QRectF wide = pageRect({0, 0, 1000, 1400}, {337, 201});
    EXPECT_DOUBLE_EQ(wide.left(), 150);
    EXPECT_DOUBLE_EQ(wide.right(), 850);
    EXPECT_NEAR(wide.width() / wide.height(), 337.0 / 201.0, 1e-9);
    EXPECT_NEAR(wide.top(), 1400 - wide.bottom(), 1e-9);
    const QRectF tall = pageRect({50, 20, 1000, 1400}, {200, 300});
    EXPECT_DOUBLE_EQ(tall.top(), 230);
    EXPECT_DOUBLE_EQ(tall.bottom(), 1210);
    EXPECT_NEAR(tall.left() - 50, 1050 - tall.right(), 1e-9);
    // Wide but nearly square on a low area, where 70 % of the width would
    // fill the whole height.
    const QRectF low = pageRect({0, 0, 1400, 800}, {400, 390});
    EXPECT_NEAR(low.top(), 120, 1e-9);
    EXPECT_NEAR(low.bottom(), 680, 1e-9);
    EXPECT_NEAR(low.width() / low.height(), 400.0 / 390.0, 1e-9);
    EXPECT_NEAR(low.left(), 1400 - low.right(), 1e-9);
}

TEST_F(ChartWidgetTest, TooltipNamesThePointUnderTheMouse)
{
    const QRectF bar = widget->scene().hits[1].region.boundingRect();
    QHelpEvent over(QEvent::ToolTip, bar.center().toPoint(), widget->mapToGlobal(bar.center().toPoint()));
    QCoreApplication::sendEvent(widget.get(), &over);
    EXPECT_EQ(QToolTip::text(), "komercyjne: 75%");
    QHelpEvent beside(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(widget.get(), &beside);
    for (int i = 0; i < 100 && QToolTip::isVisible(); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(QToolTip::isVisible()) << "nothing under the mouse, no tooltip";
}

TEST_F(ChartWidgetTest, SeriesAreNamedChildrenAndPointsTakeThePaletteWhenEachHasItsColour)
{
    ChartSeries* series = widget->findChild<ChartSeries*>(QStringLiteral("Series2"));
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->count(), 3);
    EXPECT_EQ(series->data().pointColour(2), QColor(Qt::blue));
    Chart c = widget->chart();
    c.series[0].colourEachPoint = true;
    c.series[0].points[1].colour = Qt::black;  // a colour of its own wins
    widget->setChart(c);
    EXPECT_EQ(widget->chart().series[0].pointColour(0), QColor(255, 0, 0));
    EXPECT_EQ(widget->chart().series[0].pointColour(1), QColor(Qt::black));
    EXPECT_EQ(widget->chart().series[0].pointColour(2), QColor(255, 255, 0));
    EXPECT_EQ(widget->chart().series[0].pointColour(19), QColor(0, 0, 255)) << "the 16 colours repeat";
}

}  // namespace
}  // namespace termalo::chart
