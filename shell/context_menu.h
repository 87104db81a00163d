#pragma once

#include <QList>
#include <QPoint>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace termalo {

// Gives `window` a context menu of the actions that `actions` returns at that
// moment (none: no menu). It opens on a right-click on the window or on a
// control without a menu of its own, on the Menu key and on Shift+F10 (which
// ask the control with the keyboard focus first, as the Menu key does), and it
// opens without waiting, so the window's timers and animations go on.
void offerWindowMenu(QWidget* window, std::function<QList<QAction*>()> actions);

// Adds to `window` the action `text`, run by `copy` from the window's menu and
// by Ctrl+C while the window is active; an exception escaping `copy` is
// shown in the error box.
QAction* addCopyAction(QWidget* window, const QString& text, std::function<void()> copy);

// Opens `actions` as a menu at `globalPos` without waiting; from the keyboard,
// its first item is chosen, ready for Enter. The menu deletes itself on closing.
QMenu* popUpMenu(QWidget* owner, const QList<QAction*>& actions, const QPoint& globalPos, bool fromKeyboard);

}  // namespace termalo
