#pragma once

#include "chart/chart_widget.h"

#include <QObject>

#include <cstddef>
#include <functional>

class QTimer;

namespace termalo {

// Produces the main window's animated data: one bar value and one line value
// per round, for as long as the program runs. Point i has x = i. Only the
// newest kKeptPoints points are kept, all that the chart can ever show (it
// shows the newest page of at most as many), so memory stays flat however long
// the program runs.
class ChartFeeder : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 200;
    static constexpr std::size_t kKeptPoints = 12;

    // Returns a pseudo-random integer from 0 to maxInclusive.
    using RandomSource = std::function<int(int maxInclusive)>;

    explicit ChartFeeder(QObject* parent = nullptr);

    // The wave under both series: sin(x * 3.14 * 0.05) + 2 in extended precision.
    static long double waveValue(long double x);

    void setRandomSource(RandomSource source);

    void start();
    void stop();
    bool isRunning() const;
    QTimer* timer() const { return timer_; }

    // Rounds done so far: the index of the next point.
    std::size_t count() const { return count_; }
    // Whether point i is still kept: one of the newest kKeptPoints.
    bool isKept(std::size_t i) const { return i < count_ && count_ - i <= kKeptPoints; }
    // The values of a kept point.
    double barValue(std::size_t i) const { return barValues_[i % kKeptPoints]; }
    double lineValue(std::size_t i) const { return lineValues_[i % kKeptPoints]; }
    // Bytes the stored data holds.
    static constexpr std::size_t dataBytes() { return sizeof barValues_ + sizeof lineValues_; }

public slots:
    // One round: computes and appends the next point of both series.
    void tick();

signals:
    void pointAppended(std::size_t index);

private:
    QTimer* timer_;
    RandomSource random_;
    std::size_t count_ = 0;
    // Point i lives at i % kKeptPoints.
    double barValues_[kKeptPoints] = {};
    double lineValues_[kKeptPoints] = {};
};

// Chart1 of the main window: the newest page (at most 12 points) of the
// feeder's bars and line in a box of a blue back wall, a green left wall and a
// silver floor, seen turned and from above, with each bar's share of the page
// over it.
class DecorativeChart : public chart::ChartWidget {
    Q_OBJECT
public:
    static constexpr int kPointsPerPage = 12;
    static constexpr int kBars = 0;  // Series1
    static constexpr int kLine = 1;  // Series2

    explicit DecorativeChart(QWidget* parent = nullptr);
    ~DecorativeChart() override;

    // How Chart1 looks, before any point.
    static chart::Chart look();

    ChartFeeder* feeder() const { return feeder_; }

    // Index of the first point of the page shown, and how many points it shows.
    std::size_t pageStart() const { return pageStart_; }
    int shownCount() const { return int(chart().series[kBars].points.size()); }
    // The bar value and the mark text of slot `slot` of the page shown.
    double shownBarValue(int slot) const;
    QString markText(int slot) const;

public slots:
    // Starts the feeder (a second call changes nothing).
    void start();
    // One feeder round, shown at once.
    void tick();
    // Shows the newest page of the feeder's data.
    void refresh();

private slots:
    void scheduleRefresh();

private:
    ChartFeeder* feeder_;
    std::size_t pageStart_ = 0;
    bool refreshPending_ = false;
};

}  // namespace termalo
