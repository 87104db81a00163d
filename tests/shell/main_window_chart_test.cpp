// The decorative chart of the main window and its feeder.
#include "shell/decorative_chart.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <memory>
#include <utility>

namespace termalo {
namespace {

// A random source that answers from a script and records what it was asked.
struct ScriptedRandom {
    std::deque<int> answers;
    std::vector<int> asked;
    ChartFeeder::RandomSource source()
    {
        return [this](int maxInclusive) {
            asked.push_back(maxInclusive);
            if (answers.empty())
                return 0;
            const int a = answers.front();
            answers.pop_front();
            return a;
        };
    }
};

TEST(ChartFeeder, WaveUsesThreePointOneFourNotPi)
{
    struct Case {
        const char* name;
        long double x;
        long double value;
    };
    const Case cases[] = {
        {"starts at 2", 0, 2.0L},
        {"peak of the wave falls short of 3", 10, 2.9999996829318346L},   // 2 + sin(1.57)
        {"half period stays above 2", 20, 2.0015926529164868L},           // 2 + sin(3.14)
        {"trough", 30, 1.000002853612282L},                              // 2 + sin(4.71)
        {"ten hours on", 179999, 2.0L + std::sin(179999.0L * 3.14L * 0.05L)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(double(ChartFeeder::waveValue(c.x)), double(c.value), 1e-12);
    }
}

TEST(ChartFeeder, BarIsTheWavePlusTheRandomQuotient)
{
    struct Case {
        int a;
        int b;
        int added;
    };
    const Case cases[] = {{0, 0, 0}, {4, 0, 4}, {4, 1, 2}, {4, 2, 1}, {3, 1, 1}, {2, 2, 0}, {1, 0, 1}, {3, 2, 1}};
    ScriptedRandom random;
    for (const Case& c : cases) {
        random.answers.push_back(c.a);
        random.answers.push_back(c.b);
    }
    ChartFeeder feeder;
    feeder.setRandomSource(random.source());
    for (std::size_t i = 0; i < std::size(cases); ++i)
        feeder.tick();

    ASSERT_EQ(feeder.count(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(feeder.lineValue(i), double(ChartFeeder::waveValue(i)));
        EXPECT_NEAR(feeder.barValue(i) - feeder.lineValue(i), cases[i].added, 1e-12);
    }
    // a from 0 to 4 is drawn before b from 0 to 2, every round.
    ASSERT_EQ(random.asked.size(), 2 * std::size(cases));
    for (std::size_t i = 0; i < random.asked.size(); i += 2) {
        EXPECT_EQ(random.asked[i], 4);
        EXPECT_EQ(random.asked[i + 1], 2);
    }
}

TEST(ChartFeeder, DefaultRandomStaysInRange)
{
    ChartFeeder feeder;
    bool sawExtra[5] = {};
    for (std::size_t i = 0; i < 600; ++i) {
        feeder.tick();
        const double extra = feeder.barValue(i) - feeder.lineValue(i);
        const long rounded = std::lround(extra);
        ASSERT_NEAR(extra, double(rounded), 1e-9);
        ASSERT_GE(rounded, 0);
        ASSERT_LE(rounded, 4);
        sawExtra[rounded] = true;
    }
    for (bool seen : sawExtra)
        EXPECT_TRUE(seen);
}

TEST(ChartFeeder, KeepsOnlyTheNewestPageWhileTheWaveGoesOn)
{
    ChartFeeder feeder;
    const std::size_t rounds = 100003;
    for (std::size_t i = 0; i < rounds; ++i)
        feeder.tick();
    EXPECT_EQ(feeder.count(), rounds);
    EXPECT_FALSE(feeder.isKept(rounds - ChartFeeder::kKeptPoints - 1));
    EXPECT_FALSE(feeder.isKept(rounds));
    for (std::size_t i = rounds - ChartFeeder::kKeptPoints; i < rounds; ++i) {
        ASSERT_TRUE(feeder.isKept(i)) << i;
        EXPECT_EQ(feeder.lineValue(i), double(ChartFeeder::waveValue(i))) << "x counts every round";
    }
    EXPECT_LE(ChartFeeder::dataBytes(), 1024u);
}

class DecorativeChartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chart = std::make_unique<DecorativeChart>();
        chart->resize(281, 193);
        chart->feeder()->setRandomSource(random.source());
        chart->show();
    }

    const QList<chart::Point>& bars() const { return chart->chart().series[DecorativeChart::kBars].points; }
    const QList<chart::Point>& line() const { return chart->chart().series[DecorativeChart::kLine].points; }

    ScriptedRandom random;
    std::unique_ptr<DecorativeChart> chart;
};

TEST_F(DecorativeChartTest, ShowsTheNewestPageOfAtMostTwelvePoints)
{
    struct Case {
        std::size_t rounds;
        std::size_t pageStart;
        int shown;
    };
    const Case cases[] = {{1, 0, 1}, {11, 0, 11}, {12, 0, 12}, {13, 12, 1}, {24, 12, 12}, {30, 24, 6}, {1000, 996, 4}};
    std::size_t done = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rounds);
        while (done < c.rounds) {
            chart->tick();
            ++done;
        }
        EXPECT_EQ(chart->feeder()->count(), c.rounds) << "every round counts";
        EXPECT_EQ(chart->pageStart(), c.pageStart);
        EXPECT_EQ(chart->shownCount(), c.shown);
        ASSERT_EQ(bars().size(), c.shown);
        ASSERT_EQ(line().size(), c.shown);
        for (int slot = 0; slot < c.shown; ++slot) {
            EXPECT_EQ(bars()[slot].x, slot);
            EXPECT_EQ(bars()[slot].y, chart->feeder()->barValue(c.pageStart + slot)) << "slot " << slot;
            EXPECT_EQ(line()[slot].x, slot);
            EXPECT_EQ(line()[slot].y, chart->feeder()->lineValue(c.pageStart + slot));
        }
        // A page always spans twelve places, however few points it holds.
        EXPECT_DOUBLE_EQ(chart->scene().horizontal.span(), DecorativeChart::kPointsPerPage);
    }
}

TEST_F(DecorativeChartTest, RoundsThatArriveTogetherAreDrawnTogether)
{
    for (int i = 0; i < 27; ++i)
        chart->feeder()->tick();
    EXPECT_EQ(chart->shownCount(), 0) << "drawn on the next pass of the event loop";
    QCoreApplication::processEvents();
    EXPECT_EQ(chart->pageStart(), 24u);
    EXPECT_EQ(chart->shownCount(), 3);
    EXPECT_EQ(line().size(), 3);
}

TEST_F(DecorativeChartTest, MarksShowEachBarsShareOfThePageAndFitAboveIt)
{
    random.answers = {4, 0};  // the first bar is lifted by 4, the others sit on the wave
    chart->tick();
    EXPECT_EQ(chart->markText(0), QStringLiteral("100%"));
    EXPECT_TRUE(chart->markText(1).isEmpty());
    EXPECT_EQ(chart->scene().vertical.minimum, 0.0);
    EXPECT_GE(chart->scene().vertical.maximum, chart->shownBarValue(0));
    ASSERT_EQ(chart->scene().marks.size(), 1);
    EXPECT_GE(chart->scene().marks[0].box.top(), 0.0) << "the mark stays in the chart";

    for (int i = 1; i < 12; ++i)
        chart->tick();
    double total = 0;
    for (int slot = 0; slot < 12; ++slot)
        total += chart->shownBarValue(slot);
    int sum = 0;
    for (int slot = 0; slot < 12; ++slot) {
        const QString text = chart->markText(slot);
        ASSERT_TRUE(text.endsWith(QLatin1Char('%'))) << text.toStdString();
        const int percent = text.chopped(1).toInt();
        EXPECT_EQ(percent, std::lround(chart->shownBarValue(slot) / total * 100));
        sum += percent;
    }
    EXPECT_NEAR(sum, 100, 6);
}

}  // namespace
}  // namespace termalo
