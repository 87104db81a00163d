#include "results/indicator_chart.h"

#include "shell/painting.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QPainterPath>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace termalo {

namespace {

constexpr qreal kEdge = 4.0;      // between the chart's edge and the title band or legend
constexpr qreal kPieArrow = 8.0;  // length of a pie mark's arrow
constexpr qreal kLegendShadow = 2.0;
const QColor kBlue(0, 0, 255);
const QColor kMarkBackground(255, 255, 225);

QFont pixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont titleFont() { return pixelFont(QStringLiteral("Arial"), 11, true); }
QFont tickFont() { return pixelFont(QStringLiteral("Arial"), 9); }
QFont markFont() { return pixelFont(QStringLiteral("Arial"), 10); }

QGraphicsSimpleTextItem* textItem(QGraphicsItem* parent, const QString& text, const QFont& font, const QColor& colour)
{
    auto* item = new QGraphicsSimpleTextItem(text, parent);
    item->setFont(font);
    item->setBrush(colour);
    return item;
}

// The step of the value axis: 1, 2 or 5 times a power of ten, whole, and wide
// enough that the labels of `maximum` fit `height` pixels.
double niceStep(double maximum, qreal height, qreal labelHeight)
{
    const double intervals = std::max(1.0, std::floor(height / (labelHeight + 3.0)));
    const double raw = std::max(1.0, maximum / intervals);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw - 1e-9)
            return factor * power;
    }
    return 10.0 * power;
}

}  // namespace

QString formatChartNumber(double value, const QString& suffix)
{
    const QLocale locale = QLocale::system();
    const double rounded = std::round(std::fabs(value) * 100.0) / 100.0;
    const double whole = std::floor(rounded);
    const int hundredths = int(std::lround((rounded - whole) * 100.0));
    QString digits = QString::number(whole, 'f', 0);
    QString grouped;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += locale.groupSeparator();
        grouped += digits[i];
    }
    if (hundredths != 0) {
        QString decimals = QStringLiteral("%1").arg(hundredths, 2, 10, QLatin1Char('0'));
        if (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        grouped += locale.decimalPoint() + decimals;
    }
    const bool negative = value < 0 && (whole != 0 || hundredths != 0);
    return (negative ? QStringLiteral("-") : QString()) + grouped + suffix;
}

IndicatorChart::IndicatorChart(const ChartStyle& style, QWidget* parent)
    : QChartView(new QChart, parent), style_(style), chart_(chart())
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);  // lowered inner bevel
    setLineWidth(1);
    setRenderHint(QPainter::Antialiasing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    setRubberBand(QChartView::NoRubberBand);

    chart_->legend()->hide();  // the legend of points is drawn below
    chart_->setBackgroundRoundness(0);
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->setAnimationOptions(QChart::NoAnimation);
    QLinearGradient background(0, 1, 1, 0);  // from the bottom left
    background.setCoordinateMode(QGradient::ObjectBoundingMode);
    background.setColorAt(0.0, QColor(128, 128, 128));
    background.setColorAt(1.0, style_.backgroundEnd);
    chart_->setBackgroundBrush(background);
    chart_->setBackgroundPen(Qt::NoPen);

    buildTitle();
    legendShadow_ = new QGraphicsRectItem(chart_);
    legendShadow_->setBrush(QColor(0, 0, 0));
    legendShadow_->setPen(Qt::NoPen);
    legend_ = new QGraphicsRectItem(chart_);
    legend_->setBrush(kBlue);
    legend_->setPen(QPen(QColor(0, 0, 0), 1));
    for (QGraphicsItem* item : {static_cast<QGraphicsItem*>(legendShadow_), static_cast<QGraphicsItem*>(legend_)})
        item->setZValue(90);
    if (style_.kind == ChartStyle::Kind::Bars)
        buildBars();
    else
        buildPie();

    rebuildLegend();
    updateMargins();
    connect(chart_, &QChart::plotAreaChanged, this, &IndicatorChart::placeDecorations);
}

IndicatorChart::~IndicatorChart() = default;

void IndicatorChart::buildTitle()
{
    titleBand_ = new QGraphicsRectItem(chart_);
    titleBand_->setBrush(QColor(192, 192, 192));
    titleBand_->setPen(QPen(QColor(0, 0, 0), 1));
    titleBand_->setZValue(90);
    for (const QString& line : style_.title)
        titleLines_ << textItem(titleBand_, line, titleFont(), kBlue);
}

void IndicatorChart::buildBars()
{
    bars_ = new QStackedBarSeries;
    bars_->setObjectName(QStringLiteral("Series2"));
    bars_->setBarWidth(0.7);
    categoryAxis_ = new QBarCategoryAxis;
    valueAxis_ = new QValueAxis;

    // Back wall: clear, framed. The numbers, titles and category names are
    // drawn by this chart itself (regional notation, room for the walls).
    chart_->setPlotAreaBackgroundBrush(Qt::NoBrush);
    chart_->setPlotAreaBackgroundPen(QPen(QColor(0, 0, 0), 1));
    chart_->setPlotAreaBackgroundVisible(true);

    // The axes only map values to places: the chart draws their lines, ticks,
    // grid and labels itself (regional notation, room for the walls), which
    // also spares the toolkit laying out label texts that are never shown.
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(categoryAxis_), static_cast<QAbstractAxis*>(valueAxis_)})
        axis->setVisible(false);
    chart_->addAxis(categoryAxis_, Qt::AlignBottom);
    chart_->addAxis(valueAxis_, Qt::AlignLeft);
    chart_->addSeries(bars_);
    bars_->attachAxis(categoryAxis_);
    bars_->attachAxis(valueAxis_);

    grid_ = new QGraphicsPathItem(chart_);
    grid_->setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
    grid_->setZValue(2);  // over the back wall, under the bars
    ticks_ = new QGraphicsPathItem(chart_);
    ticks_->setPen(QPen(QColor(0, 0, 0), 1));

    leftWall_ = new QGraphicsPolygonItem(chart_);
    leftWall_->setBrush(Qt::NoBrush);
    leftWall_->setPen(QPen(QColor(0, 0, 0), 1));
    floor_ = new QGraphicsPolygonItem(chart_);
    floor_->setBrush(QColor(255, 255, 255));
    floor_->setPen(QPen(QColor(0, 0, 0), 1));

    axisTitle_ = textItem(chart_, style_.axisTitle, pixelFont(QStringLiteral("Arial"), 11), QColor(0, 0, 0));
    axisTitle_->setRotation(-90);
    maximum_ = style_.fixedMaximum;
    step_ = 10.0;
    updateValueScale();
}

void IndicatorChart::buildPie()
{
    pie_ = new QPieSeries;
    pie_->setObjectName(QStringLiteral("Series1"));
    pie_->setPieStartAngle(240.0);  // rotated by 210 degrees from the three o'clock position
    pie_->setPieEndAngle(600.0);
    chart_->setPlotAreaBackgroundVisible(false);
    chart_->addSeries(pie_);
}

void IndicatorChart::addPoint(const PlottedPoint& point)
{
    addPoints({point});
}

void IndicatorChart::addPoints(const QList<PlottedPoint>& points)
{
    if (points.isEmpty())
        return;
    for (const PlottedPoint& point : points)
        appendPoint(point);
    rebuildLegend();
    updateValueScale();
    updateMargins();
    placeDecorations();
}

void IndicatorChart::appendPoint(const PlottedPoint& point)
{
    const int index = int(points_.size());
    points_.append(point);
    if (bars_) {
        if (style_.colourEachPoint) {
            // Every point in a colour of its own: one bar set per point, zero but
            // at its own place, stacked so that each place shows one bar.
            for (QBarSet* set : bars_->barSets())
                set->append(0.0);
            auto* set = new QBarSet(point.label);
            for (int i = 0; i < index; ++i)
                set->append(0.0);
            set->append(point.value);
            set->setBrush(chartBarBrush(point.colour));
            set->setPen(QPen(point.colour.darker(220), 0.8));
            bars_->append(set);
        } else {
            if (bars_->barSets().isEmpty()) {
                auto* set = new QBarSet(QString());
                set->setBrush(chartBarBrush(point.colour));
                set->setPen(QPen(point.colour.darker(220), 0.8));
                bars_->append(set);
            }
            bars_->barSets().constFirst()->append(point.value);
        }
        categoryAxis_->append(QString::number(index + 1));
        categoryLabels_ << textItem(chart_, point.label, tickFont(), QColor(0, 0, 0));
    } else {
        QPieSlice* slice = pie_->append(point.label, std::max(0.0, point.value));
        slice->setBrush(point.colour);
        slice->setPen(QPen(QColor(0, 0, 0), 1));
        slice->setLabelVisible(false);
    }

    Mark mark;
    mark.box = new QGraphicsRectItem(chart_);
    mark.box->setBrush(kMarkBackground);
    mark.box->setPen(QPen(QColor(0, 0, 0), 0.6));
    mark.text = textItem(mark.box, markText(index), markFont(), QColor(0, 0, 0));
    mark.box->setZValue(100);
    if (pie_) {
        auto* arrow = new QGraphicsLineItem(chart_);
        arrow->setPen(QPen(QColor(255, 255, 255), 1));
        arrow->setZValue(100);
        mark.arrow = arrow;
    }
    marks_ << mark;
}

QString IndicatorChart::markText(int i) const
{
    const PlottedPoint& point = points_[i];
    const QString value = formatChartNumber(point.value, style_.markSuffix);
    return pie_ ? point.label + QLatin1Char(' ') + value : value;
}

QStringList IndicatorChart::markTexts() const
{
    QStringList texts;
    for (const Mark& mark : marks_)
        texts << mark.text->text();
    return texts;
}

QStringList IndicatorChart::legendTexts() const
{
    QStringList texts;
    for (QGraphicsItem* child : legend_->childItems()) {
        if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(child))
            texts << text->text();
    }
    return texts;
}

QStringList IndicatorChart::axisLabels() const
{
    QStringList texts;
    for (const QGraphicsSimpleTextItem* label : valueLabels_)
        texts << label->text();
    return texts;
}

double IndicatorChart::axisMaximum() const
{
    return valueAxis_ ? valueAxis_->max() : 0.0;
}

QPointF IndicatorChart::markCentre(int i) const
{
    if (i < 0 || i >= marks_.size())
        return {};
    return marks_[i].box->sceneBoundingRect().center();
}

QRectF IndicatorChart::plotArea() const
{
    return chart_->plotArea();
}

// The legend: one entry per point, its colour box 15 % as wide as the widest
// text, in rows centred at the bottom of the chart.
void IndicatorChart::rebuildLegend()
{
    for (QGraphicsItem* child : legend_->childItems())
        delete child;
    legend_->setVisible(!points_.isEmpty());
    legendShadow_->setVisible(!points_.isEmpty());
    if (points_.isEmpty())
        return;

    const QFont font = pixelFont(QStringLiteral("Arial"), style_.legendTextPixels, true);
    const QFontMetricsF metrics(font);
    qreal widest = 0.0;
    for (const PlottedPoint& point : std::as_const(points_))
        widest = std::max(widest, metrics.horizontalAdvance(point.label));
    const qreal boxWidth = std::max(6.0, std::round(widest * 0.15));
    const qreal lineHeight = metrics.height();
    const qreal boxHeight = std::max(4.0, lineHeight - 4.0);
    const qreal gap = 4.0;
    const qreal available = std::max(60.0, chart_->size().width() - 2 * kEdge - 2 * gap - kLegendShadow);

    // Entries flow into rows as far as the chart's width allows.
    struct Entry { qreal width; int row; qreal x; };
    QList<Entry> entries;
    QList<qreal> rowWidths{0.0};
    for (const PlottedPoint& point : std::as_const(points_)) {
        const qreal width = boxWidth + 3.0 + metrics.horizontalAdvance(point.label);
        qreal& row = rowWidths.last();
        if (row > 0.0 && row + gap * 2 + width > available)
            rowWidths.append(0.0);
        qreal& current = rowWidths.last();
        if (current > 0.0)
            current += gap * 2;
        entries.append({width, int(rowWidths.size()) - 1, current});
        current += width;
    }
    const qreal legendWidth = *std::max_element(rowWidths.begin(), rowWidths.end()) + 2 * gap;
    const qreal rowHeight = lineHeight + 1.0;  // vertical margin 1
    const qreal legendHeight = rowWidths.size() * rowHeight + 2.0;
    const QSizeF size = chart_->size();
    const QRectF rect((size.width() - legendWidth) / 2.0, size.height() - kEdge - kLegendShadow - legendHeight,
                      legendWidth, legendHeight);
    legend_->setRect(rect);
    legendShadow_->setRect(rect.translated(kLegendShadow, kLegendShadow));

    for (int i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const qreal rowLeft = rect.left() + gap;
        const qreal top = rect.top() + 1.0 + e.row * rowHeight;
        auto* box = new QGraphicsRectItem(rowLeft + e.x, top + (lineHeight - boxHeight) / 2.0, boxWidth, boxHeight,
                                          legend_);
        box->setBrush(points_[i].colour);
        box->setPen(QPen(QColor(255, 255, 255), 1));  // a blue box stays visible on the blue legend
        auto* text = textItem(legend_, points_[i].label, font, QColor(255, 255, 0));
        text->setPos(rowLeft + e.x + boxWidth + 3.0, top);
    }
}

qreal IndicatorChart::bottomRoom() const
{
    qreal room = kEdge + kLegendShadow + 6.0;
    if (legend_->isVisible())
        room += legend_->rect().height();
    if (bars_)
        room += kWallDepth + QFontMetricsF(tickFont()).height() + 2.0;
    return room;
}

qreal IndicatorChart::leftRoom() const
{
    if (!bars_)
        return kEdge;
    qreal widest = 0.0;
    for (const QGraphicsSimpleTextItem* label : valueLabels_)
        widest = std::max(widest, label->boundingRect().width());
    return kEdge + axisTitle_->boundingRect().height() + 3.0 + widest + 6.0 + kWallDepth;
}

void IndicatorChart::updateMargins()
{
    const qreal bandBottom = titleBand_->isVisible() ? titleBand_->rect().bottom() : kEdge;
    const qreal markRoom = bars_ ? QFontMetricsF(markFont()).height() + 4.0 : 4.0;
    qreal right = bars_ ? 10.0 : kEdge;
    if (style_.rightAxis) {
        qreal widest = 0.0;
        for (const QGraphicsSimpleTextItem* label : rightLabels_)
            widest = std::max(widest, label->boundingRect().width());
        right = widest + 11.0;
    }
    const QMargins margins(int(std::ceil(leftRoom())), int(std::ceil(bandBottom + markRoom)), int(std::ceil(right)),
                           int(std::ceil(bottomRoom())));
    if (chart_->margins() != margins)
        chart_->setMargins(margins);
}

// The value axis: fixed, or from 0 to a round number above the tallest bar that
// leaves room for its mark; labelled at whole steps that fit the plot's height.
void IndicatorChart::updateValueScale()
{
    if (!valueAxis_)
        return;
    const qreal labelHeight = QFontMetricsF(tickFont()).height();
    const qreal height = std::max<qreal>(chart_->plotArea().height(), 40.0);
    double maximum = style_.fixedMaximum;
    if (style_.scale == ChartStyle::Scale::AutomaticMaximum) {
        double tallest = 0.0;
        for (const PlottedPoint& point : std::as_const(points_))
            tallest = std::max(tallest, point.value);
        const qreal headroom = QFontMetricsF(markFont()).height() + 6.0;
        const double needed = std::max(1.0, tallest * height / std::max<qreal>(height - headroom, 10.0));
        const double step = niceStep(needed, height, labelHeight);
        maximum = std::ceil(needed / step) * step;
    }
    const double step = niceStep(maximum, height, labelHeight);
    const bool changed = maximum != maximum_ || step != step_ || valueLabels_.isEmpty();
    maximum_ = maximum;
    step_ = step;
    if (valueAxis_->min() != 0.0 || valueAxis_->max() != maximum_)
        valueAxis_->setRange(0.0, maximum_);
    if (!changed)
        return;
    qDeleteAll(valueLabels_);
    qDeleteAll(rightLabels_);
    valueLabels_.clear();
    rightLabels_.clear();
    for (double v = 0.0; v <= maximum_ + 1e-9; v += step_) {
        const QString text = formatChartNumber(v, style_.axisSuffix);
        valueLabels_ << textItem(chart_, text, tickFont(), QColor(0, 0, 0));
        if (style_.rightAxis)
            rightLabels_ << textItem(chart_, text, tickFont(), QColor(0, 0, 0));
    }
    updateMargins();
}

void IndicatorChart::placeAxisLabels(const QRectF& plot)
{
    const qreal d = kWallDepth;
    constexpr qreal kTick = 4.0;
    QPainterPath grid;
    QPainterPath ticks;
    for (int i = 0; i < valueLabels_.size(); ++i) {
        const qreal y = chart_->mapToPosition(QPointF(0, i * step_), bars_).y();
        if (i > 0 && y > plot.top() + 0.5) {
            grid.moveTo(plot.left(), y);
            grid.lineTo(plot.right(), y);
        }
        // The left axis stands at the front edge of the left wall.
        ticks.moveTo(plot.left() - d - kTick, y + d);
        ticks.lineTo(plot.left() - d, y + d);
        QGraphicsSimpleTextItem* label = valueLabels_[i];
        const QRectF r = label->boundingRect();
        label->setPos(plot.left() - d - kTick - 2.0 - r.width(), y + d - r.height() / 2.0);
        if (i < rightLabels_.size()) {
            ticks.moveTo(plot.right(), y);
            ticks.lineTo(plot.right() + kTick, y);
            rightLabels_[i]->setPos(plot.right() + kTick + 2.0, y - r.height() / 2.0);
        }
    }
    grid_->setPath(grid);
    ticks_->setPath(ticks);
    const QRectF t = axisTitle_->boundingRect();
    axisTitle_->setPos(kEdge, plot.center().y() + t.width() / 2.0);

    const int n = int(points_.size());
    const qreal slot = n > 0 ? plot.width() / n : plot.width();
    bool fit = true;
    for (const QGraphicsSimpleTextItem* label : std::as_const(categoryLabels_))
        fit = fit && label->boundingRect().width() <= slot;
    for (int i = 0; i < categoryLabels_.size(); ++i) {
        QGraphicsSimpleTextItem* label = categoryLabels_[i];
        // The legend names the points when their names do not fit under the bars.
        label->setVisible(fit);
        const qreal x = chart_->mapToPosition(QPointF(i, 0), bars_).x() - d;
        label->setPos(x - label->boundingRect().width() / 2.0, plot.bottom() + d + 2.0);
    }
}

void IndicatorChart::placeBarMarks(const QRectF& plot)
{
    for (int i = 0; i < marks_.size(); ++i) {
        Mark& mark = marks_[i];
        const QRectF textRect = mark.text->boundingRect();
        const QRectF box(0, 0, textRect.width() + 4.0, textRect.height());
        mark.box->setRect(box);
        mark.text->setPos(2.0, 0.0);
        const QPointF top = chart_->mapToPosition(QPointF(i, points_[i].value), bars_);
        // A value beyond the axis is clipped with its bar; its mark stays in
        // view at the end of the axis.
        const qreal y = std::clamp(top.y(), plot.top(), plot.bottom());
        mark.box->setPos(top.x() - box.width() / 2.0, y - box.height() - 1.0);
    }
}

void IndicatorChart::placePieMarks()
{
    const QRectF plot = chart_->plotArea();
    const QPointF centre = plot.center();
    const QList<QPieSlice*> slices = pie_->slices();
    const bool drawn = pie_->sum() > 0.0;
    for (int i = 0; i < marks_.size() && i < slices.size(); ++i) {
        Mark& mark = marks_[i];
        mark.box->setVisible(drawn);
        mark.arrow->setVisible(drawn);
        if (!drawn)
            continue;
        const QRectF textRect = mark.text->boundingRect();
        const QRectF box(0, 0, textRect.width() + 4.0, textRect.height());
        mark.box->setRect(box);
        mark.text->setPos(2.0, 0.0);
        const qreal angle = qDegreesToRadians(slices[i]->startAngle() + slices[i]->angleSpan() / 2.0);
        const QPointF direction(std::sin(angle), -std::cos(angle));
        const QPointF rim = centre + direction * kPieRadius;
        const QPointF tip = centre + direction * (kPieRadius + kPieArrow);
        static_cast<QGraphicsLineItem*>(mark.arrow)->setLine(QLineF(rim, tip));
        qreal x = direction.x() >= 0 ? tip.x() : tip.x() - box.width();
        const qreal y = tip.y() - box.height() / 2.0 + direction.y() * box.height() / 2.0;
        // Marks may leave the plot area, but not the chart.
        x = std::clamp(x, 1.0, std::max(1.0, chart_->size().width() - box.width() - 1.0));
        mark.box->setPos(x, y);
    }
}

void IndicatorChart::placeDecorations()
{
    if (placing_)
        return;
    placing_ = true;
    const QSizeF size = chart_->size();
    // The title band spans the chart's width.
    const QFontMetricsF titleMetrics(titleFont());
    const qreal bandHeight = style_.title.size() * titleMetrics.height() + 4.0;
    titleBand_->setRect(QRectF(kEdge, kEdge, size.width() - 2 * kEdge, bandHeight));
    for (int i = 0; i < titleLines_.size(); ++i) {
        QGraphicsSimpleTextItem* line = titleLines_[i];
        line->setPos((size.width() - line->boundingRect().width()) / 2.0, kEdge + 2.0 + i * titleMetrics.height());
    }
    rebuildLegend();
    updateMargins();

    const QRectF plot = chart_->plotArea();
    if (bars_) {
        updateValueScale();
        const qreal d = kWallDepth;
        leftWall_->setPolygon(QPolygonF({plot.topLeft(), plot.bottomLeft(), plot.bottomLeft() + QPointF(-d, d),
                                         plot.topLeft() + QPointF(-d, d)}));
        floor_->setPolygon(QPolygonF({plot.bottomLeft(), plot.bottomRight(), plot.bottomRight() + QPointF(-d, d),
                                      plot.bottomLeft() + QPointF(-d, d)}));
        placeAxisLabels(plot);
        placeBarMarks(plot);
    } else if (plot.isValid()) {
        const qreal shorter = std::min(plot.width(), plot.height());
        pie_->setPieSize(std::min(1.0, 2.0 * kPieRadius / std::max<qreal>(shorter, 1.0)));
        placePieMarks();
    }
    placing_ = false;
}

void IndicatorChart::renderChart(QPainter& painter, const QRectF& target)
{
    placeDecorations();
    scene()->render(&painter, target, chart_->sceneBoundingRect(), Qt::IgnoreAspectRatio);
}

}  // namespace termalo
