#include "shell/chart_saving.h"

#include "chart/chart_export.h"
#include "chart/chart_widget.h"
#include "shell/application.h"
#include "shell/context_menu.h"
#include "shell/dialogs.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>

#include <iterator>

namespace termalo {
namespace {

using chart::FileFormat;

struct FileChoice {
    FileFormat format;
    const char* filter;  // as the file dialog shows it
};
// In the order the file dialog offers them; the first is offered first.
const FileChoice kChoices[] = {
    {FileFormat::Png, "Obraz PNG (*.png)"},
    {FileFormat::Svg, "Grafika wektorowa SVG (*.svg)"},
    {FileFormat::Pdf, "Dokument PDF (*.pdf)"},
};

// Extensions of pictures and documents a chart is not saved as.
const char* const kOtherPictures[] = {"jpg", "jpeg", "jpe", "gif", "bmp", "tif", "tiff", "webp",
                                      "ico", "xpm", "ppm", "eps", "ps",  "emf", "wmf"};

// The folder of the last chart saved in this run; at first the documents
// folder, or the home folder where there is none.
QString& lastFolder()
{
    static QString folder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
    }
    return folder;
}

// The chart's title without the characters no file name may hold.
QString titleAsFileName(const chart::ChartWidget& chart)
{
    QString name;
    for (const QChar c : chart.titleText()) {
        if (c.category() != QChar::Other_Control && !QStringLiteral("/\\:*?\"<>|").contains(c))
            name += c;
    }
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("wykres") : name;
}

struct SettledFile {
    QString path;
    FileFormat format;
};

// The file a name chosen with filter `filter` stands for (see saveChartAs()).
SettledFile settle(const QString& chosen, int filter)
{
    if (const std::optional<FileFormat> format = chart::formatOfFile(chosen))
        return {chosen, *format};
    const FileChoice& choice = kChoices[filter >= 0 && filter < int(std::size(kChoices)) ? filter : 0];
    QString path = chosen;
    const QString suffix = QFileInfo(chosen).suffix();
    for (const char* other : kOtherPictures) {
        if (suffix.compare(QLatin1String(other), Qt::CaseInsensitive) == 0)
            path.chop(suffix.size());
    }
    if (!path.endsWith(QLatin1Char('.')))
        path += QLatin1Char('.');
    return {path + chart::fileSuffix(choice.format), choice.format};
}

// Ctrl+C of a window with charts: the copy action of the chart last clicked,
// or whose menu was opened last, takes the key; the others' actions keep it
// only for their menus.
class ChartKeys : public QObject {
public:
    static ChartKeys* of(QWidget* window)
    {
        for (QObject* child : window->children()) {
            if (auto* keys = dynamic_cast<ChartKeys*>(child))
                return keys;
        }
        return new ChartKeys(window);
    }

    void add(chart::ChartWidget* chart, QAction* copy)
    {
        charts_.append({chart, copy});
        chart->installEventFilter(this);
        if (charts_.size() == 1)
            takeKey(chart);
        else
            copy->setShortcutContext(Qt::WidgetShortcut);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::ContextMenu)
            takeKey(watched);
        return false;
    }

private:
    explicit ChartKeys(QWidget* window) : QObject(window) {}

    void takeKey(const QObject* chart)
    {
        for (const Entry& entry : std::as_const(charts_)) {
            if (entry.copy)
                entry.copy->setShortcutContext(entry.chart == chart ? Qt::WindowShortcut : Qt::WidgetShortcut);
        }
    }

    struct Entry {
        QPointer<chart::ChartWidget> chart;
        QPointer<QAction> copy;
    };
    QList<Entry> charts_;
};

}  // namespace

bool saveChartAs(chart::ChartWidget* chart)
{
    QStringList filters;
    for (const FileChoice& choice : kChoices)
        filters.append(QString::fromUtf8(choice.filter));
    int chosen = 0;
    const QString suggested = QDir(lastFolder()).filePath(titleAsFileName(*chart) + QLatin1Char('.') +
                                                         chart::fileSuffix(kChoices[0].format));
    const QString caption = QStringLiteral("Zapisz wykres");
    const QString answer = dialogs().chooseSaveFile(chart->window(), caption, suggested, filters, &chosen);
    if (answer.isEmpty())
        return false;
    const SettledFile file = settle(answer, chosen);
    const QFileInfo info(file.path);
    lastFolder() = info.absolutePath();
    if (info.exists() && !info.isDir() &&
        !dialogs().askYesNo(caption, QStringLiteral("Plik „%1” już istnieje.\nCzy zastąpić go?").arg(info.fileName())))
        return false;
    QString reason;
    if (chart::saveChart(*chart, file.path, file.format, &reason))
        return true;
    const QString message = QStringLiteral("Nie można zapisać wykresu w pliku „%1”").arg(info.absoluteFilePath());
    throw Error(reason.isEmpty() ? message : message + QStringLiteral(": ") + reason);
}

void offerChartExport(chart::ChartWidget* chart, QWidget* window)
{
    chart->setColumnNames(QStringLiteral("Etykieta"), QStringLiteral("Wartość"));
    auto* copy = new QAction(QStringLiteral("&Kopiuj wykres"), chart);
    copy->setShortcut(QKeySequence::Copy);
    QObject::connect(copy, &QAction::triggered, chart, [chart] { runGuarded([chart] { chart::copyChart(*chart); }); });
    chart->addAction(copy);
    ChartKeys::of(window)->add(chart, copy);

    auto* save = new QAction(QStringLiteral("&Zapisz wykres…"), chart);
    QObject::connect(save, &QAction::triggered, chart, [chart] { runGuarded([chart] { saveChartAs(chart); }); });
    chart->addAction(save);
    offerWindowMenu(window, [chart] { return chart->isVisible() ? chart->actions() : QList<QAction*>(); });
}

}  // namespace termalo
