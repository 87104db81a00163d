#include "shell/text_limits.h"

#include "shell/application.h"

#include <QLineEdit>
#include <QObject>

#include <cstdlib>
#include <memory>

namespace termalo {

QString visiblePart(const QString& text)
{
    if (text.size() <= kMaxShownCharacters)
        return text;
    qsizetype cut = kMaxShownCharacters;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;  // never half a character
    return text.left(cut) + QChar(0x2026);
}

namespace {

void clearUndoHistory(QLineEdit* edit)
{
    const int cursor = edit->cursorPosition();
    const int selectionStart = edit->selectionStart();
    const int selectionLength = edit->selectionLength();
    const bool modified = edit->isModified();
    edit->setText(edit->text());  // clears the undo and redo history
    if (selectionStart >= 0)
        edit->setSelection(selectionStart, selectionLength);
    else
        edit->setCursorPosition(cursor);
    edit->setModified(modified);
}

}  // namespace

void boundUndoHistory(QLineEdit* edit)
{
    // The line edit keeps every insertion and removal (about 32 bytes per
    // character) for as long as it lives; count what the edits moved.
    struct Budget {
        qsizetype length = 0;     // of the text after the last edit
        qsizetype selection = 0;  // selected before the next edit
        qsizetype spent = 0;      // characters moved since the history was cleared
    };
    auto budget = std::make_shared<Budget>();
    budget->length = edit->text().size();
    QObject::connect(edit, &QLineEdit::selectionChanged, edit, [edit, budget] {
        budget->selection = edit->selectionLength();
    });
    QObject::connect(edit, &QLineEdit::textChanged, edit, [budget](const QString& text) {
        // Programmatic changes (setText) clear the history themselves.
        budget->length = text.size();
    });
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, budget](const QString& text) {
        runGuarded([&] {
            // The selection was replaced: removed, then the new part inserted.
            const qsizetype removed = budget->selection;
            const qsizetype inserted = text.size() - budget->length + removed;
            budget->spent += removed + std::abs(inserted);
            budget->length = text.size();
            budget->selection = 0;
            if (budget->spent <= kUndoBudget)
                return;
            budget->spent = 0;
            // After the edit has finished, not inside its own signal.
            QMetaObject::invokeMethod(edit, [edit] { runGuarded([edit] { clearUndoHistory(edit); }); },
                                      Qt::QueuedConnection);
        });
    });
}

}  // namespace termalo
