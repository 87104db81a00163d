#include "shell/startup.h"

#include "shell/application.h"
#include "shell/desktop.h"
#include "shell/painting.h"
#include "shell/registry.h"

#include <QApplication>

namespace termalo {
namespace {

std::function<void()>& endProgramHandler()
{
    static std::function<void()> handler;
    return handler;
}

}  // namespace

void startUpWith(const std::vector<WindowFactory>& factories)
{
    QCoreApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    setUpDesktopIntegration();
    installFontSubstitutions();
    installActivationTracking();
    for (const WindowFactory& make : factories) {
        QWidget* window = make();
        // Windows start hidden; they are shown by showForm() only. A factory that
        // made no window is refused by the registry.
        if (window)
            window->setAttribute(Qt::WA_DeleteOnClose, false);
        try {
            WindowRegistry::add(window);
        } catch (...) {
            delete window;
            throw;
        }
    }
}

void shutDown()
{
    WindowRegistry::removeAll();
}

int runProgramUsing(const std::function<void()>& start)
{
    try {
        start();
    } catch (...) {
        showCurrentException();
        shutDown();
        return 0;
    }
    if (QWidget* main = WindowRegistry::windows().value(0)) {
        showForm(main);
        // Only endProgram() (the main window's close or "Zamknij") ends the program;
        // hiding the last visible window does not.
        QApplication::setQuitOnLastWindowClosed(false);
        try {
            QApplication::exec();
        } catch (...) {
            showCurrentException();
        }
    }
    shutDown();
    return 0;
}

int runProgramWith(const std::vector<WindowFactory>& factories)
{
    return runProgramUsing([&factories] { startUpWith(factories); });
}

void endProgram()
{
    if (endProgramHandler()) {
        endProgramHandler()();
        return;
    }
    QCoreApplication::exit(0);
}

void setEndProgramHandler(std::function<void()> handler)
{
    endProgramHandler() = std::move(handler);
}

}  // namespace termalo
