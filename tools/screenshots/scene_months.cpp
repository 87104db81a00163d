// The comparison window over twelve months of one year and a file that is no
// month, the trend chart showing the utilisation of places.
#include "tools/screenshots/scenes.h"

#include "results/month_comparison.h"
#include "shell/month_file.h"
#include "tests/support/worked_example.h"

#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <string>

namespace termalo::screenshots {
namespace {

void shootComparison()
{
    static const char* const names[] = {"Styczeń", "Luty",     "Marzec",   "Kwiecień",    "Maj",      "Czerwiec",
                                        "Lipiec",  "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"};
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < 12; ++i) {
        core::InputTexts month = testing::workedExample();
        month.monthName = names[i];
        month.individualNightsGranted = std::to_string(1300 + 90 * ((i * 5) % 12));
        if (i == 6)
            month.rooms3 = "0";
        QFile file(QDir(dir.path()).filePath(QStringLiteral("%1.termalo").arg(i + 1)));
        if (file.open(QIODevice::WriteOnly))
            file.write(writeMonthFile(month));
        files.append(file.fileName());
    }
    QFile notes(QDir(dir.path()).filePath(QStringLiteral("notatki.termalo")));
    if (notes.open(QIODevice::WriteOnly))
        notes.write("notatki");
    notes.close();
    files.append(notes.fileName());

    MonthComparisonWindow* window = monthComparisonWindow();
    if (!window)
        return;
    window->addFiles(files);
    window->resize(900, 640);
    window->show();
    settle();
    // The utilisation of places, overall.
    for (int row = 0; row < window->comparison().rows.size(); ++row) {
        if (window->comparison().rows[row].valueControl == QLatin1String("Label32")) {
            window->table()->setCurrentIndex(window->table()->model()->index(row + 1, 2));
            break;
        }
    }
    shoot(window, QStringLiteral("month_comparison"));
    window->hide();
}

const SceneRegistrar registrar(35, "month comparison", &shootComparison);

}  // namespace
}  // namespace termalo::screenshots
