#include "results/chart_window.h"

#include "core/chart_series.h"
#include "results/chart_printing.h"
#include "shell/controls.h"
#include "shell/painting.h"
#include "shell/registry.h"
#include "ui_tform7.h"

#include <QLabel>
#include <QPainter>
#include <QScopeGuard>

using termalo::ChartStyle;
using termalo::ChartWindowSettings;

// ---------------------------------------------------------------- TForm7

ChartWindowSettings TForm7::settings()
{
    ChartWindowSettings s;
    s.window = QStringLiteral("Form7");
    s.caption = QStringLiteral("Wykres - Wskaźnik wykorzystania miejsc w sanatorium");
    s.chartGeometry = QRect(88, 48, 337, 201);
    s.chart.title = QStringList{QStringLiteral("Wskaźnik wykorzystania miejsc")};
    s.chart.scale = ChartStyle::Scale::Fixed;
    s.chart.fixedMaximum = 100.0;
    s.chart.axisTitle = QStringLiteral("%");
    s.chart.markSuffix = QStringLiteral("%");
    return s;
}

TForm7::TForm7(QWidget* parent) : TForm7(settings(), parent) {}

TForm7::TForm7(const ChartWindowSettings& settings, QWidget* parent)
    : Form(parent), ui(std::make_unique<Ui::TForm7>()), settings_(settings)
{
    ui->setupUi(this);
    setObjectName(settings_.window);
    if (const auto* layout = termalo::core::chartSeriesFor(settings_.window.toStdString()))
        settings_.chart.colourEachPoint = layout->colourEachPoint;
    setWindowTitle(settings_.caption);
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
}

TForm7::~TForm7() = default;

// The chart is built when the window is first shown, so start-up does not pay
// for eight charts that most runs never open.
termalo::IndicatorChart* TForm7::buildChart()
{
    if (chart_)
        return chart_;
    chart_ = new termalo::IndicatorChart(settings_.chart, this);
    chart_->setObjectName(QStringLiteral("Chart2"));
    chart_->setGeometry(settings_.chartGeometry);
    chart_->addPoints(points_);
    chart_->show();
    return chart_;
}

void TForm7::showEvent(QShowEvent* event)
{
    buildChart();
    Form::showEvent(event);
}

// Adds the window's points from its hand-over fields, but only while the chart
// has none. A field that is not a whole number stops the fill with the
// invalid-integer error; the points before it stay, and while the chart is
// still empty the next activation tries again.
void TForm7::fillChart()
{
    if (!points_.isEmpty())
        return;
    const termalo::core::ChartSeriesLayout* layout = termalo::core::chartSeriesFor(objectName().toStdString());
    if (!layout)
        return;
    const auto palette = termalo::core::defaultPalette();
    // What was added stays, also when a later field fails; the chart is laid
    // out once for all of them.
    QList<termalo::PlottedPoint> added;
    const auto keepAdded = qScopeGuard([&] {
        points_ += added;
        if (chart_)
            chart_->addPoints(added);
    });
    for (const termalo::core::ChartPoint& p : layout->points) {
        const QLabel* field = termalo::findControl<QLabel>(this, QString::fromLatin1(p.field));
        if (!field)
            return;
        const std::int32_t value = termalo::core::parseHandOverField(field->text().toStdString());
        const std::size_t index = std::size_t(added.size());
        const QColor colour = layout->colourEachPoint ? QColor::fromRgb(QRgb(palette[index % palette.size()]))
                                                      : QColor(0, 0, 255);
        added.append({p.x, QString::fromUtf8(p.label), double(value), colour});
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
    termalo::printChart(buildChart(), this);
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
    s.chart.title = QStringList{QStringLiteral("Wskaźnik wykorzystania pokoi")};
    return s;
}

TForm8::TForm8(QWidget* parent) : TForm8(settings(), parent) {}
TForm8::TForm8(const ChartWindowSettings& settings, QWidget* parent) : TForm7(settings, parent) {}
void TForm8::FormActivate() { TForm7::FormActivate(); }
void TForm8::FormPaint() { TForm7::FormPaint(); }
void TForm8::Button1Click() { TForm7::Button1Click(); }
void TForm8::Button2Click() { TForm7::Button2Click(); }

// ---------------------------------------------------------------- TForm9

ChartWindowSettings TForm9::settings()
{
    ChartWindowSettings s = TForm8::settings();
    s.window = QStringLiteral("Form9");
    s.caption = QStringLiteral("Wykres - Wskaźnik przychodów z jednego miejsca");
    s.chart.title = QStringList{QStringLiteral("Wskaźnik przychodów z jednego miejsca")};
    s.chart.scale = ChartStyle::Scale::AutomaticMaximum;
    s.chart.axisSuffix = QStringLiteral("zł");
    s.chart.axisTitle = QStringLiteral("zł");
    s.chart.markSuffix = QStringLiteral("zł");
    return s;
}

TForm9::TForm9(QWidget* parent) : TForm9(settings(), parent) {}
TForm9::TForm9(const ChartWindowSettings& settings, QWidget* parent) : TForm8(settings, parent) {}
void TForm9::FormActivate() { TForm8::FormActivate(); }
void TForm9::FormPaint() { TForm8::FormPaint(); }
void TForm9::Button1Click() { TForm8::Button1Click(); }
void TForm9::Button2Click() { TForm8::Button2Click(); }

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
void TForm10::FormActivate() { TForm9::FormActivate(); }
void TForm10::FormPaint() { TForm9::FormPaint(); }
void TForm10::Button1Click() { TForm9::Button1Click(); }
void TForm10::Button2Click() { TForm9::Button2Click(); }

// ---------------------------------------------------------------- TForm11

ChartWindowSettings TForm11::settings()
{
    ChartWindowSettings s = TForm10::settings();
    s.window = QStringLiteral("Form11");
    s.caption = QStringLiteral("Wykres - Wskaźnik przeciętnej długości pobytu");
    s.chart.title = QStringList{QStringLiteral("Wskaźnik przeciętnej długości pobytu")};
    s.chart.scale = ChartStyle::Scale::Fixed;
    s.chart.fixedMaximum = 31.0;
    s.chart.axisSuffix.clear();
    s.chart.axisTitle = QStringLiteral("dni");
    s.chart.markSuffix = QStringLiteral(" dni");
    return s;
}

TForm11::TForm11(QWidget* parent) : TForm10(settings(), parent) {}
void TForm11::FormActivate() { TForm10::FormActivate(); }
void TForm11::FormPaint() { TForm10::FormPaint(); }
void TForm11::Button1Click() { TForm10::Button1Click(); }
void TForm11::Button2Click() { TForm10::Button2Click(); }

// ---------------------------------------------------------------- TForm12

ChartWindowSettings TForm12::settings()
{
    ChartWindowSettings s = TForm7::settings();
    s.window = QStringLiteral("Form12");
    s.caption = QStringLiteral("Wykres wybranych wskaźników oceny sprawności operacyjnej");
    s.label4 = true;
    s.chartGeometry = QRect(64, 40, 385, 225);
    s.chart.title = QStringList{QStringLiteral("Wskaźniki oceny sprawności operacyjnej")};
    s.chart.legendTextPixels = 11;
    s.chart.rightAxis = true;
    return s;
}

TForm12::TForm12(QWidget* parent) : TForm7(settings(), parent) {}
void TForm12::FormActivate() { TForm7::FormActivate(); }
void TForm12::FormPaint() { TForm7::FormPaint(); }
void TForm12::Button1Click() { TForm7::Button1Click(); }
void TForm12::Button2Click() { TForm7::Button2Click(); }

// ---------------------------------------------------------------- TForm13

ChartWindowSettings TForm13::settings()
{
    ChartWindowSettings s = TForm7::settings();
    s.window = QStringLiteral("Form13");
    s.caption = QStringLiteral("Wykres - Wskaźnik udziału pobytów");
    s.chart.kind = ChartStyle::Kind::Pie;
    s.chart.backgroundEnd = QColor(201, 201, 201);
    s.chart.title = QStringList{QStringLiteral("Struktura pobytów w sanatorium")};
    return s;
}

TForm13::TForm13(QWidget* parent) : TForm13(settings(), parent) {}
TForm13::TForm13(const ChartWindowSettings& settings, QWidget* parent) : TForm7(settings, parent) {}
void TForm13::FormActivate() { TForm7::FormActivate(); }
void TForm13::FormPaint() { TForm7::FormPaint(); }
void TForm13::Button1Click() { TForm7::Button1Click(); }
void TForm13::Button2Click() { TForm7::Button2Click(); }

// ---------------------------------------------------------------- TForm14

ChartWindowSettings TForm14::settings()
{
    ChartWindowSettings s = TForm13::settings();
    s.window = QStringLiteral("Form14");
    s.caption = QStringLiteral("Wykres - Wskaźnik udziału poszczególnych przychodów w przychodach całkowitych");
    s.chart.title = QStringList{QStringLiteral("Wskaźnik udziału poszczególnych przychodów"),
                                QStringLiteral("w przychodach całkowitych sanatorium")};
    return s;
}

TForm14::TForm14(QWidget* parent) : TForm13(settings(), parent) {}
void TForm14::FormActivate() { TForm13::FormActivate(); }
void TForm14::FormPaint() { TForm13::FormPaint(); }
void TForm14::Button1Click() { TForm13::Button1Click(); }
void TForm14::Button2Click() { TForm13::Button2Click(); }
