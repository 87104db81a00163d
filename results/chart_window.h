#pragma once

#include "chart/chart_widget.h"
#include "shell/form.h"

#include <QList>
#include <QRect>
#include <QString>

#include <memory>

namespace Ui {
class TForm7;
}

namespace termalo {

// What sets one chart window apart from the others.
struct ChartWindowSettings {
    QString window;          // objectName: "Form7" .. "Form14"
    QString caption;
    QRect chartGeometry;     // Chart2, in the client area
    bool label4 = false;     // a fourth hand-over field
    QString plotted;         // the series that the hand-over fields fill
    chart::Chart chart;
};

}  // namespace termalo

// The chart windows. TForm7 is the family's base: the layout, the chart, the
// fill from the hand-over fields at activation, printing and closing. Every
// derived window starts from its parent's settings and changes only its own;
// the handlers are TForm7's.
//
//   TForm7 <- TForm8 <- TForm9 <- TForm10 <- TForm11
//   TForm7 <- TForm12
//   TForm7 <- TForm13 <- TForm14
class TForm7 : public termalo::Form {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
    ~TForm7() override;

    // The points plotted so far, in the order they were added.
    const QList<termalo::chart::Point>& points() const;
    // The plotted series: Series2 of the bar charts, Series1 of the pies.
    const termalo::chart::Series& plottedSeries() const;
    termalo::chart::ChartWidget* chart() const { return chart_; }

public slots:
    void FormActivate();
    void FormPaint();
    void Button1Click();
    void Button2Click();

protected:
    TForm7(const termalo::ChartWindowSettings& settings, QWidget* parent);
    static termalo::ChartWindowSettings settings();

private:
    void fillChart();

    std::unique_ptr<Ui::TForm7> ui;
    termalo::ChartWindowSettings settings_;
    termalo::chart::ChartWidget* chart_ = nullptr;
    int plotted_ = 0;
};

class TForm8 : public TForm7 {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

protected:
    TForm8(const termalo::ChartWindowSettings& settings, QWidget* parent);
    static termalo::ChartWindowSettings settings();
};

class TForm9 : public TForm8 {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

protected:
    TForm9(const termalo::ChartWindowSettings& settings, QWidget* parent);
    static termalo::ChartWindowSettings settings();
};

class TForm10 : public TForm9 {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

protected:
    TForm10(const termalo::ChartWindowSettings& settings, QWidget* parent);
    static termalo::ChartWindowSettings settings();
};

class TForm11 : public TForm10 {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);

private:
    static termalo::ChartWindowSettings settings();
};

class TForm12 : public TForm7 {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

private:
    static termalo::ChartWindowSettings settings();
};

class TForm13 : public TForm7 {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

protected:
    TForm13(const termalo::ChartWindowSettings& settings, QWidget* parent);
    static termalo::ChartWindowSettings settings();
};

class TForm14 : public TForm13 {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);

private:
    static termalo::ChartWindowSettings settings();
};
