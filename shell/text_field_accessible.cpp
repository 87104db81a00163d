#include "shell/text_field_accessible.h"

#include "shell/text_control.h"
#include "shell/text_field.h"
#include "shell/text_limits.h"

#include <QComboBox>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <limits>
#include <optional>

namespace termalo {

namespace {

// Offsets cross the accessibility interfaces as int.
int toInt(qsizetype value)
{
    return int(std::clamp<qsizetype>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

struct Span {
    qsizetype start;
    qsizetype end;
};

bool atItemEdge(const QTextBoundaryFinder& finder)
{
    return finder.boundaryReasons() & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem);
}

std::optional<QTextBoundaryFinder::BoundaryType> finderType(QAccessible::TextBoundaryType boundaryType)
{
    switch (boundaryType) {
    case QAccessible::CharBoundary:
        return QTextBoundaryFinder::Grapheme;
    case QAccessible::WordBoundary:
        return QTextBoundaryFinder::Word;
    case QAccessible::SentenceBoundary:
        return QTextBoundaryFinder::Sentence;
    default:
        return std::nullopt;
    }
}

using Side = TextFieldAccessible::Side;

// The item before, at or after place `p` of a stretch of text.
Span itemIn(QStringView stretch, qsizetype p, QTextBoundaryFinder::BoundaryType type, Side side)
{
    const qsizetype length = stretch.size();
    QTextBoundaryFinder finder(type, stretch.data(), length);
    const auto next = [&finder, length] {
        const qsizetype q = finder.toNextBoundary();
        return q < 0 ? length : q;
    };
    const auto previous = [&finder] { return std::max<qsizetype>(0, finder.toPreviousBoundary()); };
    // The edges of items that the finder comes to next, going on or back.
    const auto nextEdge = [&] {
        qsizetype q = length;
        do
            q = next();
        while (q < length && !atItemEdge(finder));
        return q;
    };
    const auto previousEdge = [&](qsizetype q) {
        while (q > 0) {
            q = previous();
            if (atItemEdge(finder))
                break;
        }
        return q;
    };
    finder.setPosition(p);
    if (side == Side::After) {
        const qsizetype start = nextEdge();
        return {start, start < length ? nextEdge() : start};
    }
    while (p > 0 && !atItemEdge(finder))
        p = previous();
    if (side == Side::Before)
        return {previousEdge(p), p};
    finder.setPosition(p);
    return {p, nextEdge()};
}

// The item before, at or after `at` in the whole text, looked for in a stretch
// around it. A boundary rule looks at a few characters beyond an item; an item
// found closer than that to a cut edge of the stretch is looked for again in a
// stretch twice as long.
Span itemAround(QStringView all, qsizetype at, QTextBoundaryFinder::BoundaryType type, Side side)
{
    constexpr qsizetype kContext = 16;
    const qsizetype size = all.size();
    for (qsizetype reach = 256;; reach *= 2) {
        qsizetype from = std::max<qsizetype>(0, at - reach);
        qsizetype to = std::min(size, at + reach);
        if (from > 0 && all.at(from).isLowSurrogate())
            --from;
        if (to < size && all.at(to).isLowSurrogate())
            ++to;
        const Span span = itemIn(all.sliced(from, to - from), at - from, type, side);
        const bool cutOnTheLeft = from > 0 && span.start < kContext;
        const bool cutOnTheRight = to < size && to - from - span.end < kContext;
        if (!cutOnTheLeft && !cutOnTheRight)
            return {from + span.start, from + span.end};
    }
}

}  // namespace

TextFieldAccessible::TextFieldAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::EditableText) {}

TextField* TextFieldAccessible::field() const
{
    return static_cast<TextField*>(widget());
}

void* TextFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TextFieldAccessible::text(QAccessible::Text t) const
{
    // The value is for a quick look; the text interface reads the rest.
    if (t == QAccessible::Value)
        return visiblePart(field()->text());
    QString text = QAccessibleWidget::text(t);
    // The field of a combo box, which has the focus, is named by its box.
    if (t == QAccessible::Name && text.isEmpty()) {
        if (const QWidget* box = qobject_cast<const QComboBox*>(widget()->parentWidget()))
            text = box->accessibleName();
    }
    return text;
}

void TextFieldAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t == QAccessible::Value)
        edit(0, field()->text().size(), text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State TextFieldAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.selectableText = true;
    return s;
}

// ---- Caret and selection ---------------------------------------------------

void TextFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const TextField* f = field();
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && f->hasSelectedText()) {
        *startOffset = toInt(f->selectionStart());
        *endOffset = toInt(f->selectionStart() + f->selectionLength());
    }
}

int TextFieldAccessible::selectionCount() const
{
    return field()->hasSelectedText() ? 1 : 0;
}

void TextFieldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(selectionCount(), startOffset, endOffset);
}

void TextFieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0 && field()->hasSelectedText())
        field()->deselect();
}

void TextFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    // One selection at most: a second cannot be added.
    if (selectionIndex != 0)
        return;
    field()->setSelection(startOffset, qsizetype(endOffset) - startOffset);
}

int TextFieldAccessible::cursorPosition() const
{
    return toInt(field()->cursorPosition());
}

void TextFieldAccessible::setCursorPosition(int position)
{
    field()->setCursorPosition(position);
}

// ---- Text --------------------------------------------------------------------

int TextFieldAccessible::characterCount() const
{
    return toInt(field()->text().size());
}

QString TextFieldAccessible::text(int startOffset, int endOffset) const
{
    const QString& all = field()->text();
    const qsizetype start = std::clamp<qsizetype>(startOffset, 0, all.size());
    const qsizetype end = std::clamp<qsizetype>(endOffset, start, all.size());
    return all.mid(start, end - start);
}

QString TextFieldAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                              int* startOffset, int* endOffset) const
{
    return item(offset, boundaryType, Side::Before, startOffset, endOffset);
}

QString TextFieldAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const
{
    return item(offset, boundaryType, Side::After, startOffset, endOffset);
}

QString TextFieldAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const
{
    return item(offset, boundaryType, Side::At, startOffset, endOffset);
}

QString TextFieldAccessible::item(int offset, QAccessible::TextBoundaryType boundaryType, Side side,
                                  int* startOffset, int* endOffset) const
{
    // The items as Qt's own text interfaces cut them (characters, words and the
    // runs between them, sentences), with the same answers at the ends.
    const QString& all = field()->text();
    const qsizetype size = all.size();
    qsizetype at = offset;
    if (offset == -2)
        at = field()->cursorPosition();
    else if (offset == -1)
        at = size;
    *startOffset = *endOffset = -1;
    if (all.isEmpty() || at < 0 || at > size)
        return {};
    if ((side == Side::Before && at == 0) || (side != Side::Before && at == size)) {
        *startOffset = *endOffset = toInt(at);
        return {};
    }
    const std::optional<QTextBoundaryFinder::BoundaryType> type = finderType(boundaryType);
    if (!type) {
        // One line: it is the line at every offset, with none before or after it.
        if (side == Side::At) {
            *startOffset = 0;
            *endOffset = toInt(size);
            return all;
        }
        *startOffset = *endOffset = toInt(side == Side::Before ? 0 : size);
        return {};
    }
    const Span span = itemAround(all, at, *type, side);
    *startOffset = toInt(span.start);
    *endOffset = toInt(span.end);
    return all.mid(span.start, span.end - span.start);
}

QRect TextFieldAccessible::characterRect(int offset) const
{
    const QRect r = field()->characterRect(offset);
    return r.isEmpty() ? QRect() : QRect(field()->mapToGlobal(r.topLeft()), r.size());
}

int TextFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    const TextField* f = field();
    const QPoint local = f->mapFromGlobal(point);
    if (!f->rect().contains(local))
        return -1;
    return toInt(f->positionAt(local));
}

void TextFieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    // As the line edit does: the cursor goes past the end and back to the start.
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

QString TextFieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One run of plain text.
    (void)offset;
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

// ---- Editing -------------------------------------------------------------------

void TextFieldAccessible::deleteText(int startOffset, int endOffset)
{
    edit(startOffset, endOffset, {});
}

void TextFieldAccessible::insertText(int offset, const QString& text)
{
    edit(offset, offset, text);
}

void TextFieldAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    edit(startOffset, endOffset, text);
}

void TextFieldAccessible::edit(qsizetype start, qsizetype end, const QString& with)
{
    field()->control_.replace(start, end, with);
}

QAccessibleInterface* textFieldAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(TextField::staticMetaObject.className()) && object && object->isWidgetType())
        return new TextFieldAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void announceTextChange(QObject* field, const TextChange& change)
{
    const int at = toInt(change.position);
    const bool huge = change.removedLength > TextControl::kAnnouncedCharacters
                      || change.inserted.size() > TextControl::kAnnouncedCharacters;
    if (!huge && change.removedLength == 0) {
        QAccessibleTextInsertEvent event(field, at, change.inserted);
        QAccessible::updateAccessibility(&event);
    } else if (!huge && change.inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(field, at, change.removed);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(field, at, change.removed, announcedPart(change.inserted));
        event.setCursorPosition(toInt(change.position + change.inserted.size()));
        QAccessible::updateAccessibility(&event);
    }
}

void announceCursor(QObject* field, qsizetype oldCursor, qsizetype cursor, qsizetype anchor, bool selectionMoved)
{
    if (oldCursor != cursor) {
        QAccessibleTextCursorEvent event(field, toInt(cursor));
        QAccessible::updateAccessibility(&event);
    }
    if (selectionMoved) {
        const bool selected = cursor != anchor;
        QAccessibleTextSelectionEvent event(field, selected ? toInt(std::min(cursor, anchor)) : -1,
                                            selected ? toInt(std::max(cursor, anchor)) : -1);
        event.setCursorPosition(toInt(cursor));
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace termalo
