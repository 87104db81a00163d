#pragma once

#include "chart/chart.h"
#include "chart/device_picture.h"
#include "chart/scene.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <optional>

class QMenu;

namespace termalo::chart {

class ChartWidget;

// A series of a chart widget by its name ("Series1"): a QObject child of the
// chart, so that it can be found as the windows name it.
class ChartSeries : public QObject {
    Q_OBJECT
public:
    ChartSeries(ChartWidget* chart, int index);

    int index() const { return index_; }
    const Series& data() const;
    qsizetype count() const { return data().points.size(); }

private:
    ChartWidget* chart_;
    int index_;
};

// Shows a chart and lets the mouse look closer: dragging a rectangle down and
// to the right zooms into it (as far as it covers the plot), dragging up and
// to the left shows everything again, and dragging with the right button pans.
// A left release within 3 pixels of the press is a click and changes no view;
// the right button pans only once it has moved as far as the desktop's start
// of a drag. A tooltip names the bar or slice under the mouse. Screen readers
// read the chart as a table of its points, told of each change once. A
// right-click without a drag, the Menu key and Shift+F10 open a menu of the
// widget's actions, which the program gives it (none: no menu).
class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    // Settings and points at once; the series objects follow the series.
    void setChart(const Chart& chart);
    const Chart& chart() const { return chart_; }

    ChartSeries* series(int index) const;
    void addPoints(int series, const QList<Point>& points);
    void setPoints(int series, const QList<Point>& points);

    // The chart as it is drawn now.
    const Scene& scene() const;

    // The mouse's view.
    bool isZoomed() const { return zoom_.has_value(); }
    // Zooms into the part of the rectangle `area` of the widget that covers the
    // plot; false when it covers none of it.
    bool zoomInto(const QRectF& area);
    void resetZoom();
    // Moves the view by `pixels`, the drawing following the mouse.
    void panBy(const QPointF& pixels);
    const std::optional<Zoom>& zoom() const { return zoom_; }

    // Draws the chart alone, as shown, scaled into `target` (for printing).
    void renderChart(QPainter& painter, const QRectF& target) const;

    // The accessible name: the title's lines.
    QString titleText() const;
    // Increases whenever the points change.
    quint64 generation() const { return generation_; }
    // What the shares of series `series` are shares of (shareTotal()), worked
    // out once for each change of the points.
    double shareTotal(int series) const;

    // What a screen reader calls the columns of the table of points: the
    // points' labels, and their values (with the column's number after it
    // where several series are active). Unnamed unless the program names them.
    void setColumnNames(const QString& label, const QString& value);
    QString columnName(int column) const;

    // Opens the menu of the widget's actions at `globalPos` without waiting
    // for it; from the keyboard its first item is chosen.
    void showMenu(const QPoint& globalPos, bool fromKeyboard = false);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class ChartSeries;
    void changed(bool points);
    // The points changed; `replaced`: not only added at the ends of series.
    void pointsChanged(bool replaced);
    // Tells a screen reader what the table of points became, once for all
    // the changes since it was last told.
    void tellScreenReader();
    // The front plane's point under a widget position, in the axes' values.
    std::optional<QPointF> valueAt(const QPointF& position) const;

    Chart chart_;
    QList<ChartSeries*> series_;
    std::optional<Zoom> zoom_;
    mutable std::optional<Scene> scene_;
    // The scene as last drawn on the screen: repaints that change nothing
    // (the window uncovered, a tooltip gone) copy it.
    DevicePicture picture_;
    quint64 generation_ = 0;
    mutable QList<double> shareTotals_;
    mutable quint64 totalsGeneration_ = 0;
    // The rows of the table of points a screen reader was last told of, and
    // whether points have been replaced since.
    int toldRows_ = 0;
    bool replaced_ = false;
    bool telling_ = false;
    enum class Drag { None, Zoom, Pan };
    Drag drag_ = Drag::None;
    QPoint dragStart_;
    QPoint dragNow_;
    // The right button: released where it was pressed, it asks for the menu;
    // moved, it pans.
    std::optional<QPoint> rightPress_;
    bool rightDragged_ = false;
    bool menuAsked_ = false;
    QPointer<QMenu> menu_;
    QString labelColumn_;
    QString valueColumn_;
};

}  // namespace termalo::chart
