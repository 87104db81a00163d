// First paint of the whole program, for bench/first_paint.sh: creates every
// window, shows and paints the main window once and exits, printing its own CPU
// time and peak memory. With --bare it shows and paints one bare window of the
// main window's size the same way instead: the floor the program is held to.
#include "shell/application.h"
#include "shell/painting.h"
#include "shell/registry.h"
#include "shell/startup.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        termalo::paintBlueGradient(painter, rect());
    }
};

// Shows a window and paints all of it, as its first appearance on screen does.
void showAndPaint(QWidget* window)
{
    window->show();
    const QPixmap image = window->grab();
    if (image.isNull())
        std::fputs("first_paint: nothing painted\n", stderr);
    QApplication::processEvents();
}

void printUsage()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                         + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::printf("cpu_ms=%.2f maxrss_kb=%ld\n", cpuMs, usage.ru_maxrss);
}

}  // namespace

int main(int argc, char** argv)
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    termalo::Application app(argc, argv);
    if (bare) {
        BareWindow window;
        window.resize(642, 426);
        showAndPaint(&window);
    } else {
        QElapsedTimer phase;
        phase.start();
        termalo::startUp();
        const qint64 created = phase.nsecsElapsed();
        QWidget* main = termalo::WindowRegistry::find(QStringLiteral("Form1"));
        if (!main)
            return 1;
        termalo::showForm(main);
        showAndPaint(main);
        std::printf("windows=%lld create_ms=%.2f paint_ms=%.2f ",
                    static_cast<long long>(termalo::WindowRegistry::windows().size()), created / 1e6,
                    (phase.nsecsElapsed() - created) / 1e6);
        termalo::shutDown();
    }
    printUsage();
    return 0;
}
