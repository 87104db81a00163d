// screenshots OUTDIR: walks every registered scene and writes a PNG of each window
// it shoots. Runs offscreen unless a platform is chosen, with a recording dialogs
// port and a fixed clock, so the pictures are the same on every run.
#include "tools/screenshots/scenes.h"

#include "shell/application.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/recording_dialogs.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>
#include <map>
#include <utility>

namespace termalo::screenshots {
namespace {

std::multimap<int, std::pair<QString, Scene>>& scenes()
{
    static std::multimap<int, std::pair<QString, Scene>> all;
    return all;
}

QDir outputDir;

}  // namespace

SceneRegistrar::SceneRegistrar(int order, const char* name, Scene scene)
{
    scenes().emplace(order, std::make_pair(QString::fromUtf8(name), std::move(scene)));
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(1);
    }
}

void shoot(QWidget* window, const QString& name)
{
    if (!window) {
        std::fprintf(stderr, "screenshots: no window for %s\n", qPrintable(name));
        return;
    }
    settle();
    const QString file = outputDir.filePath(name + QStringLiteral(".png"));
    if (window->grab().save(file))
        std::printf("%s\n", qPrintable(file));
    else
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(file));
}

}  // namespace termalo::screenshots

int main(int argc, char** argv)
{
    using namespace termalo;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The pictures show the program under Polish regional settings.
    qputenv("LC_ALL", "pl_PL.UTF-8");
    qputenv("LANG", "pl_PL.UTF-8");
    Application app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);
    screenshots::outputDir = QDir(out);

    ScopedRecordingDialogs dialogs;
    FixedClock fixedClock(QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)));
    Clock* previous = setClock(&fixedClock);
    for (auto& [order, scene] : screenshots::scenes()) {
        std::printf("scene %d: %s\n", order, qPrintable(scene.first));
        startUp();
        screenshots::settle();
        scene.second();
        shutDown();
        screenshots::settle();
    }
    setClock(previous);
    return 0;
}
