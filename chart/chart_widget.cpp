#include "chart/chart_widget.h"

#include "chart/chart_accessible.h"
#include "chart/chart_export.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace termalo::chart {

namespace {

// A drag shorter than this is a click, not a rectangle.
constexpr int kLeastDrag = 3;

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
    addCopyChartAction(this);
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
    changed(true);
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
    changed(true);
}

void ChartWidget::setPoints(int series, const QList<Point>& points)
{
    if (series < 0 || series >= chart_.series.size())
        return;
    chart_.series[series].points = points;
    changed(true);
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
    drawnValid_ = false;
    if (points) {
        ++generation_;
        if (QAccessible::isActive()) {
            QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
            QAccessible::updateAccessibility(&event);
        }
    }
    update();
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
    const Zoom zoom{{std::min(a->x(), b->x()), std::max(a->x(), b->x())},
                    {std::min(a->y(), b->y()), std::max(a->y(), b->y())}};
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

QString ChartWidget::titleText() const
{
    return chart_.title.lines.join(QLatin1Char(' ')).simplified();
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (!drawnValid_ || drawn_.size() != pixels || drawn_.devicePixelRatio() != ratio) {
        drawn_ = QImage(pixels, QImage::Format_RGB32);  // opaque: copied, not blended
        drawn_.setDevicePixelRatio(ratio);
        QPainter onto(&drawn_);
        onto.setRenderHint(QPainter::Antialiasing);
        paintScene(onto, scene(), ratio);
        drawnValid_ = true;
    }
    QPainter painter(this);
    // In bands, as the scene is drawn: a copy of more rows at once is shared
    // out among threads, which costs more than it saves here.
    constexpr int kRows = 90;
    for (int top = 0; top < height(); top += kRows) {
        const int rows = std::min(kRows, height() - top);
        painter.drawImage(QRectF(0, top, width(), rows), drawn_, QRectF(0, top * ratio, pixels.width(), rows * ratio));
    }
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
    drawnValid_ = false;
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
    if (rightPress_ && (position - *rightPress_).manhattanLength() >= kLeastDrag)
        rightDragged_ = true;
    if (drag_ == Drag::Zoom) {
        dragNow_ = position;
        update();
    } else if (drag_ == Drag::Pan) {
        panBy(position - dragNow_);
        dragNow_ = position;
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
        if (d.x() >= kLeastDrag && d.y() >= kLeastDrag)
            zoomInto(QRectF(dragStart_, dragNow_));
        else if (d.x() < 0 && d.y() < 0)
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
