#pragma once

#include <QBasicTimer>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <memory>
#include <optional>

class QMenu;

namespace termalo {

class TextFieldAccessible;

// A single-line edit box for texts of any length.
//
// It keeps the whole text but lays out only the part that can be seen: the
// characters from the first one shown up to the right edge. Typing, moving
// the cursor and painting cost the same with ten characters as with ten
// million. The undo history is bounded (kUndoBudget characters over all its
// steps); a step larger than that, such as deleting a whole huge text, clears
// the history instead of being kept.
//
// The interface follows the line edit's where the program and its users rely
// on it: text, selection, cursor, clipboard, undo and redo, the usual keys, the
// mouse, dragging and dropping text, an input method and the context menu.
// What an input method composes is shown at the cursor, in the input method's
// formats, until it is committed: by the input method, or by the field on a
// click elsewhere or a loss of focus. Every change of a selection offers it to
// other programs as the X11 PRIMARY selection, where the platform has one.
//
// A screen reader reads and edits it as text (see TextFieldAccessible); while
// one listens, every edit, cursor move and selection is announced to it, a
// huge edit only by an excerpt of kAnnouncedCharacters.
class TextField : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged USER true)
    Q_PROPERTY(bool frame READ hasFrame WRITE setFrame)

public:
    static constexpr qsizetype kUndoBudget = qsizetype(1) << 18;
    static constexpr qsizetype kAnnouncedCharacters = 1024;

    explicit TextField(QWidget* parent = nullptr);
    ~TextField() override;

    // The text, shared and not copied.
    const QString& text() const { return text_; }
    // Replaces the whole text as a program would: the history is cleared, the
    // cursor goes to the end. Emits textChanged when the text differs.
    void setText(const QString& text);
    void clear() { setText(QString()); }

    bool hasFrame() const { return frame_; }
    void setFrame(bool frame);

    qsizetype cursorPosition() const { return cursor_; }
    void setCursorPosition(qsizetype position);
    bool hasSelectedText() const { return cursor_ != anchor_; }
    QString selectedText() const;
    // -1 without a selection.
    qsizetype selectionStart() const { return hasSelectedText() ? std::min(cursor_, anchor_) : -1; }
    qsizetype selectionLength() const { return std::abs(cursor_ - anchor_); }
    // Selects `length` characters from `start` (a negative length selects to the left).
    void setSelection(qsizetype start, qsizetype length);
    void selectAll();
    void deselect();

    // Edits as the user makes them: each can be undone and emits textEdited.
    void insert(const QString& text);  // replaces the selection
    void backspace();
    void del();
    void cut();
    void copy() const;
    void paste();
    void undo();
    void redo();
    bool isUndoAvailable() const { return !undo_.empty(); }
    bool isRedoAvailable() const { return !redo_.empty(); }

    // Inline completion: typing at the end of the text that begins one of
    // `completions` (exact case) adds the rest of it, selected.
    void setCompletions(const QStringList& completions) { completions_ = completions; }

    // The index of the first character shown at the left edge.
    qsizetype firstShown() const { return firstShown_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void textChanged(const QString& text);
    void textEdited(const QString& text);
    void cursorPositionChanged(qsizetype oldPosition, qsizetype newPosition);
    void selectionChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TextFieldAccessible;

    enum class EditKind { Typing, Backspace, Delete, Other };
    struct Step {
        qsizetype position = 0;
        QString removed;           // what the edit took out
        qsizetype insertedLength = 0;
        QString inserted;          // kept only while the step waits to be redone
        qsizetype cursorBefore = 0;
        qsizetype anchorBefore = 0;
        EditKind kind = EditKind::Other;
        bool joined = false;  // undone and redone together with the step before it
    };
    // What an input method composes at the cursor: shown, not yet part of the text.
    struct Composition {
        QString text;
        int caret = 0;  // where the input method puts the caret in it
        bool caretShown = true;
        QList<QTextLayout::FormatRange> formats;  // from its first character
    };
    struct ShownLine;

    // The one place the text changes through an edit.
    void replaceRange(qsizetype start, qsizetype end, const QString& with, EditKind kind);
    void splice(qsizetype position, qsizetype length, const QString& with);
    void finishEdit(qsizetype oldCursor, qsizetype oldAnchor);
    void clearRedo();
    void record(Step step);
    void keepWithinBudget();
    void clearHistory();
    bool undoStep();
    bool redoStep();
    void moveCursor(qsizetype position, bool select);
    void cursorMoved(qsizetype oldCursor, qsizetype oldAnchor);
    // A change of the text for assistive technology: [position, position +
    // removedLength) became `inserted`; `removed` keeps the start of what went.
    struct Change {
        qsizetype position = 0;
        QString removed;
        qsizetype removedLength = 0;
        QString inserted;
    };
    Change changeOf(qsizetype position, qsizetype length, const QString& with) const;
    void announce(const Change& change);
    void completeInline();
    bool handleStandardKey(QKeyEvent* event);
    // Makes the composition part of the text (when the input method does not).
    void commitComposition();
    // Forgets the composition, and makes the input method forget it.
    void resetComposition();

    // Characters: whole graphemes and words, looked for near a position only.
    qsizetype nextCharacter(qsizetype position) const;
    qsizetype previousCharacter(qsizetype position) const;
    qsizetype nextWord(qsizetype position) const;
    qsizetype previousWord(qsizetype position) const;
    qsizetype wordEnd(qsizetype position) const;
    qsizetype safeBoundary(qsizetype position) const;

    // The part that can be seen.
    QRect textRect() const;
    QPointF textOrigin() const;
    const ShownLine& shownLine() const;
    // Characters [start, end) laid out, with the composition when the cursor is among them.
    ShownLine layOut(qsizetype start, qsizetype end) const;
    // Where the caret is in a laid-out line that holds the cursor.
    int caretInLayout(const ShownLine& shown) const;
    void invalidateShown();
    void scrollToCursor();
    // Where to start showing so that the text up to `end` ends at the right edge.
    struct Scroll {
        qsizetype first;
        qreal shift;
    };
    Scroll scrollShowingUpTo(qsizetype end) const;
    qsizetype positionAt(QPoint point) const;
    QRect cursorRect() const;
    // Where the character at `position` is drawn; empty when it cannot be seen.
    QRect characterRect(qsizetype position) const;

    void startBlinking();
    void stopBlinking();
    void offerSelection() const;
    void dragSelection();

    QString text_;
    qsizetype cursor_ = 0;
    qsizetype anchor_ = 0;
    qsizetype firstShown_ = 0;
    qreal shift_ = 0;  // pixels of the first shown character hidden on the left
    bool frame_ = true;
    Composition composition_;
    std::optional<Change> unannounced_;  // made by splice(), told by finishEdit()

    std::deque<Step> undo_;
    std::deque<Step> redo_;
    qsizetype historyCharacters_ = 0;
    bool separated_ = true;  // the next edit starts a step of its own

    QStringList completions_;

    QBasicTimer blinkTimer_;
    bool cursorShown_ = false;
    bool selectingWithMouse_ = false;
    bool mayDrag_ = false;     // pressed on the selection, not yet dragged
    QPoint dragStart_;
    QBasicTimer tripleClickTimer_;  // runs after a double click: a third click selects everything
    QPoint tripleClickAt_;
    bool joinNext_ = false;     // the next recorded step joins the one before it
    bool movedWithin_ = false;  // the last drag was dropped into this field
    qsizetype dropAt_ = -1;     // where a text dragged over the field would go
    QPointer<QMenu> menu_;

    mutable std::unique_ptr<ShownLine> shown_;
};

}  // namespace termalo
