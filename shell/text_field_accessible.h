#pragma once

#include <QAccessibleWidget>

namespace termalo {

class TextField;
struct TextChange;

// A TextField as assistive technology sees it: editable text whose characters,
// caret and selection are read and changed a piece at a time. Every query
// costs what it returns, however long the text: the items at, before and after
// an offset (characters, words, sentences) are looked for in a stretch of text
// around it that grows only while the item reaches its edge.
class TextFieldAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    // Where an item is looked for, from an offset.
    enum class Side { Before, At, After };

    explicit TextFieldAccessible(QWidget* widget);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface: edits as the user makes them, each undoable.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    TextField* field() const;
    QString item(int offset, QAccessible::TextBoundaryType boundaryType, Side side, int* startOffset,
                 int* endOffset) const;
    void edit(qsizetype start, qsizetype end, const QString& with);
};

// The factory that QAccessible asks for a TextField's interface.
QAccessibleInterface* textFieldAccessible(const QString& className, QObject* object);

// Tells assistive technology of an edit of a field's text. An edit of a usual
// size is told as it is; a huge one only by the beginnings of what went and
// what came, so that no event carries megabytes.
void announceTextChange(QObject* field, const TextChange& change);
// Tells assistive technology that a field's cursor moved, and its selection
// when `selectionMoved`.
void announceCursor(QObject* field, qsizetype oldCursor, qsizetype cursor, qsizetype anchor, bool selectionMoved);

}  // namespace termalo
