#include "results/chart_window.h"

#include "core/chart_series.h"
#include "results/chart_printing.h"
#include "shell/chart_saving.h"
#include "shell/controls.h"
#include "shell/painting.h"
#include "shell/registry.h"
#include "ui_tform7.h"

#include <QLabel>
#include <QPainter>
#include <QScopeGuard>

using termalo::ChartWindowSettings;
using namespace termalo::chart;

namespace {

int seriesIndex(const Chart& chart, const QString& name)
{
    for (int i = 0; i < chart.series.size(); ++i) {
        if (chart.series[i].name == name)
            return i;
    }
    return -1;
}

Series& seriesNamed(Chart& chart, const QString& name)
{
    return chart.series[seriesIndex(chart, name)];
}

}  // namespace

// ---------------------------------------------------------------- TForm7

ChartWindowSettings TForm7::settings()
{
    ChartWindowSettings s;
    s.window = QStringLiteral("Form7");
    s.caption = QStringLiteral("Wykres - Wskaźnik wykorzystania miejsc w sanatorium");
    s.chartGeometry = QRect(88, 48, 337, 201);
    s.plotted = QStringLiteral("Series2");

    Chart& c = s.chart;
    c.panel.bevel = Bevel::Lowered;
    c.panel.background = {true, Gradient::Direction::FromBottomLeft, QColor(128, 128, 128), QColor(192, 192, 192)};
    c.walls.back.transparent = true;
    c.walls.left.transparent = true;
    c.walls.bottom.colour = Qt::white;
    c.view.enabled = true;
    c.view.depthPercent = 35;
    c.title.lines = {QStringLiteral("Wskaźnik wykorzystania miejsc")};
    c.title.font = pixelFont(QStringLiteral("Arial"), 11, true);
    c.title.colour = QColor(0, 0, 255);
    c.title.band = QColor(192, 192, 192);
    c.title.frameVisible = true;
    c.title.fitToText = false;
    c.leftAxis.automaticMinimum = false;
    c.leftAxis.automaticMaximum = false;
    c.leftAxis.minimum = 0;
    c.leftAxis.maximum = 100;
    c.leftAxis.labelFont = pixelFont(QStringLiteral("Arial"), 9);
    c.leftAxis.labelColour = Qt::black;
    c.leftAxis.title = QStringLiteral("%");
    c.legend.position = Legend::Position::Bottom;
    c.legend.colour = QColor(0, 0, 255);
    c.legend.colourWidthPercent = 15;
    c.legend.font = pixelFont(QStringLiteral("Arial"), 8, true);
    c.legend.textColour = QColor(255, 255, 0);
    c.legend.shadowSize = 2;
    c.legend.verticalMargin = 1;

    Series bars;
    bars.name = QStringLiteral("Series2");
    bars.kind = Series::Kind::Bar;
    bars.colour = QColor(0, 0, 255);
    bars.barGradient = true;
    bars.barsFromAxisMinimum = true;
    bars.marks.visible = true;
    bars.marks.style = Marks::Style::Value;
    bars.marks.arrowLength = 0;
    bars.valueFormat = QStringLiteral("#,##0.##%");
    c.series = {bars};
    return s;
}

TForm7::TForm7(QWidget* parent) : TForm7(settings(), parent) {}

TForm7::TForm7(const ChartWindowSettings& settings, QWidget* parent)
    : Form(parent), ui(std::make_unique<Ui::TForm7>()), settings_(settings)
{
    ui->setupUi(this);
    setObjectName(settings_.window);
    setWindowTitle(settings_.caption);
    plotted_ = seriesIndex(settings_.chart, settings_.plotted);
    if (const auto* layout = termalo::core::chartSeriesFor(settings_.window.toStdString()))
        settings_.chart.series[plotted_].colourEachPoint = layout->colourEachPoint;
    if (settings_.label4) {
        auto* label = new QLabel(QStringLiteral("Label4"), this);
        label->setObjectName(QStringLiteral("Label4"));
        label->setTextFormat(Qt::PlainText);
        label->move(8, 56);
    }
    setUpForm({.background = Background::Painted});
    // The hand-over fields carry the computation's values; they are never seen.
    for (QLabel* field : {ui->Label1, ui->Label2, ui->Label3, findChild<QLabel*>(QStringLiteral("Label4"))}) {
        if (field)
            field->hide();
    }
    chart_ = new ChartWidget(this);
    chart_->setObjectName(QStringLiteral("Chart2"));
    chart_->setGeometry(settings_.chartGeometry);
    chart_->setChart(settings_.chart);
    termalo::offerChartExport(chart_, this);
}

TForm7::~TForm7() = default;

const QList<Point>& TForm7::points() const
{
    return plottedSeries().points;
}

const Series& TForm7::plottedSeries() const
{
    return chart_->chart().series[plotted_];
}

// Adds the window's points from its hand-over fields, but only while the chart
// has none. A field that is not a whole number stops the fill with the
// invalid-integer error; the points before it stay, and while the chart is
// still empty the next activation tries again.
void TForm7::fillChart()
{
    if (!points().isEmpty())
        return;
    const termalo::core::ChartSeriesLayout* layout = termalo::core::chartSeriesFor(objectName().toStdString());
    if (!layout)
        return;
    // What was added stays, also when a later field fails; the chart is laid
    // out once for all of them.
    QList<Point> added;
    const auto keepAdded = qScopeGuard([&] { chart_->addPoints(plotted_, added); });
    for (const termalo::core::ChartPoint& p : layout->points) {
        const QLabel* field = termalo::findControl<QLabel>(this, QString::fromLatin1(p.field));
        if (!field)
            return;
        const std::int32_t value = termalo::core::parseHandOverField(field->text().toStdString());
        added.append({p.x, double(value), QString::fromUtf8(p.label), QColor()});  // the series' own colour
    }
}

void TForm7::FormActivate()
{
    fillChart();
}

void TForm7::FormPaint()
{
    QPainter painter(this);
    termalo::paintBlueGradient(painter, rect());
}

void TForm7::Button1Click()
{
    termalo::printChart(chart_, this);
}

void TForm7::Button2Click()
{
    termalo::closeForm(this);
}

// ---------------------------------------------------------------- TForm8

ChartWindowSettings TForm8::settings()
{
    ChartWindowSettings s = TForm7::settings();
    s.window = QStringLiteral("Form8");
    s.caption = QStringLiteral("Wykres - Wskaźnik wykorzystania pokoi w sanatorium");
    s.label4 = true;
    s.chartGeometry = QRect(64, 32, 385, 217);
    s.chart.title.lines = {QStringLiteral("Wskaźnik wykorzystania pokoi")};
    return s;
}

TForm8::TForm8(QWidget* parent) : TForm8(settings(), parent) {}
TForm8::TForm8(const ChartWindowSettings& settings, QWidget* parent) : TForm7(settings, parent) {}

// ---------------------------------------------------------------- TForm9

ChartWindowSettings TForm9::settings()
{
    ChartWindowSettings s = TForm8::settings();
    s.window = QStringLiteral("Form9");
    s.caption = QStringLiteral("Wykres - Wskaźnik przychodów z jednego miejsca");
    s.chart.title.lines = {QStringLiteral("Wskaźnik przychodów z jednego miejsca")};
    s.chart.leftAxis.automaticMaximum = true;  // the minimum stays 0
    s.chart.leftAxis.valueFormat = QStringLiteral("#,##0.##zł");
    s.chart.leftAxis.title = QStringLiteral("zł");
    seriesNamed(s.chart, s.plotted).valueFormat = QStringLiteral("#,##0.##zł");
    return s;
}

TForm9::TForm9(QWidget* parent) : TForm9(settings(), parent) {}
TForm9::TForm9(const ChartWindowSettings& settings, QWidget* parent) : TForm8(settings, parent) {}

// ---------------------------------------------------------------- TForm10

// The chart is Form9's, title included.
ChartWindowSettings TForm10::settings()
{
    ChartWindowSettings s = TForm9::settings();
    s.window = QStringLiteral("Form10");
    s.caption = QStringLiteral("Wykres - Wskaźnik przychodów z każdego miejsca do dyspozycji");
    return s;
}

TForm10::TForm10(QWidget* parent) : TForm10(settings(), parent) {}
TForm10::TForm10(const ChartWindowSettings& settings, QWidget* parent) : TForm9(settings, parent) {}

// ---------------------------------------------------------------- TForm11

ChartWindowSettings TForm11::settings()
{
    ChartWindowSettings s = TForm10::settings();
    s.window = QStringLiteral("Form11");
    s.caption = QStringLiteral("Wykres - Wskaźnik przeciętnej długości pobytu");
    s.chart.title.lines = {QStringLiteral("Wskaźnik przeciętnej długości pobytu")};
    s.chart.leftAxis.automaticMaximum = false;
    s.chart.leftAxis.maximum = 31;
    s.chart.leftAxis.valueFormat = QStringLiteral("#,##0.##");
    s.chart.leftAxis.title = QStringLiteral("dni");
    seriesNamed(s.chart, s.plotted).valueFormat = QStringLiteral("#,##0.## dni");
    return s;
}

TForm11::TForm11(QWidget* parent) : TForm10(settings(), parent) {}

// ---------------------------------------------------------------- TForm12

ChartWindowSettings TForm12::settings()
{
    ChartWindowSettings s = TForm7::settings();
    s.window = QStringLiteral("Form12");
    s.caption = QStringLiteral("Wykres wybranych wskaźników oceny sprawności operacyjnej");
    s.label4 = true;
    s.chartGeometry = QRect(64, 40, 385, 225);
    s.chart.title.lines = {QStringLiteral("Wskaźniki oceny sprawności operacyjnej")};
    s.chart.legend.font.setPixelSize(11);
    // Tied to both vertical axes: the right one repeats the left one's scale.
    seriesNamed(s.chart, s.plotted).verticalAxis = Series::VerticalAxis::Both;
    s.chart.rightAxis = s.chart.leftAxis;
    s.chart.rightAxis.title.clear();
    return s;
}

TForm12::TForm12(QWidget* parent) : TForm7(settings(), parent) {}

// ---------------------------------------------------------------- TForm13

ChartWindowSettings TForm13::settings()
{
    ChartWindowSettings s = TForm7::settings();
    s.window = QStringLiteral("Form13");
    s.caption = QStringLiteral("Wykres - Wskaźnik udziału pobytów");
    s.plotted = QStringLiteral("Series1");
    Chart& c = s.chart;
    c.zoomEnabled = false;
    c.panEnabled = false;
    c.walls.back.outline = false;
    c.panel.background.end = QColor(201, 201, 201);
    c.title.lines = {QStringLiteral("Struktura pobytów w sanatorium")};
    c.leftAxis.visible = false;
    c.bottomAxis.visible = false;
    c.clipPoints = false;
    c.frameVisible = false;
    c.view.elevation = 315;
    c.view.rotation = 360;
    c.view.perspective = 0;
    c.view.orthogonal = false;
    for (Wall* wall : {&c.walls.back, &c.walls.left, &c.walls.bottom})
        wall->visible = false;  // no 3D walls
    seriesNamed(c, QStringLiteral("Series2")).active = false;

    Series pie;
    pie.name = QStringLiteral("Series1");
    pie.kind = Series::Kind::Pie;
    pie.colour = QColor(255, 0, 0);  // not used: every slice has a colour of its own
    pie.colourEachPoint = true;
    pie.marks.visible = true;
    pie.marks.style = Marks::Style::LabelAndValue;
    pie.marks.arrowLength = 8;
    pie.valueFormat = QStringLiteral("#,##0.##%");
    pie.pieRadius = 50;
    pie.pieRotation = 210;
    c.series.append(pie);
    return s;
}

TForm13::TForm13(QWidget* parent) : TForm13(settings(), parent) {}
TForm13::TForm13(const ChartWindowSettings& settings, QWidget* parent) : TForm7(settings, parent) {}

// ---------------------------------------------------------------- TForm14

ChartWindowSettings TForm14::settings()
{
    ChartWindowSettings s = TForm13::settings();
    s.window = QStringLiteral("Form14");
    s.caption = QStringLiteral("Wykres - Wskaźnik udziału poszczególnych przychodów w przychodach całkowitych");
    s.chart.title.lines = {QStringLiteral("Wskaźnik udziału poszczególnych przychodów"),
                           QStringLiteral("w przychodach całkowitych sanatorium")};
    return s;
}

TForm14::TForm14(QWidget* parent) : TForm13(settings(), parent) {}
