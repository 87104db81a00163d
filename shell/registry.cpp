#include "shell/registry.h"

#include "shell/application.h"
#include "shell/form.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>

#include <stdexcept>

namespace termalo {
namespace {

QList<QWidget*>& registered()
{
    static QList<QWidget*> windows;
    return windows;
}

// Watches the registered windows' activation. Window activation reaches every
// widget of a window; the filter sits on the registered windows themselves.
class ActivationTracker : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            // A window hidden while its activation was on the way stays inactive.
            if (WindowRegistry::isRegistered(window) && window->isVisible())
                activated(window);
        }
        return false;
    }

    void activated(QWidget* window)
    {
        handedTo = nullptr;
        remember(window);
        if (window == last)
            return;  // back from a message box or dialog, or activated again
        last = window;
        const QMetaObject* meta = window->metaObject();
        if (meta->indexOfMethod("FormActivate()") < 0)
            return;
        try {
            QMetaObject::invokeMethod(window, "FormActivate", Qt::DirectConnection);
        } catch (...) {
            showCurrentException();
        }
    }

    // Most recently active first.
    void remember(QWidget* window)
    {
        history.removeAll(window);
        history.prepend(window);
    }

    void forget(QWidget* window)
    {
        history.removeAll(window);
        if (last == window)
            last = nullptr;
    }

    void reset()
    {
        history.clear();
        last = nullptr;
    }

    QPointer<QWidget> last;
    // The window that closeForm() last passed the activation to; under the
    // headless platform it arrives later, after any further closes in a row.
    QPointer<QWidget> handedTo;
    QList<QWidget*> history;
};

ActivationTracker* tracker = nullptr;

ActivationTracker* activationTracker()
{
    if (!tracker) {
        tracker = new ActivationTracker;
        // The tracker lives as long as the application object.
        if (QCoreApplication* app = QCoreApplication::instance()) {
            tracker->setParent(app);
            QObject::connect(app, &QObject::destroyed, [] { tracker = nullptr; });
        }
    }
    return tracker;
}

constexpr const char* kShownOnce = "termaloShownOnce";

void bringToFront(QWidget* window)
{
    // The headless platform has no stacking order and warns about raise().
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}

// The headless platform (tests, screenshots) keeps a hidden window as its focus
// window, so showing that window again activates nothing there, while desktop
// platforms activate it. Activating it here by hand makes both behave alike;
// on a desktop the condition never holds, since a hidden window loses focus.
void activateReshownFocusWindow(QWidget* window)
{
    if (QApplication::activeWindow() == window || !window->windowHandle()
        || QGuiApplication::focusWindow() != window->windowHandle())
        return;
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(window);
    QT_WARNING_POP
}

QWidget* mainWindow()
{
    return registered().isEmpty() ? nullptr : registered().first();
}

}  // namespace

void WindowRegistry::add(QWidget* window)
{
    if (!window)
        throw std::logic_error("WindowRegistry::add: no window");
    const QString name = window->objectName();
    if (name.isEmpty())
        throw std::logic_error("WindowRegistry::add: a window without a name");
    if (find(name))
        throw std::logic_error("WindowRegistry::add: a second window named " + name.toStdString());
    // The window is complete now: its most derived class's handlers are known.
    if (auto* form = qobject_cast<Form*>(window))
        form->wireHandlers();
    registered().append(window);
    if (tracker)
        window->installEventFilter(tracker);
    // A window deleted by someone else leaves the registry with it.
    QObject::connect(window, &QObject::destroyed, [window] {
        registered().removeAll(window);
        if (tracker)
            tracker->forget(window);
    });
}

void WindowRegistry::removeAll()
{
    if (tracker)
        tracker->reset();
    while (!registered().isEmpty()) {
        QWidget* window = registered().takeLast();
        delete window;
    }
}

QWidget* WindowRegistry::find(const QString& name)
{
    for (QWidget* window : registered()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

const QList<QWidget*>& WindowRegistry::windows()
{
    return registered();
}

bool WindowRegistry::isRegistered(const QWidget* window)
{
    return window && registered().contains(window);
}

void showForm(QWidget* window)
{
    if (!window)
        return;
    const bool wasHidden = !window->isVisible();
    // A window opens where its layout puts it, or else in the middle of the
    // screen, the first time; afterwards it stays where the user left it.
    if (!window->property(kShownOnce).toBool()) {
        window->setProperty(kShownOnce, true);
        const QVariant position = window->property("termaloFirstPosition");
        if (position.isValid())
            window->move(position.toPoint());
        else
            centreOnScreen(window);
    }
    window->show();
    bringToFront(window);
    if (wasHidden)
        activateReshownFocusWindow(window);
}

void showForm(const QString& name)
{
    showForm(WindowRegistry::find(name));
}

void closeForm(QWidget* window)
{
    if (!window)
        return;
    if (window == mainWindow()) {
        window->close();  // the main window asks whether to end the program
        return;
    }
    const bool wasActive = window->isActiveWindow() || lastActiveForm() == window
                           || (tracker && tracker->handedTo == window);
    window->hide();
    if (!wasActive || !tracker)
        return;
    // As a window manager would: the most recently active visible window takes over.
    tracker->last = nullptr;
    for (QWidget* candidate : std::as_const(tracker->history)) {
        if (candidate != window && candidate->isVisible()) {
            tracker->handedTo = candidate;
            bringToFront(candidate);
            return;
        }
    }
}

void closeForm(const QString& name)
{
    closeForm(WindowRegistry::find(name));
}

void installActivationTracking()
{
    ActivationTracker* t = activationTracker();
    for (QWidget* window : registered()) {
        window->removeEventFilter(t);
        window->installEventFilter(t);
    }
}

QWidget* lastActiveForm()
{
    return tracker ? tracker->last.data() : nullptr;
}

void centreOnScreen(QWidget* window)
{
    if (!window)
        return;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The native window knows its frame (where the platform tells it before the first show).
    window->winId();
    const QSize outer = window->frameGeometry().size().expandedTo(window->size());
    // move() places the frame's top-left corner.
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}

}  // namespace termalo
