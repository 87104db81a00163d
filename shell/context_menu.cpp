#include "shell/context_menu.h"

#include "shell/application.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QShortcut>

namespace termalo {
namespace {

// Opens the window's menu when a context menu request reaches the window
// itself: a right-click, or a key no control below took.
class WindowMenu : public QObject {
public:
    WindowMenu(QWidget* window, std::function<QList<QAction*>()> actions)
        : QObject(window), window_(window), actions_(std::move(actions))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_ || event->type() != QEvent::ContextMenu)
            return false;
        auto* request = static_cast<QContextMenuEvent*>(event);
        const QList<QAction*> actions = actions_();
        if (actions.isEmpty())
            return false;
        if (menu_)
            menu_->close();
        menu_ = popUpMenu(window_, actions, request->globalPos(), request->reason() != QContextMenuEvent::Mouse);
        request->accept();
        return true;
    }

private:
    QWidget* window_;
    std::function<QList<QAction*>()> actions_;
    QPointer<QMenu> menu_;
};

// Shift+F10 asks the control with the keyboard focus for its menu, as the
// Menu key does; a control without one passes the request to its window.
void requestMenuFromKeyboard(QWidget* window)
{
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window)
        target = window;
    const QPoint centre = target->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, centre, target->mapToGlobal(centre));
    QCoreApplication::sendEvent(target, &request);
}

}  // namespace

void offerWindowMenu(QWidget* window, std::function<QList<QAction*>()> actions)
{
    new WindowMenu(window, std::move(actions));
    auto* shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window);
    shiftF10->setContext(Qt::WindowShortcut);
    QObject::connect(shiftF10, &QShortcut::activated, window, [window] { requestMenuFromKeyboard(window); });
}

QAction* addCopyAction(QWidget* window, const QString& text, std::function<void()> copy)
{
    auto* action = new QAction(text, window);
    action->setShortcut(QKeySequence::Copy);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window, [copy = std::move(copy)] { runGuarded(copy); });
    window->addAction(action);
    return action;
}

QMenu* popUpMenu(QWidget* owner, const QList<QAction*>& actions, const QPoint& globalPos, bool fromKeyboard)
{
    auto* menu = new QMenu(owner);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(actions);
    menu->popup(globalPos);
    if (fromKeyboard && !actions.isEmpty())
        menu->setActiveAction(actions.first());
    return menu;
}

}  // namespace termalo
