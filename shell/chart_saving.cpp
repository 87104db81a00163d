#include "shell/chart_saving.h"

#include "chart/chart_export.h"
#include "chart/chart_widget.h"
#include "shell/application.h"
#include "shell/context_menu.h"
#include "shell/dialogs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace termalo {
namespace {

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

}  // namespace

bool saveChartAs(chart::ChartWidget* chart)
{
    const auto types = chart::fileTypes();
    QStringList filters;
    for (const chart::FileType& type : types)
        filters.append(QString::fromUtf8(type.filter));
    int chosen = 0;
    const QString suggested = QDir(lastFolder()).filePath(chart::suggestedFileName(*chart, types[0].format));
    QString path = dialogs().chooseSaveFile(chart->window(), QStringLiteral("Zapisz wykres"), suggested, filters,
                                            &chosen);
    if (path.isEmpty())
        return false;
    std::optional<chart::FileFormat> format = chart::formatOfFile(path);
    if (!format) {
        const chart::FileType& type = types[chosen >= 0 && std::size_t(chosen) < types.size() ? chosen : 0];
        path += QLatin1Char('.') + QLatin1String(type.suffix);
        format = type.format;
    }
    lastFolder() = QFileInfo(path).absolutePath();
    const QString failure = chart::saveChart(*chart, path, *format);
    if (!failure.isEmpty())
        throw Error(failure);
    return true;
}

void offerChartExport(chart::ChartWidget* chart, QWidget* window)
{
    auto* save = new QAction(QStringLiteral("&Zapisz wykres…"), chart);
    QObject::connect(save, &QAction::triggered, chart, [chart] { runGuarded([chart] { saveChartAs(chart); }); });
    chart->addAction(save);
    offerWindowMenu(window, [chart] { return chart->isVisible() ? chart->actions() : QList<QAction*>(); });
}

}  // namespace termalo
