#include "chart/chart_accessible.h"

#include "chart/chart_widget.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace termalo::chart {

namespace {

struct Row {
    int series;
    int point;
};

QList<Row> rowsOf(const ChartWidget* widget)
{
    QList<Row> rows;
    if (!widget)
        return rows;
    const Chart& chart = widget->chart();
    for (int s = 0; s < chart.series.size(); ++s) {
        if (!chart.series[s].active)
            continue;
        for (int p = 0; p < chart.series[s].points.size(); ++p)
            rows.append({s, p});
    }
    return rows;
}

QString cellText(const ChartWidget* widget, int row, int column)
{
    const QList<Row> rows = rowsOf(widget);
    if (row < 0 || row >= rows.size())
        return {};
    const Row& r = rows[row];
    if (column == 0)
        return widget->chart().series[r.series].points[r.point].label;
    return valueText(widget->chart(), r.series, r.point);
}

class ChartCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    ChartCell(ChartWidget* chart, int row, int column) : chart_(chart), row_(row), column_(column) {}

    bool isValid() const override { return chart_ && row_ < rowsOf(chart_).size(); }
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
        const QList<Row> rows = rowsOf(chart_);
        if (row_ < rows.size()) {
            for (const Scene::Hit& hit : chart_->scene().hits) {
                if (hit.series == rows[row_].series && hit.point == rows[row_].point) {
                    const QRect local = hit.region.boundingRect().toAlignedRect();
                    return QRect(chart_->mapToGlobal(local.topLeft()), local.size());
                }
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
        const QList<Row> rows = rowsOf(chart());
        for (int r = 0; r < rows.size(); ++r) {
            if (rows[r].series == hit->series && rows[r].point == hit->point)
                return cellAt(r, 1);
        }
        return nullptr;
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
    QString columnDescription(int column) const override
    {
        return column == 0 ? QStringLiteral("Etykieta") : QStringLiteral("Wartość");
    }
    int columnCount() const override { return 2; }
    QString rowDescription(int row) const override { return cellText(chart(), row, 0); }
    int rowCount() const override { return int(rowsOf(chart()).size()); }
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

void installChartAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(chartInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace termalo::chart
