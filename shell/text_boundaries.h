#pragma once

#include <QStringView>

namespace termalo {

// Whole characters (graphemes) and words in a text of any length, looked for
// near a position only.

// `position`, or the start of the surrogate pair it would split.
qsizetype safeBoundary(QStringView text, qsizetype position);
qsizetype nextCharacter(QStringView text, qsizetype position);
qsizetype previousCharacter(QStringView text, qsizetype position);
// The start of the next word, past blanks and signs.
qsizetype nextWord(QStringView text, qsizetype position);
qsizetype previousWord(QStringView text, qsizetype position);

struct TextRange {
    qsizetype from;
    qsizetype to;
};
// The word, the run of blanks or the sign at `position` (before it at the end of the text).
TextRange wordAt(QStringView text, qsizetype position);

}  // namespace termalo
