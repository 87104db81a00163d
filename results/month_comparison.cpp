#include "results/month_comparison.h"

#include "chart/chart_export.h"
#include "chart/chart_widget.h"
#include "core/number_syntax.h"
#include "core/period.h"
#include "results/screen_copy.h"
#include "results/tform4.h"
#include "shell/application.h"
#include "shell/chart_saving.h"
#include "shell/context_menu.h"
#include "shell/dialogs.h"
#include "shell/month_files.h"
#include "shell/registry.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace termalo {
namespace {

constexpr const char* kFormatErrorMessage = "Błąd !. Nieodpowiedni format danych.";
const QString kTitle = QStringLiteral("Porównanie miesięcy");
// The columns before the months: the group and the caption of a figure.
constexpr int kLeadColumns = 2;

QString cell(QString text)
{
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}

// The table as the screen, the clipboard and the printout show it: a heading
// line, the outcome of each computation, then the figures.
struct Grid {
    QStringList headings;
    QList<QStringList> lines;
};

// A text as the window and a printout show it: a typed text of any length,
// cut after its first kShownCharacters characters. Copies keep the whole.
constexpr qsizetype kShownCharacters = 200;

QString shown(const QString& text)
{
    return text.size() <= kShownCharacters ? text : text.left(kShownCharacters) + QChar(0x2026);
}

Grid gridOf(const MonthComparison& c, bool whole = true)
{
    Grid grid;
    grid.headings = {QStringLiteral("Grupa wskaźników"), QStringLiteral("Pozycja")};
    QStringList outcome = {QStringLiteral("Obliczenie"), QStringLiteral("wynik")};
    for (int column = 0; column < c.months.size(); ++column) {
        grid.headings.append(c.heading(column));
        outcome.append(c.outcome(column));
    }
    grid.lines.append(outcome);
    for (int row = 0; row < c.rows.size(); ++row) {
        QStringList line = {c.rows[row].group, c.rows[row].item};
        for (int column = 0; column < c.months.size(); ++column)
            line.append(c.value(row, column));
        grid.lines.append(line);
    }
    if (!whole) {
        for (QString& heading : grid.headings)
            heading = shown(heading);
        for (QStringList& line : grid.lines) {
            for (QString& cell : line)
                cell = shown(cell);
        }
    }
    return grid;
}

class ComparisonModel : public QAbstractTableModel {
public:
    explicit ComparisonModel(QObject* parent) : QAbstractTableModel(parent) {}

    // Shows `comparison` once `change` has made it anew: views see the old
    // one until the reset begins, and the new one after.
    void show(const MonthComparison* comparison, const std::function<void()>& change)
    {
        beginResetModel();
        change();
        comparison_ = comparison;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() || !comparison_ ? 0 : 1 + int(comparison_->rows.size());
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() || !comparison_ ? 0 : kLeadColumns + int(comparison_->months.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!comparison_ || !index.isValid())
            return {};
        const int row = index.row() - 1;  // the first line is the outcome
        const int column = index.column() - kLeadColumns;
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
            if (row < 0) {
                if (column < 0)
                    return index.column() == 0 ? QStringLiteral("Obliczenie") : QStringLiteral("wynik");
                return comparison_->outcome(column);
            }
            if (column < 0)
                return index.column() == 0 ? comparison_->rows[row].group : comparison_->rows[row].item;
            return shown(comparison_->value(row, column));
        }
        if (role == Qt::TextAlignmentRole && column >= 0)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (role == Qt::ToolTipRole && column >= 0 && comparison_->months[column].duplicate)
            return QStringLiteral("Ten sam miesiąc jest też w innej kolumnie");
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (!comparison_ || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
            return {};
        if (orientation == Qt::Vertical)
            return section + 1;
        if (section == 0)
            return QStringLiteral("Grupa wskaźników");
        if (section == 1)
            return QStringLiteral("Pozycja");
        return shown(comparison_->heading(section - kLeadColumns));
    }

private:
    const MonthComparison* comparison_ = nullptr;
};

std::string stripped(QString text, const core::NumberFormat& format)
{
    for (const char* suffix : {"%", " dni(a)", " zł"}) {
        if (text.endsWith(QString::fromUtf8(suffix))) {
            text.chop(QString::fromUtf8(suffix).size());
            break;
        }
    }
    if (!format.thousandsSeparator.empty())
        text.remove(QString::fromStdString(format.thousandsSeparator));
    return text.toStdString();
}

}  // namespace

// ------------------------------------------------------------------ the data

QString MonthComparison::heading(int column) const
{
    const Month& m = months[column];
    QString text = QStringLiteral("%1 %2").arg(QString::fromStdString(m.texts.monthName),
                                              QString::fromStdString(m.texts.yearText));
    text += QLatin1Char('\n') +
            (m.file.isEmpty() ? QStringLiteral("(ekrany wprowadzania)") : QFileInfo(m.file).fileName());
    if (m.duplicate)
        text += QStringLiteral("\n(miesiąc powtórzony)");
    return text;
}

QString MonthComparison::value(int row, int column) const
{
    return months[column].values.value(row);
}

double MonthComparison::number(int row, int column) const
{
    const core::NumberFormat format = TForm4::regionalNumberFormat();
    const std::optional<double> n = core::parseDouble(stripped(value(row, column), format), format);
    return n ? *n : std::numeric_limits<double>::quiet_NaN();
}

QString MonthComparison::outcome(int column) const
{
    return QString::fromUtf8(months[column].result.failed ? kFormatErrorMessage : kComputed);
}

QString MonthComparison::html(bool whole) const
{
    const Grid grid = gridOf(*this, whole);
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n<tr>");
    for (const QString& heading : grid.headings)
        html += QStringLiteral("<th style=\"white-space: nowrap\">%1</th>").arg(heading.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    html += QStringLiteral("</tr>\n");
    for (const QStringList& line : grid.lines) {
        html += QStringLiteral("<tr>");
        for (int i = 0; i < line.size(); ++i) {
            const QString td = i < kLeadColumns ? QStringLiteral("<td style=\"white-space: nowrap\">%1</td>")
                                                : QStringLiteral("<td align=\"right\" style=\"white-space: nowrap\">%1</td>");
            html += td.arg(line[i].toHtmlEscaped());
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    if (!unreadable.isEmpty()) {
        html += QStringLiteral("<p>Pliki, których nie odczytano:</p>\n<table border=\"1\" cellspacing=\"0\" "
                               "cellpadding=\"2\">\n<tr><th>Plik</th><th>Przyczyna</th></tr>\n");
        for (const Unreadable& u : unreadable) {
            html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                        .arg(QDir::toNativeSeparators(u.file).toHtmlEscaped(), u.reason.toHtmlEscaped());
        }
        html += QStringLiteral("</table>\n");
    }
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title></head>\n"
                          "<body>\n<p><b>%1</b></p>\n%2</body></html>\n")
        .arg(kTitle, html);
}

QMimeData* MonthComparison::mimeData() const
{
    const Grid grid = gridOf(*this);
    QString text;
    QStringList headings;
    for (const QString& heading : grid.headings)
        headings.append(cell(heading));
    text += headings.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList& line : grid.lines) {
        QStringList cells;
        for (const QString& c : line)
            cells.append(cell(c));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    if (!unreadable.isEmpty()) {
        text += QStringLiteral("\nPliki, których nie odczytano:\nPlik\tPrzyczyna\n");
        for (const Unreadable& u : unreadable)
            text += cell(QDir::toNativeSeparators(u.file)) + QLatin1Char('\t') + cell(u.reason) + QLatin1Char('\n');
    }
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html());
    return data;
}

QList<MonthComparison::Row> indicatorRows(const QWidget* form4)
{
    QList<MonthComparison::Row> rows;
    for (const FigureTable::Row& row : figureTable(form4).rows)
        rows.append({row.group, row.item, row.valueControl});
    return rows;
}

MonthComparison compareMonths(const MonthSources& sources, const QList<MonthComparison::Row>& rows,
                              const core::NumberFormat& format)
{
    MonthComparison c;
    c.rows = rows;
    auto add = [&](const QString& file, core::InputTexts texts) {
        MonthComparison::Month m;
        m.file = file;
        // Each month alone, as the first computation after start-up sees it.
        m.result = core::computeIndicators(texts, std::string(core::kInitialPeriodStore), format);
        m.month = monthNumber(texts.monthName);
        bool isYear = false;
        const int year = QString::fromStdString(texts.yearText).trimmed().toInt(&isYear);
        if (isYear)
            m.year = year;
        m.texts = std::move(texts);
        QHash<QString, QString> shown;
        for (const core::Output& output : m.result.outputs) {
            if (output.target.window == "Form4")
                shown.insert(QString::fromStdString(output.target.control), QString::fromStdString(output.text));
        }
        for (const MonthComparison::Row& row : rows)
            m.values.append(shown.value(row.valueControl, QString::fromUtf8(kNotComputed)));
        c.months.append(std::move(m));
    };
    for (const QString& file : sources.files) {
        MonthFileReading reading = readMonthFileAt(file);
        if (reading.month)
            add(file, std::move(*reading.month));
        else
            c.unreadable.append({file, reading.reason});
    }
    if (sources.entered)
        add(QString(), *sources.entered);

    // Calendar order; a month that names no calendar month comes after them.
    std::stable_sort(c.months.begin(), c.months.end(), [](const auto& a, const auto& b) {
        const bool datedA = a.month && a.year;
        const bool datedB = b.month && b.year;
        if (datedA != datedB)
            return datedA;
        if (!datedA)
            return false;
        return std::pair(*a.year, *a.month) < std::pair(*b.year, *b.month);
    });
    for (int i = 0; i + 1 < c.months.size(); ++i) {
        MonthComparison::Month& a = c.months[i];
        MonthComparison::Month& b = c.months[i + 1];
        if (a.month && a.year && a.month == b.month && a.year == b.year)
            a.duplicate = b.duplicate = true;
    }
    return c;
}

QStringList monthFilesIn(const QString& folder)
{
    QStringList files;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.") + QLatin1String(kMonthFileSuffix)},
                                            QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : names)
        files.append(dir.filePath(name));
    return files;
}

// ---------------------------------------------------------------- the window

MonthComparisonWindow::MonthComparisonWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("MonthComparison"));
    setWindowTitle(kTitle);
    setAccessibleName(kTitle);
    resize(760, 560);

    auto* model = new ComparisonModel(this);
    model_ = model;
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("Table"));
    table_->setAccessibleName(QStringLiteral("Tabela porównania miesięcy"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    chart_ = new chart::ChartWidget(this);
    chart_->setObjectName(QStringLiteral("Chart"));
    chart_->setFocusPolicy(Qt::StrongFocus);
    chart_->setMinimumHeight(160);
    chart_->setColumnNames(QStringLiteral("Etykieta"), QStringLiteral("Wartość"));
    // Ctrl+C copies the chart only where it has the focus; the table has its own.
    auto* copyChart = new QAction(QStringLiteral("&Kopiuj wykres"), chart_);
    copyChart->setShortcut(QKeySequence::Copy);
    copyChart->setShortcutContext(Qt::WidgetShortcut);
    connect(copyChart, &QAction::triggered, chart_, [this] { runGuarded([this] { chart::copyChart(*chart_); }); });
    chart_->addAction(copyChart);
    auto* saveChart = new QAction(QStringLiteral("&Zapisz wykres…"), chart_);
    connect(saveChart, &QAction::triggered, chart_, [this] { runGuarded([this] { saveChartAs(chart_); }); });
    chart_->addAction(saveChart);

    unreadableTitle_ = new QLabel(QStringLiteral("Pliki, których nie odczytano:"), this);
    unreadable_ = new QListWidget(this);
    unreadable_->setObjectName(QStringLiteral("Unreadable"));
    unreadable_->setAccessibleName(QStringLiteral("Pliki, których nie odczytano"));
    unreadable_->setMaximumHeight(90);
    unreadableTitle_->setBuddy(unreadable_);
    unreadableTitle_->hide();
    unreadable_->hide();

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table_);
    splitter->addWidget(chart_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    // The window's commands: buttons along the top, the same in its menu.
    struct Command {
        const char* text;
        QKeySequence keys;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"&Dodaj miesiące…", QKeySequence::Open, [this] { chooseFiles(); }},
        {"Dodaj &folder…", QKeySequence(), [this] { chooseFolder(); }},
        {"Dodaj miesiąc z &ekranów", QKeySequence(), [this] { addEnteredMonth(); }},
        // Ctrl+C copies what has the focus: the table here, the chart its picture.
        {"&Kopiuj", QKeySequence(), [this] { copyTable(); }},
        {"D&rukuj…", QKeySequence::Print, [this] { printTable(); }},
        {"&Wyczyść", QKeySequence(), [this] { clearMonths(); }},
    };
    auto* buttons = new QHBoxLayout;
    for (const Command& command : commands) {
        auto* action = new QAction(QString::fromUtf8(command.text), this);
        action->setShortcut(command.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [run = command.run] { runGuarded(run); });
        addAction(action);
        auto* button = new QPushButton(QString::fromUtf8(command.text), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    layout->addWidget(unreadableTitle_);
    layout->addWidget(unreadable_);

    // The chart's own menu where it has the focus, the window's elsewhere.
    offerWindowMenu(this, [this] { return chart_->hasFocus() ? chart_->actions() : actions(); });

    auto* copyShortcut = new QShortcut(QKeySequence::Copy, table_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(copyShortcut, &QShortcut::activated, this, [this] { runGuarded([this] { copyTable(); }); });

    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { runGuarded([&] { chartRow(current.row() - 1); }); });
    recompute();
}

MonthComparisonWindow::~MonthComparisonWindow()
{
    // The table outlives the comparison it shows by a moment: it goes with
    // the window's children, after the members.
    static_cast<ComparisonModel*>(model_)->show(nullptr, [] {});
}

void MonthComparisonWindow::addFiles(const QStringList& files)
{
    sources_.files += files;
    recompute();
}

void MonthComparisonWindow::addEnteredMonth()
{
    sources_.entered = enteredMonth();
    recompute();
}

void MonthComparisonWindow::clearMonths()
{
    sources_ = {};
    recompute();
}

bool MonthComparisonWindow::chooseFiles()
{
    const QStringList files = dialogs().chooseOpenFiles(this, QStringLiteral("Porównaj miesiące"), monthFolder(),
                                                        {monthFileFilter()}, true);
    if (files.isEmpty())
        return false;
    setMonthFolder(QFileInfo(files.constFirst()).absolutePath());
    addFiles(files);
    return true;
}

bool MonthComparisonWindow::chooseFolder()
{
    const QString folder = dialogs().chooseFolder(this, QStringLiteral("Folder z miesiącami"), monthFolder());
    if (folder.isEmpty())
        return false;
    setMonthFolder(folder);
    addFiles(monthFilesIn(folder));
    return true;
}

void MonthComparisonWindow::copyTable() const
{
    QGuiApplication::clipboard()->setMimeData(comparison_.mimeData());
}

namespace {

// The table as a document as wide as its widest lines need, no cell wrapped.
void layOut(QTextDocument& document, const QString& html)
{
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.setTextWidth(1e6);
    document.setTextWidth(document.idealWidth());
}

}  // namespace

void MonthComparisonWindow::renderTable(QPainter& painter, const QRectF& page) const
{
    QTextDocument document;
    layOut(document, comparison_.html(false));
    const QSizeF size = document.size();
    // On the paper at its size on the screen where it fits, else smaller.
    const qreal natural = painter.device()->logicalDpiX() / 96.0;
    const qreal scale = std::min({natural, page.width() / size.width(), page.height() / size.height()});
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    document.drawContents(&painter);
    painter.restore();
}

bool MonthComparisonWindow::printTable()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kTitle);
    QTextDocument probe;
    layOut(probe, comparison_.html(false));
    if (probe.size().width() > probe.size().height())
        printer.setPageOrientation(QPageLayout::Landscape);
    if (!dialogs().choosePrinter(printer, this))
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QStringLiteral("Nie można drukować na drukarce %1").arg(printer.printerName()));
    renderTable(painter, printer.pageLayout().paintRectPixels(printer.resolution()).translated(
                             -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft()));
    painter.end();
    return true;
}

void MonthComparisonWindow::recompute()
{
    const QWidget* form4 = WindowRegistry::find(QStringLiteral("Form4"));
    const QList<MonthComparison::Row> rows = form4 ? indicatorRows(form4) : QList<MonthComparison::Row>();
    static_cast<ComparisonModel*>(model_)->show(&comparison_, [&] {
        comparison_ = compareMonths(sources_, rows, TForm4::regionalNumberFormat());
    });
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    // Neighbouring figures of one group share one cell for its name.
    table_->clearSpans();
    for (int first = 0; first < comparison_.rows.size();) {
        int last = first;
        while (last + 1 < comparison_.rows.size() && comparison_.rows[last + 1].group == comparison_.rows[first].group)
            ++last;
        if (last > first)
            table_->setSpan(first + 1, 0, last - first + 1, 1);
        first = last + 1;
    }
    unreadable_->clear();
    for (const MonthComparison::Unreadable& u : comparison_.unreadable)
        unreadable_->addItem(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(u.file), u.reason));
    unreadableTitle_->setVisible(!comparison_.unreadable.isEmpty());
    unreadable_->setVisible(!comparison_.unreadable.isEmpty());
    chartRow(std::clamp(chartedRow_, 0, std::max<int>(0, int(comparison_.rows.size()) - 1)));
}

void MonthComparisonWindow::chartRow(int row)
{
    if (row < 0 || row >= comparison_.rows.size())
        return;
    chartedRow_ = row;
    updateChart();
}

void MonthComparisonWindow::updateChart()
{
    chart::Chart c;
    c.view.enabled = false;
    c.legend.visible = false;
    c.panel.colour = palette().color(QPalette::Window);
    c.bottomAxis.grid = false;
    if (chartedRow_ < comparison_.rows.size()) {
        const MonthComparison::Row& row = comparison_.rows[chartedRow_];
        c.title.lines = {row.group, row.item};
    }
    chart::Series series;
    series.name = QStringLiteral("Series1");
    series.kind = chart::Series::Kind::Bar;
    series.colour = QColor(0, 0, 128);
    series.valueFormat = QStringLiteral("#,##0.##");
    for (int column = 0; column < comparison_.months.size(); ++column) {
        const MonthComparison::Month& m = comparison_.months[column];
        QString label = QStringLiteral("%1 %2").arg(QString::fromStdString(m.texts.monthName).left(3),
                                                    QString::fromStdString(m.texts.yearText));
        series.points.append({double(column + 1), comparison_.rows.isEmpty() ? qQNaN() : comparison_.number(chartedRow_, column),
                              label.simplified(), QColor()});
    }
    c.series = {series};
    chart_->setChart(c);
    chart_->setAccessibleName(c.title.lines.join(QLatin1Char(' ')));
}

// ---------------------------------------------------------------- the command

MonthComparisonWindow* monthComparisonWindow()
{
    // Kept by the main window, which lives as long as the program.
    QWidget* main = WindowRegistry::windows().value(0);
    if (!main)
        return nullptr;
    auto* window = main->findChild<MonthComparisonWindow*>(QStringLiteral("MonthComparison"));
    if (!window)
        window = new MonthComparisonWindow(main);
    return window;
}

bool compareMonthFiles(QWidget* parent)
{
    MonthComparisonWindow* window = monthComparisonWindow();
    if (!window)
        return false;
    const QStringList files =
        dialogs().chooseOpenFiles(parent, QStringLiteral("Porównaj miesiące"), monthFolder(), {monthFileFilter()}, true);
    if (files.isEmpty())
        return false;
    setMonthFolder(QFileInfo(files.constFirst()).absolutePath());
    // A new comparison; more months are added in the window itself.
    window->clearMonths();
    window->addFiles(files);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

}  // namespace termalo
