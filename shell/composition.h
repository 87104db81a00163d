#pragma once

#include <QList>
#include <QString>
#include <QTextLayout>

namespace termalo {

// What an input method composes at the cursor: shown, not yet part of the text.
struct Composition {
    QString text;
    int caret = 0;  // where the input method puts the caret in it
    bool caretShown = true;
    QList<QTextLayout::FormatRange> formats;  // from its first character

    bool isEmpty() const { return text.isEmpty(); }
    friend bool operator==(const Composition& a, const Composition& b)
    {
        return a.text == b.text && a.caret == b.caret && a.caretShown == b.caretShown && a.formats == b.formats;
    }
};

}  // namespace termalo
