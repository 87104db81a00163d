#pragma once

#include <QList>
#include <QString>
#include <QWidget>

namespace termalo {

// The program's windows: single instances, looked up by objectName ("Form4").
// A window that is not built yet is simply absent.
class WindowRegistry {
public:
    static void add(QWidget* window);
    static void removeAll();  // deletes every window, in reverse creation order
    static QWidget* find(const QString& name);
    template <class T>
    static T* find(const QString& name) { return qobject_cast<T*>(find(name)); }
    static const QList<QWidget*>& windows();
    static bool isRegistered(const QWidget* window);
};

// Show: visible, raised and active, never modal. No-op when the window is absent.
void showForm(QWidget* window);
void showForm(const QString& name);

// Close: hides the window (for Form1: asks the closing question through close()).
// When the hidden window was active, the most recently active visible
// registered window becomes active.
void closeForm(QWidget* window);
void closeForm(const QString& name);

// Activation tracking: a registered window's FormActivate slot runs when it
// becomes the active window coming from another registered window. Message boxes
// and dialogs do not count. Installed by startUp().
void installActivationTracking();

// The registered window that was active last (nullptr before any, and after
// the active window was hidden with no other registered window visible).
QWidget* lastActiveForm();

// Places a window in the middle of the primary screen's available area, frame
// included (before the first show the frame is not known: the client size counts).
void centreOnScreen(QWidget* window);

}  // namespace termalo
