#pragma once

#include "core/indicator_engine.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QAbstractTableModel;
class QLabel;
class QListWidget;
class QMimeData;
class QTableView;

namespace termalo {

namespace chart {
class ChartWidget;
}

// Months side by side: each month file (or the month on the entry screens)
// computed by the indicator engine as the indicator screen computes it, the
// indicator screen's figures as rows, the months as columns in calendar order.
struct MonthComparison {
    // A figure of the indicator screen: its group and caption as the screen
    // shows them, and the label that shows its value there.
    struct Row {
        QString group;
        QString item;
        QString valueControl;
    };
    struct Month {
        QString file;  // empty: the month on the entry screens
        core::InputTexts texts;
        core::EngineResult result;
        std::optional<int> year;
        std::optional<int> month;
        bool duplicate = false;  // another column holds the same month and year
        QStringList values;      // one a row, as value() gives them
    };
    struct Unreadable {
        QString file;
        QString reason;
    };

    QList<Row> rows;
    QList<Month> months;
    QList<Unreadable> unreadable;

    // The column heading: month and year as typed, then where it comes from.
    QString heading(int column) const;
    // The figure of `row` in `column` exactly as the indicator screen shows it
    // after computing that month alone; a figure the computation did not reach
    // because it failed shows kNotComputed.
    QString value(int row, int column) const;
    // The figure as a number for the trend chart; NaN where there is none.
    double number(int row, int column) const;
    // "Obliczenie" row: the indicator screen's error message for a month whose
    // computation failed, kComputed for the others.
    QString outcome(int column) const;

    // Tab-separated text and an HTML table: headings, the outcome, one line a
    // figure, then the files that could not be read with their reasons.
    QMimeData* mimeData() const;
    // The HTML table; not `whole`: each text cut as the window shows it (printing).
    QString html(bool whole = true) const;
};

inline constexpr const char* kComputed = "obliczony";
inline constexpr const char* kNotComputed = "—";

// The rows of the indicator screen `form4` (its groups, captions and value labels).
QList<MonthComparison::Row> indicatorRows(const QWidget* form4);

// Where the months come from: files, and the month on the entry screens.
struct MonthSources {
    QStringList files;
    std::optional<core::InputTexts> entered;
};

// Reads every file, computes every month, orders them by year and month
// (months whose month or year is not recognised come last, as given) and marks
// the months that appear more than once.
MonthComparison compareMonths(const MonthSources& sources, const QList<MonthComparison::Row>& rows,
                              const core::NumberFormat& format);

// The month files of `folder`, by name.
QStringList monthFilesIn(const QString& folder);

// The window "Porównanie miesięcy": the table, a chart of the chosen row across
// the months, the files that could not be read; copies and prints the table.
class MonthComparisonWindow : public QWidget {
    Q_OBJECT
public:
    explicit MonthComparisonWindow(QWidget* parent = nullptr);
    ~MonthComparisonWindow() override;

    const MonthComparison& comparison() const { return comparison_; }
    QTableView* table() const { return table_; }
    chart::ChartWidget* trendChart() const { return chart_; }

    // Adds months and computes the comparison again.
    void addFiles(const QStringList& files);
    void addEnteredMonth();
    void clearMonths();

    // The menu's actions, through the dialogs port.
    bool chooseFiles();
    bool chooseFolder();
    void copyTable() const;
    bool printTable();
    // Draws the table, fitted into `page`, onto `painter` (for printing).
    void renderTable(QPainter& painter, const QRectF& page) const;

    // The row the chart shows (the table's current row).
    int chartedRow() const { return chartedRow_; }
    void chartRow(int row);

private:
    void recompute();
    void updateChart();

    MonthSources sources_;
    MonthComparison comparison_;
    QAbstractTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    chart::ChartWidget* chart_ = nullptr;
    QListWidget* unreadable_ = nullptr;
    QLabel* unreadableTitle_ = nullptr;
    int chartedRow_ = 0;
};

// The program's comparison window, made on first use.
MonthComparisonWindow* monthComparisonWindow();
// "Porównaj miesiące…": asks for month files (several at once) and shows them
// side by side in the comparison window. Returns false when the user cancels.
bool compareMonthFiles(QWidget* parent);

}  // namespace termalo
