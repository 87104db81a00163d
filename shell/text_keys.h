#pragma once

#include <QString>

class QKeyEvent;

namespace termalo {

class TextControl;

// The keys of a one-line edit box, taken as Qt's line edit takes them.

// Whether a key belongs to the box rather than to a window's shortcut.
bool isEditingKey(const QKeyEvent& event);
// A key that changes nothing by itself: a modifier or a dead key.
bool isModifierKey(int key);
// What a key types; empty when it types nothing (a control character, a key with Ctrl).
QString typedText(const QKeyEvent& event);
// Carries out a key that moves, selects, deletes, undoes or uses the
// clipboard; false when the key is none of those.
bool applyEditingKey(TextControl& control, const QKeyEvent& event);

}  // namespace termalo
