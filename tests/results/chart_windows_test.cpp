// The eight chart windows, opened from the indicator screen as the user opens them.
#include "tests/results/results_fixture.h"

#include "core/chart_series.h"
#include "results/chart_window.h"
#include "shell/controls.h"
#include "tests/support/worked_example.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace termalo::testing {
namespace {

// How the user reaches each chart, and where the indicator screen shows the
// values it plots (in the order of the chart's points).
struct ChartCase {
    const char* window;
    const char* button;
    QStringList indicatorLabels;
    const char* markSuffix;
};

const QList<ChartCase>& chartCases()
{
    static const QList<ChartCase> cases = {
        {"Form7", "BitBtn6", {"Label34", "Label36", "Label32"}, "%"},
        {"Form8", "BitBtn7", {"Label47", "Label48", "Label50", "Label43"}, "%"},
        {"Form9", "BitBtn4", {"Label61", "Label63", "Label59"}, "zł"},
        {"Form10", "BitBtn5", {"Label68", "Label70", "Label66"}, "zł"},
        {"Form11", "BitBtn8", {"Label54", "Label56", "Label46"}, " dni"},
        {"Form12", "Button4", {"Label32", "Label43", "Label93", "Label74"}, "%"},
        {"Form13", "BitBtn2", {"Label38", "Label93", "Label40"}, "%"},
        {"Form14", "BitBtn3", {"Label78", "Label76"}, "%"},
    };
    return cases;
}

// The whole number that a display text of the indicator screen rounds to.
double roundedDisplayValue(QString text)
{
    const QLocale locale = QLocale::system();
    text.remove(QRegularExpression(QStringLiteral("[^0-9,.\\-]")));
    text.remove(locale.groupSeparator());
    text.replace(locale.decimalPoint(), QStringLiteral("."));
    bool ok = false;
    const double value = text.toDouble(&ok);
    EXPECT_TRUE(ok) << text.toStdString();
    return std::round(value);
}

// A whole number in the regional notation: digit groups from 1000 up.
QString formatGrouped(double value)
{
    QString digits = QString::number(std::fabs(value), 'f', 0);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLocale::system().groupSeparator());
    return (value < 0 ? QStringLiteral("-") : QString()) + digits;
}

class ChartWindowsTest : public ResultsTest {
protected:
    TForm7* chartWindow(const QString& name) { return qobject_cast<TForm7*>(form(name)); }

    TForm7* open(const ChartCase& c)
    {
        click(QStringLiteral("Form4"), QString::fromLatin1(c.button));
        settle();
        return chartWindow(QString::fromLatin1(c.window));
    }

    QString lastMessage() const
    {
        for (auto it = dialogs.fake.calls.crbegin(); it != dialogs.fake.calls.crend(); ++it) {
            if (it->kind == QLatin1String("message"))
                return it->text;
        }
        return {};
    }
};

TEST_F(ChartWindowsTest, EveryHandOverTargetIsAHiddenLabelOfItsWindow)
{
    const core::EngineResult result = core::computeIndicators(workedExample(), {}, {",", " "});
    ASSERT_FALSE(result.failed);
    QList<core::Target> targets;
    for (const core::Output& output : result.outputs) {
        if (core::chartSeriesFor(output.target.window))
            targets.append(output.target);
    }
    for (const core::ChartSeriesLayout& series : core::chartSeries()) {
        for (const core::ChartPoint& point : series.points)
            targets.append(core::Target{series.window, point.field});
    }
    EXPECT_EQ(targets.size(), 2 * 25);
    for (const core::Target& target : targets) {
        SCOPED_TRACE(target.window + "/" + target.control);
        QLabel* label = nullptr;
        EXPECT_NO_THROW(label = findControl<QLabel>(target));  // strict lookup throws on a missing one
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->window(), form(QString::fromStdString(target.window)));
        EXPECT_TRUE(label->isHidden());
    }
}

TEST_F(ChartWindowsTest, WorkedExamplePlotsTheIndicatorScreensValuesOnEveryChart)
{
    enterAndShow(workedExampleEntries());
    for (const ChartCase& c : chartCases()) {
        SCOPED_TRACE(c.window);
        TForm7* window = open(c);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(lastActiveForm(), window);
        EXPECT_TRUE(control<QPushButton>("Form4", c.button)->isHidden());

        const core::ChartSeriesLayout* layout = core::chartSeriesFor(c.window);
        ASSERT_NE(layout, nullptr);
        chart::ChartWidget* chart = window->chart();
        ASSERT_EQ(chart, findControl<chart::ChartWidget>(window, "Chart2"));
        // What a screen reader reads: one row per point, its label and its value
        // as the mark writes it.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(chart);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::Chart);
        EXPECT_EQ(accessible->text(QAccessible::Name), chart->chart().title.lines.join(' ').simplified());
        QAccessibleTableInterface* table = accessible->tableInterface();
        ASSERT_NE(table, nullptr);
        ASSERT_EQ(table->rowCount(), c.indicatorLabels.size());
        const bool pie = std::string(c.window) == "Form13" || std::string(c.window) == "Form14";
        const QList<chart::Scene::Mark>& marks = chart->scene().marks;
        ASSERT_EQ(marks.size(), c.indicatorLabels.size());
        EXPECT_EQ(chart->scene().legend.size(), c.indicatorLabels.size());
        const QList<QColor> eachPoint = {Qt::red, QColor(0, 128, 0), Qt::yellow, Qt::blue};
        for (int i = 0; i < c.indicatorLabels.size(); ++i) {
            SCOPED_TRACE(i);
            const QString label = table->cellAt(i, 0)->text(QAccessible::Name);
            const QString value = table->cellAt(i, 1)->text(QAccessible::Name);
            EXPECT_EQ(label, QString::fromUtf8(layout->points[i].label));
            const double expected = roundedDisplayValue(text("Form4", c.indicatorLabels[i]));
            EXPECT_EQ(value, formatGrouped(expected) + QString::fromUtf8(c.markSuffix));
            EXPECT_EQ(marks[i].text, pie ? label + " " + value : value);
            EXPECT_EQ(window->points()[i].x, layout->points[i].x);
            EXPECT_EQ(window->plottedSeries().pointColour(i), layout->colourEachPoint ? eachPoint[i] : QColor(Qt::blue));
        }
        closeForm(window);
        settle();
    }
    EXPECT_EQ(messages(), 0);
    // Form10 keeps Form9's chart title under its own caption.
    EXPECT_EQ(form("Form10")->windowTitle(), "Wykres - Wskaźnik przychodów z każdego miejsca do dyspozycji");
    EXPECT_EQ(chartWindow("Form10")->chart()->chart().title.lines, QStringList{"Wskaźnik przychodów z jednego miejsca"});
}

TEST_F(ChartWindowsTest, ChartIsFilledOnceAndKeepsItsPointsWhenTheDataChanges)
{
    enterAndShow(workedExampleEntries());
    TForm7* form7 = open(chartCases()[0]);
    ASSERT_NE(form7, nullptr);
    const QList<chart::Point> first = form7->points();
    ASSERT_EQ(first.size(), 3);

    // New stays: the hand-over fields change, the plotted points do not.
    type({{"Form3", "Edit4", "2500"}});
    const QString before = text("Form7", "Label1");
    for (int i = 0; i < 5; ++i) {
        activate("Form4");
        activate("Form7");
    }
    EXPECT_NE(text("Form7", "Label1"), before);
    ASSERT_EQ(form7->points().size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(form7->points()[i].y, first[i].y);
    EXPECT_EQ(form7->chart()->scene().marks.size(), 3);
}

TEST_F(ChartWindowsTest, StoppedComputationReportsTheFieldAndTheNextActivationRetries)
{
    // No 3-person rooms: the computation stops at the room utilisation, after
    // the place utilisation and the shares of stays were handed over.
    enterAndShow(withField(workedExampleEntries(), "Form2", "Edit7", "0"));
    ASSERT_EQ(messages(), 1);

    TForm7* form7 = open(chartCases()[0]);
    TForm7* form13 = open(chartCases()[6]);
    ASSERT_TRUE(form7 && form13);
    EXPECT_EQ(form7->points().size(), 3);
    EXPECT_EQ(form13->points().size(), 3);
    EXPECT_EQ(messages(), 1);

    TForm7* form8 = open(chartCases()[1]);
    ASSERT_NE(form8, nullptr);
    ASSERT_EQ(messages(), 2);
    EXPECT_EQ(lastMessage(), "'Label1' is not a valid integer value.");
    EXPECT_EQ(dialogs.fake.calls.back().caption, "Termalo 1.0");
    EXPECT_EQ(dialogs.fake.calls.back().icon, Dialogs::Icon::Stop);
    EXPECT_TRUE(form8->isVisible());
    EXPECT_TRUE(form8->points().isEmpty());

    // Still empty: every activation tries again and reports again.
    activate("Form7");
    activate("Form8");
    EXPECT_EQ(messages(), 3);
    EXPECT_TRUE(form8->points().isEmpty());

    // A complete computation later: the next activation fills the chart.
    type({{"Form2", "Edit7", "10"}});
    activate("Form4");
    activate("Form8");
    EXPECT_EQ(messages(), 3);
    EXPECT_EQ(form8->points().size(), 4);
    EXPECT_EQ(form8->chart()->scene().marks.size(), 4);
}

TEST_F(ChartWindowsTest, ValueAboveTheFixedMaximumIsCutWithItsMarkInsideTheChart)
{
    enterAndShow(withField(workedExampleEntries(), "Form3", "Edit4", "3500"));
    TForm7* form7 = open(chartCases()[0]);
    ASSERT_NE(form7, nullptr);
    const chart::Scene& scene = form7->chart()->scene();
    EXPECT_EQ(scene.vertical.maximum, 100.0);
    ASSERT_GT(form7->points()[2].y, 100.0);
    const double chartTop =
        scene.projection.map(chart::Point3{scene.front.left(), scene.front.top(), scene.projection.depth()}).y();
    ASSERT_EQ(scene.hits.size(), 3);
    for (const chart::Scene::Hit& hit : scene.hits)
        EXPECT_GE(hit.region.boundingRect().top(), chartTop - 0.5);
    for (const chart::Scene::Mark& mark : scene.marks)
        EXPECT_TRUE(QRectF(QPointF(0, 0), scene.size).contains(mark.box));
}

TEST_F(ChartWindowsTest, BarChartsZoomWithTheMouseAndPiesRefuse)
{
    enterAndShow(workedExampleEntries());
    for (const int index : {0, 6}) {
        TForm7* window = open(chartCases()[index]);
        ASSERT_NE(window, nullptr);
        chart::ChartWidget* chart = window->chart();
        const QPoint from = chart->rect().center() - QPoint(60, 40);
        QTest::mousePress(chart, Qt::LeftButton, {}, from);
        QTest::mouseMove(chart, from + QPoint(60, 40));
        QTest::mouseRelease(chart, Qt::LeftButton, {}, from + QPoint(120, 80));
        EXPECT_EQ(chart->isZoomed(), index == 0) << chartCases()[index].window;
        QTest::mousePress(chart, Qt::LeftButton, {}, from + QPoint(120, 80));
        QTest::mouseRelease(chart, Qt::LeftButton, {}, from);
        EXPECT_FALSE(chart->isZoomed());
    }
    EXPECT_EQ(messages(), 0);
}

// --------------------------------------------------------------- printing

class ChartPrintingTest : public ChartWindowsTest, public ::testing::WithParamInterface<int> {};

TEST_P(ChartPrintingTest, ConfirmedPrintsTheChartAloneAsTextOnOnePage)
{
    const ChartCase& c = chartCases()[GetParam()];
    enterAndShow(workedExampleEntries());
    TForm7* window = open(c);
    ASSERT_NE(window, nullptr);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    dialogs.fake.confirmPrint = true;
    dialogs.fake.pdfFile = dir.filePath("chart.pdf");

    click(c.window, "Button1");
    settle();

    EXPECT_EQ(dialogs.fake.count("print"), 1);
    EXPECT_EQ(messages(), 0);
    QFile file(dialogs.fake.pdfFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?![a-zA-Z])")), 1);
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));  // drawn, not a picture of the screen

    ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
        << "pdftotext and pdftoppm (poppler-utils) are needed to check the text and margins";
    const QString text = runTool("pdftotext", {"-layout", dialogs.fake.pdfFile, "-"}).simplified();
    for (const QString& line : window->chart()->chart().title.lines)
        EXPECT_TRUE(text.contains(line)) << line.toStdString() << " in " << text.toStdString();
    for (const chart::Scene::Mark& mark : window->chart()->scene().marks)
        EXPECT_TRUE(text.contains(mark.text.simplified())) << mark.text.toStdString() << " in " << text.toStdString();
    EXPECT_FALSE(text.contains("Drukuj"));  // the chart alone, not the window

    runTool("pdftoppm", {"-r", "30", "-gray", "-singlefile", dialogs.fake.pdfFile, dir.filePath("page")});
    const QRectF ink = inkBox(dir.filePath("page.pgm"));
    ASSERT_TRUE(ink.isValid());
    EXPECT_NEAR(ink.left(), 0.15, 0.02);
    EXPECT_NEAR(ink.right(), 0.85, 0.02);
    EXPECT_NEAR(ink.top(), 1.0 - ink.bottom(), 0.02);  // centred
}

INSTANTIATE_TEST_SUITE_P(Charts, ChartPrintingTest, ::testing::Values(0, 4, 5, 7),
                         [](const auto& info) { return std::string(chartCases()[info.param].window); });

TEST_F(ChartWindowsTest, CancelledPrintPrintsNothingInEveryWindow)
{
    enterAndShow(workedExampleEntries());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    dialogs.fake.confirmPrint = false;
    dialogs.fake.pdfFile = dir.filePath("chart.pdf");
    int prints = 0;
    for (const ChartCase& c : chartCases()) {
        SCOPED_TRACE(c.window);
        TForm7* window = open(c);
        ASSERT_NE(window, nullptr);
        click(c.window, "Button1");
        settle();
        EXPECT_EQ(dialogs.fake.count("print"), ++prints);
        EXPECT_FALSE(QFile::exists(dialogs.fake.pdfFile));
        EXPECT_TRUE(window->isVisible());
        click(c.window, "Button2");  // "&Zamknij" hides it
        settle();
        EXPECT_TRUE(window->isHidden());
    }
    EXPECT_EQ(messages(), 0);
}

}  // namespace
}  // namespace termalo::testing
