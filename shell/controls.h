#pragma once

#include "core/target.h"

#include <QMetaObject>
#include <QString>
#include <QWidget>

#include <string>

namespace termalo {

// One lookup of a documented control: window + name + expected type.
//
// A control that is missing (or of another type) is a fault in the program, a
// misspelt name in a table: under strict lookup (on in debug builds and in the
// tests) it throws termalo::Error naming the control; otherwise it is logged
// and nullptr comes back, so a user's run goes on. A window that the program
// has but has not built yet is simply absent (nullptr, no fault); a window name
// that the program does not have at all is a fault.
QWidget* findControl(QWidget* window, const QString& name, const QMetaObject& type);
QWidget* findControl(const core::Target& target, const QMetaObject& type);

template <class T>
T* findControl(QWidget* window, const QString& name)
{
    return static_cast<T*>(findControl(window, name, T::staticMetaObject));
}

template <class T>
T* findControl(const core::Target& target)
{
    return static_cast<T*>(findControl(target, T::staticMetaObject));
}

// Reports a missing control as described above (throws under strict lookup).
void reportMissingControl(const QString& where, const QString& what);

void setStrictControlLookup(bool strict);
bool strictControlLookup();

// True for the names of the program's windows: Form1 ... Form33, no Form22.
bool isProgramWindowName(const QString& name);

// The current text of a control of a registered window: a label's or a panel's
// caption, an edit box's text, a combo box's text, a button's caption.
// Empty when the window is not built yet.
QString controlText(const core::Target& target);
std::string controlTextUtf8(const core::Target& target);
// As much of that text as a label can show (see visiblePart): for a text
// that is only shown, never the megabytes a field may hold.
std::string shownTextUtf8(const core::Target& target);

}  // namespace termalo
