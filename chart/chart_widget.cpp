#include "chart/chart_widget.h"

#include "chart/chart_accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

namespace termalo::chart {

namespace {

// A left-button release this close to the press (in pixels, either way) is a
// click, not a drag.
constexpr int kLeastDrag = 3;

// The right button moves this far from its press (the desktop's start of a
// drag) before it pans: a hand that shakes a little while clicking neither
// pans nor keeps the menu from opening.
bool movedBeyondClick(const QPoint& from, const QPoint& to)
{
    return (to - from).manhattanLength() >= QApplication::startDragDistance();
}

bool samePoint(const Point& a, const Point& b)
{
    const bool sameY = a.y == b.y || (std::isnan(a.y) && std::isnan(b.y));
    return a.x == b.x && sameY && a.label == b.label && a.colour == b.colour;
}

}  // namespace

// ---------------------------------------------------------------- series

ChartSeries::ChartSeries(ChartWidget* chart, int index) : QObject(chart), chart_(chart), index_(index) {}

const Series& ChartSeries::data() const
{
    return chart_->chart_.series[index_];
}

// ---------------------------------------------------------------- widget

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent)
{
    installChartAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

ChartWidget::~ChartWidget() = default;

void ChartWidget::setChart(const Chart& chart)
{
    chart_ = chart;
    while (series_.size() > chart_.series.size())
        delete series_.takeLast();
    while (series_.size() < chart_.series.size())
        series_ << new ChartSeries(this, int(series_.size()));
    for (int i = 0; i < series_.size(); ++i)
        series_[i]->setObjectName(chart_.series[i].name);
    zoom_.reset();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    pointsChanged(true);
}

ChartSeries* ChartWidget::series(int index) const
{
    return index >= 0 && index < series_.size() ? series_[index] : nullptr;
}

void ChartWidget::addPoints(int series, const QList<Point>& points)
{
    if (series < 0 || series >= chart_.series.size() || points.isEmpty())
        return;
    chart_.series[series].points += points;
    pointsChanged(false);
}

void ChartWidget::setPoints(int series, const QList<Point>& points)
{
    if (series < 0 || series >= chart_.series.size())
        return;
    QList<Point>& old = chart_.series[series].points;
    // Points added after the ones shown are only added rows for a screen reader.
    bool replaced = points.size() < old.size();
    for (qsizetype i = 0; i < old.size() && !replaced; ++i)
        replaced = !samePoint(old[i], points[i]);
    old = points;
    pointsChanged(replaced);
}

const Scene& ChartWidget::scene() const
{
    if (!scene_ || scene_->size != QSizeF(size()))
        scene_ = layOut(chart_, QSizeF(size()), zoom_);
    return *scene_;
}

void ChartWidget::changed(bool points)
{
    scene_.reset();
    picture_.drop();
    if (points)
        ++generation_;
    update();
}

void ChartWidget::pointsChanged(bool replaced)
{
    changed(true);
    replaced_ = replaced_ || replaced;
    if (!QAccessible::isActive()) {
        // Nobody listens: a reader that comes later asks for the table anew.
        toldRows_ = chartTableRows(chart_);
        replaced_ = false;
        return;
    }
    // Changes made together (both series of a new point) are told together.
    if (!telling_) {
        telling_ = true;
        QMetaObject::invokeMethod(this, &ChartWidget::tellScreenReader, Qt::QueuedConnection);
    }
}

void ChartWidget::tellScreenReader()
{
    telling_ = false;
    const int rows = chartTableRows(chart_);
    const int last = chartTableColumns(chart_) - 1;
    if (QAccessible::isActive()) {
        if (replaced_ || rows < toldRows_) {
            QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
            QAccessible::updateAccessibility(&event);
        } else if (rows > toldRows_) {
            QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::RowsInserted);
            event.setFirstRow(toldRows_);
            event.setLastRow(rows - 1);
            event.setFirstColumn(0);
            event.setLastColumn(last);
            QAccessible::updateAccessibility(&event);
        } else if (rows > 0) {
            QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
            event.setFirstRow(0);
            event.setLastRow(rows - 1);
            event.setFirstColumn(0);
            event.setLastColumn(last);
            QAccessible::updateAccessibility(&event);
        }
    }
    toldRows_ = rows;
    replaced_ = false;
}

std::optional<QPointF> ChartWidget::valueAt(const QPointF& position) const
{
    const Scene& s = scene();
    if (!s.hasAxes || s.front.isEmpty())
        return std::nullopt;
    bool invertible = false;
    const QTransform toFront = s.projection.frontToScreen().inverted(&invertible);
    if (!invertible)
        return std::nullopt;
    const QPointF p = toFront.map(position);
    return QPointF(s.horizontal.minimum + (p.x() - s.front.left()) / s.front.width() * s.horizontal.span(),
                   s.vertical.minimum + (s.front.bottom() - p.y()) / s.front.height() * s.vertical.span());
}

bool ChartWidget::zoomInto(const QRectF& area)
{
    const auto a = valueAt(area.topLeft());
    const auto b = valueAt(area.bottomRight());
    if (!a || !b)
        return false;
    // Only what the plot shows now: a corner over the title, the legend or
    // beyond the axes would open empty space.
    const Scene& s = scene();
    auto within = [](double low, double high, const Range& range) {
        return Range{std::clamp(low, range.minimum, range.maximum), std::clamp(high, range.minimum, range.maximum)};
    };
    const Zoom zoom{within(std::min(a->x(), b->x()), std::max(a->x(), b->x()), s.horizontal),
                    within(std::min(a->y(), b->y()), std::max(a->y(), b->y()), s.vertical)};
    if (!(zoom.horizontal.span() > 0.0) || !(zoom.vertical.span() > 0.0))
        return false;
    zoom_ = zoom;
    changed(false);
    return true;
}

void ChartWidget::resetZoom()
{
    if (!zoom_)
        return;
    zoom_.reset();
    changed(false);
}

void ChartWidget::panBy(const QPointF& pixels)
{
    const QPointF centre = rect().center();
    const auto a = valueAt(centre);
    const auto b = valueAt(centre + pixels);
    if (!a || !b)
        return;
    const Scene& s = scene();
    Zoom zoom = zoom_.value_or(Zoom{s.horizontal, s.vertical});
    const QPointF delta = *a - *b;
    zoom.horizontal.minimum += delta.x();
    zoom.horizontal.maximum += delta.x();
    zoom.vertical.minimum += delta.y();
    zoom.vertical.maximum += delta.y();
    zoom_ = zoom;
    changed(false);
}

void ChartWidget::renderChart(QPainter& painter, const QRectF& target) const
{
    paintChart(painter, chart_, QSizeF(size()), target, zoom_);
}

double ChartWidget::shareTotal(int series) const
{
    if (shareTotals_.size() != chart_.series.size() || totalsGeneration_ != generation_) {
        shareTotals_.clear();
        for (const Series& s : chart_.series)
            shareTotals_ << chart::shareTotal(s);
        totalsGeneration_ = generation_;
    }
    return series >= 0 && series < shareTotals_.size() ? shareTotals_[series] : 0.0;
}

void ChartWidget::setColumnNames(const QString& label, const QString& value)
{
    labelColumn_ = label;
    valueColumn_ = value;
}

QString ChartWidget::columnName(int column) const
{
    if (column == 0)
        return labelColumn_;
    if (valueColumn_.isEmpty() || chartTableColumns(chart_) == 2)
        return valueColumn_;
    return valueColumn_ + QLatin1Char(' ') + QString::number(column);
}

QString ChartWidget::titleText() const
{
    return chart_.title.lines.join(QLatin1Char(' ')).simplified();
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (picture_.prepare(size(), ratio, chart_.panel.colour)) {
        QPainter onto(&picture_.image());
        onto.setRenderHint(QPainter::Antialiasing);
        paintScene(onto, scene(), ratio);
    }
    QPainter painter(this);
    picture_.copyTo(painter);
    if (drag_ == Drag::Zoom) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(dragStart_, dragNow_).normalized());
    }
}

void ChartWidget::resizeEvent(QResizeEvent* event)
{
    scene_.reset();
    picture_.drop();
    QWidget::resizeEvent(event);
}

void ChartWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        rightPress_ = event->position().toPoint();
        rightDragged_ = false;
    }
    const bool axes = scene().hasAxes;
    if (event->button() == Qt::LeftButton && chart_.zoomEnabled && axes)
        drag_ = Drag::Zoom;
    else if (event->button() == Qt::RightButton && chart_.panEnabled && axes)
        drag_ = Drag::Pan;
    else
        return QWidget::mousePressEvent(event);
    dragStart_ = dragNow_ = event->position().toPoint();
    event->accept();
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (rightPress_ && !rightDragged_ && movedBeyondClick(*rightPress_, position))
        rightDragged_ = true;
    if (drag_ == Drag::Zoom) {
        dragNow_ = position;
        update();
    } else if (drag_ == Drag::Pan) {
        // Until it is a drag the view stays; then it follows the mouse from
        // where the button went down.
        if (rightDragged_) {
            panBy(position - dragNow_);
            dragNow_ = position;
        }
    } else {
        return QWidget::mouseMoveEvent(event);
    }
    event->accept();
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && rightPress_) {
        rightPress_.reset();
        if (std::exchange(menuAsked_, false) && !rightDragged_)
            showMenu(event->globalPosition().toPoint());
    }
    if (drag_ == Drag::None)
        return QWidget::mouseReleaseEvent(event);
    if (drag_ == Drag::Zoom) {
        dragNow_ = event->position().toPoint();
        const QPoint d = dragNow_ - dragStart_;
        if (d.x() > kLeastDrag && d.y() > kLeastDrag)
            zoomInto(QRectF(dragStart_, dragNow_));
        else if (d.x() < 0 && d.y() < 0 && std::min(d.x(), d.y()) < -kLeastDrag)
            resetZoom();
    }
    drag_ = Drag::None;
    update();
    event->accept();
}

bool ChartWidget::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const Scene::Hit* hit = scene().hitAt(help->pos());
    if (!hit) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const QString label = chart_.series[hit->series].points[hit->point].label.trimmed();
    const QString value = valueText(chart_, hit->series, hit->point);
    QToolTip::showText(help->globalPos(), label.isEmpty() ? value : label + QStringLiteral(": ") + value, this);
    return true;
}

void ChartWidget::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse)
        return showMenu(event->globalPos(), true);
    // Where the request comes with the press, the menu waits for the release:
    // a drag pans instead.
    if (rightPress_)
        menuAsked_ = true;
    else if (!rightDragged_)
        showMenu(event->globalPos());
}

void ChartWidget::showMenu(const QPoint& globalPos, bool fromKeyboard)
{
    if (actions().isEmpty())
        return;
    if (menu_)
        menu_->close();
    // No local event loop: the chart goes on moving while the menu is open.
    menu_ = new QMenu(this);
    menu_->setAttribute(Qt::WA_DeleteOnClose);
    menu_->addActions(actions());
    menu_->popup(globalPos);
    if (fromKeyboard)
        menu_->setActiveAction(actions().constFirst());
}

}  // namespace termalo::chart
