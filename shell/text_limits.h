#pragma once

#include <QString>

class QLineEdit;

namespace termalo {

// Texts of any length, without freezing the screen or growing memory.

// What a label shows of a text that may be of any length: the text itself, or,
// for a text longer than any window could show, its beginning followed by "…".
// Nothing is lost: the field the text came from keeps all of it.
inline constexpr int kMaxShownCharacters = 500;
QString visiblePart(const QString& text);

// Keeps the undo history of `edit` bounded: once the edits since the last
// clearing have inserted and removed more than kUndoBudget characters, the
// history is cleared (the text, the cursor and the selection stay). Ordinary
// typing can be undone as usual; a huge paste or deletion cannot.
inline constexpr int kUndoBudget = 1 << 18;
void boundUndoHistory(QLineEdit* edit);

}  // namespace termalo
