#pragma once

#include "shell/text_control.h"
#include "shell/text_viewport.h"

#include <QBasicTimer>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QMenu;

namespace termalo {

class TextFieldAccessible;

// A single-line edit box for texts of any length.
//
// It is built as Qt's own line edit is: a TextControl owns the text, the
// cursor, the selection, the input method's composition and the undo steps,
// and keeps their rules; a TextViewport lays out only the part of the text
// that can be seen (a ShownLine) and scrolls it; the widget turns events into
// the control's operations and paints. Typing, moving the cursor and painting
// cost the same with ten characters as with ten million.
//
// The interface follows the line edit's where the program and its users rely
// on it: text, selection, cursor, clipboard, undo and redo, the usual keys, the
// mouse, dragging and dropping text, an input method and the context menu.
// What an input method composes is shown at the cursor, in the input method's
// formats, until it is committed: by the input method, or by the field on a
// click elsewhere, any edit or a loss of focus. Every change of a selection
// offers it to other programs as the X11 PRIMARY selection, where the
// platform has one.
//
// A screen reader reads and edits it as text (see TextFieldAccessible); while
// one listens, every edit, cursor move and selection is announced to it, a
// huge edit only by an excerpt of kAnnouncedCharacters.
class TextField : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged USER true)
    Q_PROPERTY(bool frame READ hasFrame WRITE setFrame)

public:
    static constexpr qsizetype kUndoBudget = TextControl::kUndoBudget;
    static constexpr qsizetype kAnnouncedCharacters = TextControl::kAnnouncedCharacters;

    explicit TextField(QWidget* parent = nullptr);
    ~TextField() override;

    // The text, shared and not copied.
    const QString& text() const { return control_.text(); }
    // Replaces the whole text as a program would: the history is cleared, the
    // cursor goes to the end. Emits textChanged when the text differs.
    void setText(const QString& text) { control_.setText(text); }
    void clear() { setText(QString()); }

    bool hasFrame() const { return frame_; }
    void setFrame(bool frame);

    qsizetype cursorPosition() const { return control_.cursor(); }
    void setCursorPosition(qsizetype position) { control_.moveCursor(position); }
    bool hasSelectedText() const { return control_.hasSelection(); }
    QString selectedText() const { return control_.selectedText(); }
    // -1 without a selection.
    qsizetype selectionStart() const { return hasSelectedText() ? control_.selectionFrom() : -1; }
    qsizetype selectionLength() const { return control_.selectionTo() - control_.selectionFrom(); }
    // Selects `length` characters from `start` (a negative length selects to the left).
    void setSelection(qsizetype start, qsizetype length) { control_.setSelection(start, length); }
    void selectAll() { control_.selectAll(); }
    void deselect() { control_.deselect(); }

    // Edits as the user makes them: each can be undone and emits textEdited.
    void insert(const QString& text) { control_.insert(text); }  // replaces the selection
    void backspace() { control_.backspace(); }
    void del() { control_.del(); }
    void cut() { control_.cut(); }
    void copy() const { control_.copy(); }
    void paste() { control_.paste(); }
    void undo() { control_.undo(); }
    void redo() { control_.redo(); }
    bool isUndoAvailable() const { return control_.isUndoAvailable(); }
    bool isRedoAvailable() const { return control_.isRedoAvailable(); }

    // Inline completion: typing at the end of the text that begins one of
    // `completions` (exact case) adds the rest of it, selected.
    void setCompletions(const QStringList& completions) { control_.setCompletions(completions); }

    // The index of the first character shown at the left edge.
    qsizetype firstShown() const { return viewport_.firstShown(); }

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

    // What follows the control's changes: the layout, scrolling, the caret,
    // assistive technology, the offered selection and the signals.
    void followText(const TextChange* change);
    void followCursor(qsizetype oldCursor, qsizetype oldAnchor);
    void followComposition();

    QRect textRect() const;
    qsizetype positionAt(QPoint point) const { return viewport_.positionAt(point); }
    // The position at `point` in the text as it is once the composition is committed, which this does.
    qsizetype positionCommitting(QPoint point);
    // A click into the composition is the input method's: true when it was one.
    bool clickedIntoComposition(QPoint point);
    QRect characterRect(qsizetype position) const { return viewport_.characterRect(position); }
    void refresh();
    void startBlinking();
    void stopBlinking();
    void offerSelection();
    void dragSelection();

    TextControl control_;
    TextViewport viewport_;
    bool frame_ = true;

    QBasicTimer blinkTimer_;
    bool cursorShown_ = false;
    bool selectingWithMouse_ = false;
    bool mayDrag_ = false;  // pressed on the selection, not yet dragged
    QPoint dragStart_;
    QBasicTimer tripleClickTimer_;  // runs after a double click: a third click selects everything
    QPoint tripleClickAt_;
    bool movedWithin_ = false;  // the last drag was dropped into this field
    qsizetype dropAt_ = -1;     // where a text dragged over the field would go
    QPointer<QMenu> menu_;
};

}  // namespace termalo
