#include "chart/chart_accessible.h"

#include "chart/chart_widget.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include <algorithm>

namespace termalo::chart {

namespace {

// The series that have a column, in order: the active ones. Charts hold a
// handful of series, so every answer below costs the same however many
// points they hold.
QList<int> columnSeries(const Chart& chart)
{
    QList<int> series;
    for (int s = 0; s < chart.series.size(); ++s) {
        if (chart.series[s].active)
            series << s;
    }
    return series;
}

// The series whose point row `row` and column `column` show (column 0, the
// label: the first series that has that point); -1 for none.
int seriesOfCell(const Chart& chart, int row, int column)
{
    const QList<int> series = columnSeries(chart);
    if (column > 0)
        return column <= series.size() && row < chart.series[series[column - 1]].points.size() ? series[column - 1] : -1;
    for (const int s : series) {
        if (row < chart.series[s].points.size())
            return s;
    }
    return -1;
}

QString cellText(const ChartWidget* widget, int row, int column)
{
    if (!widget || row < 0)
        return {};
    const int series = seriesOfCell(widget->chart(), row, column);
    if (series < 0)
        return {};
    if (column == 0)
        return widget->chart().series[series].points[row].label;
    return valueText(widget->chart(), series, row, widget->shareTotal(series));
}

class ChartCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    ChartCell(ChartWidget* chart, int row, int column) : chart_(chart), row_(row), column_(column) {}

    bool isValid() const override { return chart_ && row_ < chartTableRows(chart_->chart()); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(chart_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name || t == QAccessible::Value ? cellText(chart_, row_, column_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!chart_)
            return {};
        const int series = seriesOfCell(chart_->chart(), row_, column_);
        for (const Scene::Hit& hit : chart_->scene().hits) {
            if (hit.series == series && hit.point == row_) {
                const QRect local = hit.region.boundingRect().toAlignedRect();
                return QRect(chart_->mapToGlobal(local.topLeft()), local.size());
            }
        }
        return QRect(chart_->mapToGlobal(QPoint(0, 0)), chart_->size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !chart_ || !chart_->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<ChartWidget> chart_;
    int row_;
    int column_;
};

class ChartAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ChartAccessible(ChartWidget* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}
    ~ChartAccessible() override { dropCells(); }

    ChartWidget* chart() const { return static_cast<ChartWidget*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return chart()->titleText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return cellAt(index / columnCount(), index % columnCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || child->role() != QAccessible::Cell)
            return -1;
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        if (!cell || cell->table() != this)
            return -1;
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const Scene::Hit* hit = chart()->scene().hitAt(chart()->mapFromGlobal(QPoint(x, y)));
        if (!hit)
            return nullptr;
        const int column = int(columnSeries(chart()->chart()).indexOf(hit->series)) + 1;
        return column > 0 ? cellAt(hit->point, column) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        if (generation_ != chart()->generation()) {
            dropCells();
            generation_ = chart()->generation();
        }
        const int key = row * columnCount() + column;
        if (const auto it = cells_.constFind(key); it != cells_.cend())
            return QAccessible::accessibleInterface(*it);
        auto* cell = new ChartCell(chart(), row, column);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return chart()->columnName(column); }
    int columnCount() const override { return chartTableColumns(chart()->chart()); }
    QString rowDescription(int row) const override { return cellText(chart(), row, 0); }
    int rowCount() const override { return chartTableRows(chart()->chart()); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { dropCells(); }

private:
    void dropCells() const
    {
        for (const QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

    mutable QHash<int, QAccessible::Id> cells_;
    mutable quint64 generation_ = 0;
};

QAccessibleInterface* chartInterface(const QString&, QObject* object)
{
    if (auto* chart = qobject_cast<ChartWidget*>(object))
        return new ChartAccessible(chart);
    return nullptr;
}

}  // namespace

int chartTableRows(const Chart& chart)
{
    qsizetype rows = 0;
    for (const Series& series : chart.series) {
        if (series.active)
            rows = std::max(rows, series.points.size());
    }
    return int(rows);
}

int chartTableColumns(const Chart& chart)
{
    return 1 + std::max(1, int(columnSeries(chart).size()));
}

void installChartAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(chartInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace termalo::chart
