#include "shell/decorative_chart.h"

#include "shell/application.h"

#include <QRandomGenerator>
#include <QTimer>

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

chart::Chart DecorativeChart::look()
{
    using namespace chart;
    Chart c;
    c.panel.bevel = Bevel::Lowered;
    c.panel.marginTop = 5;
    c.panel.background = {true, Gradient::Direction::FromTopLeft, QColor(108, 108, 108), QColor(192, 192, 192)};
    // The walls' colours fill them: the back wall blue, the left green, the floor silver.
    c.walls.backColour = QColor(0, 0, 160);
    c.walls.back.colour = QColor(0, 0, 160);
    c.walls.left.colour = QColor(0, 128, 64);
    c.walls.bottom.colour = QColor(192, 192, 192);
    for (Wall* wall : {&c.walls.back, &c.walls.left, &c.walls.bottom})
        wall->outlineColour = wall->colour.darker(200);
    c.view = {.enabled = true, .depthPercent = 30, .elevation = 348, .rotation = 325, .perspective = 62,
              .horizontalOffset = -10, .orthogonal = false};
    c.title.lines = {QStringLiteral("Wskaźniki oceny sprawności operacyjnej "), QStringLiteral("usług sanatoryjnych")};
    c.title.font = pixelFont(QStringLiteral("MS Sans Serif"), 9, true);
    c.title.colour = QColor(0, 0, 255);
    c.title.clear = true;
    c.title.frameVisible = false;
    c.legend.visible = false;
    c.leftAxis.labelFont = pixelFont(QStringLiteral("Arial"), 8);
    c.leftAxis.labelColour = Qt::black;
    c.leftAxis.labelSize = 18;
    c.leftAxis.tickLength = 8;
    c.leftAxis.minorTickLength = 3;
    c.leftAxis.minorTickCount = 1;
    c.leftAxis.gridCentred = true;
    c.leftAxis.valueFormat = QStringLiteral("0");
    c.pointsPerPage = kPointsPerPage;

    Series bars;
    bars.name = QStringLiteral("Series1");
    bars.kind = Series::Kind::Bar;
    bars.horizontalAxis = Series::HorizontalAxis::Top;
    bars.colour = QColor(255, 255, 0);
    bars.colourEachPoint = true;
    bars.barGradient = true;
    bars.offsetPercent = 5;
    bars.marks.visible = true;
    bars.marks.style = Marks::Style::Percent;
    bars.marks.font = pixelFont(QStringLiteral("Arial"), 7);
    bars.marks.arrowLength = 10;
    Series line;
    line.name = QStringLiteral("Series2");
    line.kind = Series::Kind::Line;
    line.colour = QColor(0, 128, 0);
    line.lineWidth = 2;
    c.series = {bars, line};
    return c;
}

DecorativeChart::DecorativeChart(QWidget* parent) : ChartWidget(parent), feeder_(new ChartFeeder(this))
{
    setChart(look());
    connect(feeder_, &ChartFeeder::pointAppended, this, &DecorativeChart::scheduleRefresh);
}

DecorativeChart::~DecorativeChart()
{
    // No round may arrive while the chart is being torn down.
    feeder_->stop();
}

void DecorativeChart::start()
{
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
    const QList<chart::Point>& bars = chart().series[kBars].points;
    return slot >= 0 && slot < bars.size() ? bars[slot].y : 0.0;
}

QString DecorativeChart::markText(int slot) const
{
    return chart::pointText(chart(), kBars, slot);
}

// The newest page: points 12k .. 12k + 11. When a point opens a new page the
// chart starts over with it; the series never hold more than one page.
void DecorativeChart::refresh()
{
    refreshPending_ = false;
    const std::size_t count = feeder_->count();
    if (count == 0 || pageStart_ + std::size_t(shownCount()) == count)
        return;
    static_assert(ChartFeeder::kKeptPoints >= std::size_t(kPointsPerPage), "the feeder keeps a whole page");
    const std::size_t index = count - 1;
    pageStart_ = index - index % kPointsPerPage;
    QList<chart::Point> bars, line;
    for (std::size_t i = pageStart_; i <= index; ++i) {
        const double x = double(i - pageStart_);
        bars.append({x, feeder_->barValue(i), QStringLiteral(" "), {}});
        line.append({x, feeder_->lineValue(i), QStringLiteral(" "), {}});
    }
    setPoints(kLine, line);
    setPoints(kBars, bars);
}

}  // namespace termalo
