#include "shell/decorative_chart.h"

#include "shell/application.h"
#include "shell/painting.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBrush>
#include <QChart>
#include <QFont>
#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QLinearGradient>
#include <QPen>
#include <QRandomGenerator>
#include <QStackedBarSeries>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace termalo {

// ---------------------------------------------------------------- feeder

ChartFeeder::ChartFeeder(QObject* parent)
    : QObject(parent),
      timer_(new QTimer(this)),
      random_([](int maxInclusive) { return int(QRandomGenerator::global()->bounded(maxInclusive + 1)); })
{
    timer_->setObjectName(QStringLiteral("FeederTimer"));
    timer_->setInterval(kIntervalMs);
    connect(timer_, &QTimer::timeout, this, [this] { runGuarded([this] { tick(); }); });
}

long double ChartFeeder::waveValue(long double x)
{
    return std::sin(x * 3.14L * 0.05L) + 2.0L;
}

void ChartFeeder::setRandomSource(RandomSource source)
{
    random_ = std::move(source);
}

void ChartFeeder::start()
{
    if (!timer_->isActive())
        timer_->start();
}

void ChartFeeder::stop()
{
    timer_->stop();
}

bool ChartFeeder::isRunning() const
{
    return timer_->isActive();
}

void ChartFeeder::tick()
{
    const std::size_t index = count_;
    const long double v = waveValue(static_cast<long double>(index));
    const int a = random_(4);  // drawn first
    const int b = random_(2);
    const int r = a / (b + 1);
    barValues_[index % kKeptPoints] = static_cast<double>(v + r);
    lineValues_[index % kKeptPoints] = static_cast<double>(v);
    ++count_;
    emit pointAppended(index);
}

// ---------------------------------------------------------------- chart

namespace {

constexpr qreal kWallDepth = 6.0;  // how far the side walls reach towards the viewer
constexpr qreal kArrowLength = 10.0;

QFont pixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

const QList<QColor>& DecorativeChart::palette()
{
    static const QList<QColor> colours = {
        QColor(255, 0, 0),     QColor(0, 128, 0),     QColor(255, 255, 0),   QColor(0, 0, 255),
        QColor(255, 255, 255), QColor(128, 128, 128), QColor(255, 0, 255),   QColor(0, 128, 128),
        QColor(0, 0, 128),     QColor(128, 0, 0),     QColor(0, 255, 0),     QColor(128, 128, 0),
        QColor(128, 0, 128),   QColor(192, 192, 192), QColor(0, 255, 255),   QColor(0, 0, 0),
    };
    return colours;
}

DecorativeChart::DecorativeChart(QWidget* parent)
    : QChartView(parent),
      feeder_(new ChartFeeder(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);  // lowered inner bevel
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);  // decoration only: never a tab stop
    setRenderHint(QPainter::Antialiasing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(feeder_, &ChartFeeder::pointAppended, this, &DecorativeChart::scheduleRefresh);
}

// The chart stays hidden until the description starts, and most runs never show
// it: its scene is built when it is first needed, not at start-up.
void DecorativeChart::build()
{
    if (chart_)
        return;
    chart_ = new QChart;
    bars_ = new QStackedBarSeries;
    line_ = new QLineSeries;
    topAxis_ = new QBarCategoryAxis;
    bottomAxis_ = new QBarCategoryAxis;
    valueAxis_ = new QValueAxis;

    chart_->legend()->hide();
    chart_->setBackgroundRoundness(0);
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->setMargins(QMargins(4 + int(kWallDepth), 5, 8, 2 + int(kWallDepth)));
    QLinearGradient background(0, 0, 1, 1);
    background.setCoordinateMode(QGradient::ObjectBoundingMode);
    background.setColorAt(0.0, QColor(108, 108, 108));
    background.setColorAt(1.0, QColor(192, 192, 192));
    chart_->setBackgroundBrush(background);
    chart_->setBackgroundPen(Qt::NoPen);
    chart_->setPlotAreaBackgroundBrush(QColor(0, 0, 160));  // the back wall
    chart_->setPlotAreaBackgroundPen(QPen(QColor(0, 0, 90), 1));
    chart_->setPlotAreaBackgroundVisible(true);

    chart_->setTitle(QStringLiteral("<div align=\"center\">Wskaźniki oceny sprawności operacyjnej <br>usług sanatoryjnych</div>"));
    chart_->setTitleFont(pixelFont(QStringLiteral("MS Sans Serif"), 9, true));
    chart_->setTitleBrush(QColor(0, 0, 255));

    QStringList categories;
    for (int i = 0; i < kPointsPerPage; ++i)
        categories << QString::number(i + 1);
    const QPen axisPen(QColor(0, 0, 0), 1);
    for (QBarCategoryAxis* axis : {topAxis_, bottomAxis_}) {
        axis->setCategories(categories);
        axis->setLabelsVisible(false);  // every point's label is a blank
        axis->setGridLineVisible(false);
        axis->setLinePen(axisPen);
    }
    valueAxis_->setLabelsFont(pixelFont(QStringLiteral("Arial"), 8));
    valueAxis_->setLabelsBrush(QColor(0, 0, 0));
    valueAxis_->setLabelFormat(QStringLiteral("%.0f"));
    valueAxis_->setLinePen(axisPen);
    valueAxis_->setGridLinePen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
    valueAxis_->setMinorTickCount(0);
    valueAxis_->setRange(0, 4);
    valueAxis_->setTickCount(5);
    chart_->addAxis(topAxis_, Qt::AlignTop);
    chart_->addAxis(bottomAxis_, Qt::AlignBottom);
    chart_->addAxis(valueAxis_, Qt::AlignLeft);

    // Every point in its own colour: one bar set per slot of the page, zero
    // everywhere but at its own slot, stacked so that each slot shows one bar.
    bars_->setObjectName(QStringLiteral("Series1"));
    bars_->setBarWidth(0.9);
    for (int slot = 0; slot < kPointsPerPage; ++slot) {
        auto* set = new QBarSet(QStringLiteral("Bar"));
        const QColor colour = palette().at(slot % palette().size());
        set->setBrush(chartBarBrush(colour));
        set->setPen(QPen(colour.darker(220), 0.8));
        for (int i = 0; i < kPointsPerPage; ++i)
            set->append(0.0);
        sets_ << set;
    }
    bars_->append(sets_);
    chart_->addSeries(bars_);
    bars_->attachAxis(topAxis_);
    bars_->attachAxis(valueAxis_);

    line_->setObjectName(QStringLiteral("Series2"));
    line_->setPen(QPen(QColor(0, 128, 0), 2));
    line_->setPointsVisible(false);
    chart_->addSeries(line_);
    line_->attachAxis(bottomAxis_);
    line_->attachAxis(valueAxis_);

    // What the chart component has no notion of: the side walls of a box seen
    // slightly from the left and above, and marks with an arrow.
    leftWall_ = new QGraphicsPolygonItem(chart_);
    leftWall_->setBrush(QColor(0, 128, 64));
    leftWall_->setPen(QPen(QColor(0, 60, 30), 1));
    floor_ = new QGraphicsPolygonItem(chart_);
    floor_->setBrush(QColor(192, 192, 192));
    floor_->setPen(QPen(QColor(96, 96, 96), 1));
    const QFont markFont = pixelFont(QStringLiteral("Arial"), 7);
    for (int slot = 0; slot < kPointsPerPage; ++slot) {
        Mark mark;
        mark.arrow = new QGraphicsLineItem(chart_);
        mark.arrow->setPen(QPen(QColor(255, 255, 255), 1));
        mark.box = new QGraphicsRectItem(chart_);
        mark.box->setBrush(QColor(255, 255, 225));
        mark.box->setPen(QPen(QColor(0, 0, 0), 0.6));
        mark.text = new QGraphicsSimpleTextItem(mark.box);
        mark.text->setFont(markFont);
        mark.text->setBrush(QColor(0, 0, 0));
        for (QGraphicsItem* item : {static_cast<QGraphicsItem*>(mark.arrow), static_cast<QGraphicsItem*>(mark.box)}) {
            item->setZValue(100);
            item->setVisible(false);
        }
        marks_ << mark;
    }

    // The view came with a chart of its own, which it does not delete when
    // another takes its place.
    QChart* defaultChart = chart();
    setChart(chart_);
    delete defaultChart;
    connect(chart_, &QChart::plotAreaChanged, this,
            [this] { runGuarded([this] { placeDecorations(); }); });
}

QStackedBarSeries* DecorativeChart::barSeries()
{
    build();
    return bars_;
}

QLineSeries* DecorativeChart::lineSeries()
{
    build();
    return line_;
}

void DecorativeChart::showEvent(QShowEvent* event)
{
    runGuarded([this] { build(); });
    QChartView::showEvent(event);
}

DecorativeChart::~DecorativeChart()
{
    // No round may arrive while the chart is being torn down.
    feeder_->stop();
}

void DecorativeChart::start()
{
    build();
    feeder_->start();
}

void DecorativeChart::tick()
{
    feeder_->tick();
    refresh();
}

void DecorativeChart::scheduleRefresh()
{
    // Rounds that arrive while the user interface is busy are shown together.
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(this, [this] { runGuarded([this] { refresh(); }); }, Qt::QueuedConnection);
}

double DecorativeChart::shownBarValue(int slot) const
{
    if (slot < 0 || slot >= shown_)
        return 0.0;
    return feeder_->barValue(pageStart_ + std::size_t(slot));
}

QString DecorativeChart::markText(int slot) const
{
    if (slot < 0 || slot >= shown_)
        return {};
    double total = 0.0;
    for (int i = 0; i < shown_; ++i)
        total += shownBarValue(i);
    const double share = total > 0.0 ? shownBarValue(slot) / total * 100.0 : 0.0;
    return QStringLiteral("%1%").arg(std::lround(share));
}

void DecorativeChart::refresh()
{
    build();
    refreshPending_ = false;
    const std::size_t count = feeder_->count();
    if (count == 0 || pageStart_ + std::size_t(shown_) == count)
        return;
    // The newest page: points 12k .. 12k + 11. When a point opens a new page the
    // chart starts over with it; the series never hold more than one page.
    const std::size_t index = count - 1;
    const std::size_t page = index - index % kPointsPerPage;
    if (page != pageStart_) {
        for (int slot = 0; slot < shown_; ++slot)
            sets_[slot]->replace(slot, 0.0);
        line_->clear();
        pageStart_ = page;
        shown_ = 0;
        shownMax_ = 0.0;
    }
    static_assert(ChartFeeder::kKeptPoints >= std::size_t(kPointsPerPage), "the feeder keeps a whole page");
    while (pageStart_ + std::size_t(shown_) <= index) {
        const std::size_t i = pageStart_ + std::size_t(shown_);
        const double bar = feeder_->barValue(i);
        const double line = feeder_->lineValue(i);
        sets_[shown_]->replace(shown_, bar);
        line_->append(shown_, line);
        shownMax_ = std::max({shownMax_, bar, line});
        ++shown_;
    }
    updateValueAxis();
    placeDecorations();
}

void DecorativeChart::updateValueAxis()
{
    // Leave room above the tallest bar for its arrow and mark.
    const qreal plotHeight = std::max<qreal>(chart_->plotArea().height(), 60.0);
    const qreal headroom = kArrowLength + 12.0;
    const double needed = shownMax_ * plotHeight / (plotHeight - headroom);
    const int top = std::max(2, int(std::ceil(needed)));
    if (valueAxis_->max() != top) {
        valueAxis_->setRange(0, top);
        valueAxis_->setTickCount(std::min(top, 10) + 1);
    }
}

void DecorativeChart::placeDecorations()
{
    const QRectF plot = chart_->plotArea();
    const qreal d = kWallDepth;
    leftWall_->setPolygon(QPolygonF({plot.topLeft(), plot.bottomLeft(), plot.bottomLeft() + QPointF(-d, d),
                                     plot.topLeft() + QPointF(-d, d)}));
    floor_->setPolygon(QPolygonF({plot.bottomLeft(), plot.bottomRight(), plot.bottomRight() + QPointF(-d, d),
                                  plot.bottomLeft() + QPointF(-d, d)}));

    for (int slot = 0; slot < kPointsPerPage; ++slot) {
        Mark& mark = marks_[slot];
        const bool visible = slot < shown_ && plot.isValid();
        mark.arrow->setVisible(visible);
        mark.box->setVisible(visible);
        if (!visible)
            continue;
        const QPointF top = chart_->mapToPosition(QPointF(slot, shownBarValue(slot)), bars_);
        const QPointF tip = top - QPointF(0, kArrowLength);
        mark.arrow->setLine(QLineF(top, tip));
        mark.text->setText(markText(slot));
        const QRectF textRect = mark.text->boundingRect();
        const QRectF boxRect(0, 0, textRect.width() + 2, textRect.height());
        mark.box->setRect(boxRect);
        mark.text->setPos(1, 0);
        mark.box->setPos(tip.x() - boxRect.width() / 2, tip.y() - boxRect.height());
    }
}

}  // namespace termalo
