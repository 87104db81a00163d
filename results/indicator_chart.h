#pragma once

#include <QChartView>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QBarCategoryAxis;
class QBarSet;
class QGraphicsItem;
class QGraphicsPathItem;
class QGraphicsPolygonItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QPainter;
class QPieSeries;
class QStackedBarSeries;
class QValueAxis;

namespace termalo {

// How one chart window's chart looks; the windows differ only in these settings.
struct ChartStyle {
    enum class Kind { Bars, Pie };
    enum class Scale { Fixed, AutomaticMaximum };

    Kind kind = Kind::Bars;
    QStringList title;            // one line each, in the framed band at the top
    Scale scale = Scale::Fixed;   // the value axis always starts at 0
    double fixedMaximum = 100.0;
    QString axisSuffix;           // after the value axis's numbers ("zł")
    QString axisTitle;            // "%", "zł", "dni"
    QString markSuffix;           // after the marks' numbers ("%", "zł", " dni")
    int legendTextPixels = 8;
    bool rightAxis = false;       // the value axis is repeated on the right
    bool colourEachPoint = false; // each point in its own colour (else all in the first's)
    QColor backgroundEnd = QColor(192, 192, 192);
};

// One plotted point: its X position, label, value and colour.
struct PlottedPoint {
    double x = 0.0;
    QString label;
    double value = 0.0;
    QColor colour;
};

// "#,##0.##" followed by `suffix`, in the regional notation: digit groups from
// 1000 up, at most two decimals, none when the value is whole.
QString formatChartNumber(double value, const QString& suffix);

// The chart of a chart window: bars over a box of walls seen slightly from the
// left and above (as the main window's decorative chart draws them), or a flat
// pie; a framed title band, value marks, and a legend of the points at the
// bottom. Points are only ever added.
class IndicatorChart : public QChartView {
    Q_OBJECT
public:
    static constexpr qreal kWallDepth = 7.0;
    static constexpr qreal kPieRadius = 50.0;

    explicit IndicatorChart(const ChartStyle& style, QWidget* parent = nullptr);
    ~IndicatorChart() override;

    const ChartStyle& style() const { return style_; }
    void addPoint(const PlottedPoint& point);
    // Adds several points and lays the chart out once.
    void addPoints(const QList<PlottedPoint>& points);
    const QList<PlottedPoint>& points() const { return points_; }

    // What the chart shows now.
    QStringList markTexts() const;
    QStringList legendTexts() const;
    QStringList axisLabels() const;
    double axisMaximum() const;
    // Centre of point i's mark, in the chart's coordinates.
    QPointF markCentre(int i) const;
    QRectF plotArea() const;

    // Draws the chart alone, as vectors, into `target` of `painter`.
    void renderChart(QPainter& painter, const QRectF& target);

private slots:
    void placeDecorations();

private:
    struct Mark {
        QGraphicsRectItem* box = nullptr;
        QGraphicsSimpleTextItem* text = nullptr;
        QGraphicsItem* arrow = nullptr;
    };

    void appendPoint(const PlottedPoint& point);
    void buildTitle();
    void buildBars();
    void buildPie();
    void rebuildLegend();
    void updateValueScale();
    void placeBarMarks(const QRectF& plot);
    void placePieMarks();
    void placeAxisLabels(const QRectF& plot);
    QString markText(int i) const;
    qreal bottomRoom() const;
    qreal leftRoom() const;
    void updateMargins();

    ChartStyle style_;
    QList<PlottedPoint> points_;
    QChart* chart_;
    // Bars
    QStackedBarSeries* bars_ = nullptr;
    QBarCategoryAxis* categoryAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    QGraphicsPathItem* grid_ = nullptr;
    QGraphicsPathItem* ticks_ = nullptr;
    QGraphicsPolygonItem* leftWall_ = nullptr;
    QGraphicsPolygonItem* floor_ = nullptr;
    QList<QGraphicsSimpleTextItem*> valueLabels_;
    QList<QGraphicsSimpleTextItem*> rightLabels_;
    QList<QGraphicsSimpleTextItem*> categoryLabels_;
    QGraphicsSimpleTextItem* axisTitle_ = nullptr;
    double maximum_ = 100.0;
    double step_ = 10.0;
    // Pie
    QPieSeries* pie_ = nullptr;
    // Both
    QGraphicsRectItem* titleBand_ = nullptr;
    QList<QGraphicsSimpleTextItem*> titleLines_;
    QGraphicsRectItem* legendShadow_ = nullptr;
    QGraphicsRectItem* legend_ = nullptr;
    QList<Mark> marks_;
    bool placing_ = false;
};

}  // namespace termalo
