#pragma once

#include <QString>

namespace termalo {

// Texts of any length in labels, without freezing the screen or growing memory.

// What a label shows of a text that may be of any length: the text itself, or,
// for a text longer than any window could show, its beginning followed by "…".
// Nothing is lost: the field the text came from keeps all of it.
inline constexpr int kMaxShownCharacters = 500;
QString visiblePart(const QString& text);

// Enough of a text for visiblePart() to show the same: the text itself or,
// for a longer one, its first kMaxShownCharacters + 1 characters.
QString shownPrefix(const QString& text);

}  // namespace termalo
