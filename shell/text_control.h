#pragma once

#include "shell/composition.h"
#include "shell/text_boundaries.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <deque>
#include <optional>

class QInputMethodEvent;
class QMimeData;

namespace termalo {

// A change of the text as assistive technology is told of it: [position,
// position + removedLength) became `inserted`; `removed` keeps the start of
// what went (kAnnouncedCharacters at most).
struct TextChange {
    qsizetype position = 0;
    QString removed;
    qsizetype removedLength = 0;
    QString inserted;
};

// As much of a changed text as assistive technology is told.
QString announcedPart(QStringView part);

// The text of an edit box and everything about it that is not drawn: the
// cursor and the selection, the input method's composition, the undo history,
// inline completion and the selection offered to other programs. It keeps
// their rules in one place:
//
// - a composition and a selection never exist at once: composing over a
//   selection replaces it, and selecting commits the composition;
// - every edit and every move of the cursor or the selection commits the
//   composition first (commitComposition(), the one place that does it),
//   except undo, which drops a composition and does nothing else, and a text
//   set by the program, which drops it too;
// - the undo history holds at most kUndoBudget characters over all its steps;
//   a step larger than that, such as deleting a whole huge text, clears the
//   history instead of being kept.
//
// The widget that shows it turns events into these operations and follows
// its signals; the control never draws and never asks about the screen.
class TextControl : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype kUndoBudget = qsizetype(1) << 18;
    static constexpr qsizetype kAnnouncedCharacters = 1024;
    // Characters around the cursor offered to an input method.
    static constexpr qsizetype kSurroundingText = 256;

    explicit TextControl(QObject* parent = nullptr);
    ~TextControl() override;

    const QString& text() const { return text_; }
    qsizetype cursor() const { return cursor_; }
    qsizetype anchor() const { return anchor_; }
    bool hasSelection() const { return cursor_ != anchor_; }
    qsizetype selectionFrom() const { return std::min(cursor_, anchor_); }
    qsizetype selectionTo() const { return std::max(cursor_, anchor_); }
    QString selectedText() const { return text_.mid(selectionFrom(), selectionTo() - selectionFrom()); }
    const Composition& composition() const { return composition_; }
    bool isComposing() const { return !composition_.isEmpty(); }
    bool isUndoAvailable() const { return !undo_.empty(); }
    bool isRedoAvailable() const { return !redo_.empty(); }

    // Replaces the whole text as a program would: the composition and the
    // history go, the cursor goes to the end.
    void setText(const QString& text);
    void setCompletions(const QStringList& completions) { completions_ = completions; }

    // The cursor and the selection. Positions are clamped to the text and
    // never split a surrogate pair.
    void moveCursor(qsizetype position, bool select = false);
    void setSelection(qsizetype start, qsizetype length);  // a negative length selects to the left
    void selectAll();
    void deselect();
    // The word, the run of blanks or the sign at `position`.
    void selectWordAt(qsizetype position);

    // Edits as the user makes them: each can be undone and emits textEdited.
    void replace(qsizetype start, qsizetype end, const QString& with);  // one step of its own
    void insert(const QString& text);                                    // over the selection
    // Typed at the cursor over the selection. Typing at the end of a text that
    // begins one of the completions (exact case) adds the rest of it, selected.
    void type(const QString& text);
    void backspace();
    void del();
    void deleteWordBefore();
    void deleteWordAfter();
    // Dropped at `position`; `moving` the selection takes it away from where it was.
    void drop(qsizetype position, const QString& text, bool moving);
    // The selection cut or copied to the clipboard; the clipboard's text pasted over it.
    void cut();
    void copy() const;
    void paste();
    void undo();
    void redo();

    // The input method's event: what it commits, what it composes, what it selects.
    void applyInputMethod(const QInputMethodEvent& event);
    // Makes the composition part of the text, as typed, when the input method
    // does not do it itself when asked. True when the control put it in.
    bool commitComposition();

    // The selection as other programs get it (the X11 PRIMARY selection), for
    // the clipboard to own in place of the one offered before. It is read from
    // the text when a program asks; when the text is about to change, it keeps
    // a copy of the selected part only.
    QMimeData* offerSelection();

    // Whole characters and words of the text (see text_boundaries.h).
    qsizetype nextCharacter(qsizetype position) const { return termalo::nextCharacter(text_, position); }
    qsizetype previousCharacter(qsizetype position) const { return termalo::previousCharacter(text_, position); }
    qsizetype nextWord(qsizetype position) const { return termalo::nextWord(text_, position); }
    qsizetype previousWord(qsizetype position) const { return termalo::previousWord(text_, position); }
    qsizetype safeBoundary(qsizetype position) const { return termalo::safeBoundary(text_, position); }
    // Where the text around the cursor that an input method is given starts.
    qsizetype surroundingStart() const;

signals:
    // The text was replaced; `change` says how when assistive technology is
    // active, and is null otherwise.
    void textReplaced(const termalo::TextChange* change);
    void cursorMoved(qsizetype oldCursor, qsizetype oldAnchor);
    void textChanged(const QString& text);
    void textEdited(const QString& text);
    void compositionChanged();
    // The input method should commit what it composes (when it is the widget's).
    void inputMethodCommitRequested();
    // The input method should forget what it composes (when it is the widget's).
    void inputMethodResetRequested();

private:
    // Edits of the same kind made one after another are undone together.
    enum class EditKind { Typing, Backspace, Delete, Other };
    struct Step {
        qsizetype position = 0;
        QString removed;  // what the edit took out
        qsizetype insertedLength = 0;
        QString inserted;  // kept only while the step waits to be redone
        qsizetype cursorBefore = 0;
        qsizetype anchorBefore = 0;
        EditKind kind = EditKind::Other;
        bool joined = false;  // undone and redone together with the step before it
    };

    // The one place the text changes through an edit (the composition committed before).
    void replaceRange(qsizetype start, qsizetype end, const QString& with, EditKind kind);
    void splice(qsizetype position, qsizetype length, const QString& with);
    void finishEdit(qsizetype oldCursor, qsizetype oldAnchor);
    void select(qsizetype anchor, qsizetype cursor);
    void dropComposition();
    void completeInline();
    void keepOfferedSelection();

    void record(Step step);
    bool joinToLast(const Step& step);
    void clearRedo();
    void keepWithinBudget();
    void clearHistory();
    bool undoStep();
    bool redoStep();

    QString text_;
    qsizetype cursor_ = 0;
    qsizetype anchor_ = 0;
    Composition composition_;
    std::optional<TextChange> unannounced_;  // made by splice(), told by finishEdit()

    std::deque<Step> undo_;
    std::deque<Step> redo_;
    qsizetype historyCharacters_ = 0;
    bool separated_ = true;  // the next edit starts a step of its own
    bool joinNext_ = false;  // the next recorded step joins the one before it

    QStringList completions_;
    QPointer<QMimeData> offered_;  // the selection offered last, while it reads from the text
};

}  // namespace termalo
