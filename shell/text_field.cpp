#include "shell/text_field.h"

#include "shell/application.h"
#include "shell/text_field_accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <QTextFormat>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <limits>
#include <utility>

namespace termalo {

namespace {

// Space between the frame and the text, as in Qt's own line edit.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;
// Characters looked at around a position when finding a whole character.
constexpr qsizetype kCharacterWindow = 64;
// At most this many characters are laid out for what is shown (a text of
// zero-width characters would otherwise never fill the box).
constexpr qsizetype kMostShown = 16384;
// Characters around the cursor offered to an input method.
constexpr qsizetype kSurroundingText = 256;
constexpr qreal kUnboundedLine = 1e6;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_');
}

// What the box draws for a part of its text: control characters and line or
// paragraph separators as blanks, so that no font draws boxes for them.
QString shownCharacters(QStringView part)
{
    QString shown = part.toString();
    for (QChar& c : shown) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != 0x09) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
            || c == QChar::ObjectReplacementCharacter)
            c = QLatin1Char(' ');
    }
    return shown;
}

// The selection offered to other programs. It keeps the field's text as it was
// (shared, not copied) and cuts the selection out only when a program asks.
class OfferedSelection : public QMimeData {
public:
    OfferedSelection(const QString& text, qsizetype from, qsizetype to) : text_(text), from_(from), to_(to) {}

    bool hasFormat(const QString& mimeType) const override { return mimeType == plainText(); }
    QStringList formats() const override { return {plainText()}; }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType) const override
    {
        if (mimeType != plainText())
            return {};
        return text_.mid(from_, to_ - from_);
    }

private:
    static QString plainText() { return QStringLiteral("text/plain"); }
    QString text_;
    qsizetype from_;
    qsizetype to_;
};

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_Multi_key:
        return true;
    default:
        return key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay;
    }
}

qsizetype characterCount(const QString& a, const QString& b) { return a.size() + b.size(); }

// As much of a changed text as assistive technology is told.
QString announcedPart(QStringView part)
{
    qsizetype kept = std::min(part.size(), TextField::kAnnouncedCharacters);
    if (kept < part.size() && kept > 0 && part.at(kept - 1).isHighSurrogate())
        --kept;  // never half a character
    return part.first(kept).toString();
}

}  // namespace

// The laid-out part of the text: characters [start, end), and the composition
// before the character at the cursor when the cursor is among them. The one
// mapping between positions in the text and positions in the layout.
struct TextField::ShownLine {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype composedAt = -1;  // the cursor, when the composition is laid out here
    int composedLength = 0;
    std::unique_ptr<QTextLayout> layout;

    QTextLine line() const { return layout->lineAt(0); }
    qreal x(int inLayout) const { return line().cursorToX(inLayout); }
    // Where the text up to `position` ends: before a composition there.
    int endingAt(qsizetype position) const
    {
        return int(position - start) + (composedAt >= 0 && position > composedAt ? composedLength : 0);
    }
    // Where the character at `position` begins: after a composition there.
    int startingAt(qsizetype position) const
    {
        return int(position - start) + (composedAt >= 0 && position >= composedAt ? composedLength : 0);
    }
    // The text position of a place in the layout; within the composition, the cursor.
    qsizetype at(int inLayout) const
    {
        if (composedAt < 0 || inLayout <= composedAt - start)
            return start + inLayout;
        if (inLayout < composedAt - start + composedLength)
            return composedAt;
        return start + inLayout - composedLength;
    }
};

TextField::TextField(QWidget* parent) : QWidget(parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&textFieldAccessible);
        return true;
    }();
    (void)accessibleInstalled;
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAcceptDrops(true);
}

TextField::~TextField() = default;

// ---- Text and history ----------------------------------------------------

void TextField::setText(const QString& text)
{
    resetComposition();
    const qsizetype oldCursor = cursor_;
    const qsizetype oldAnchor = anchor_;
    const bool changed = text_.size() != text.size() || text_ != text;
    std::optional<Change> change;
    if (changed && QAccessible::isActive())
        change = changeOf(0, text_.size(), text);
    text_ = text;
    clearHistory();
    separated_ = true;
    cursor_ = anchor_ = text_.size();
    firstShown_ = std::min(firstShown_, text_.size());
    invalidateShown();
    if (change)
        announce(*change);
    cursorMoved(oldCursor, oldAnchor);
    if (changed)
        emit textChanged(text_);
}

void TextField::replaceRange(qsizetype start, qsizetype end, const QString& with, EditKind kind)
{
    if (start == end && with.isEmpty())
        return;
    const qsizetype oldCursor = cursor_;
    const qsizetype oldAnchor = anchor_;
    Step step;
    step.position = start;
    step.removed = text_.mid(start, end - start);
    step.insertedLength = with.size();
    step.cursorBefore = cursor_;
    step.anchorBefore = anchor_;
    step.kind = kind;
    splice(start, end - start, with);
    cursor_ = anchor_ = start + with.size();
    record(std::move(step));
    separated_ = false;
    finishEdit(oldCursor, oldAnchor);
}

void TextField::splice(qsizetype position, qsizetype length, const QString& with)
{
    if (QAccessible::isActive())
        unannounced_ = changeOf(position, length, with);
    if (position == 0 && length == text_.size())
        text_ = with;  // shares a pasted text instead of copying it
    else
        text_.replace(position, length, with);
}

void TextField::finishEdit(qsizetype oldCursor, qsizetype oldAnchor)
{
    invalidateShown();
    if (unannounced_) {
        const Change change = std::move(*unannounced_);
        unannounced_.reset();
        announce(change);
    }
    cursorMoved(oldCursor, oldAnchor);
    emit textChanged(text_);
    emit textEdited(text_);
}

void TextField::clearRedo()
{
    for (const Step& s : redo_)
        historyCharacters_ -= characterCount(s.removed, s.inserted);
    redo_.clear();
}

void TextField::record(Step step)
{
    clearRedo();
    step.joined = std::exchange(joinNext_, false);
    if (!separated_ && !undo_.empty()) {
        Step& last = undo_.back();
        if (step.kind == EditKind::Typing && last.kind == EditKind::Typing && step.removed.isEmpty()
            && step.position == last.position + last.insertedLength) {
            last.insertedLength += step.insertedLength;
            return;
        }
        if (step.kind == EditKind::Backspace && last.kind == EditKind::Backspace && last.insertedLength == 0
            && step.insertedLength == 0 && step.position + step.removed.size() == last.position) {
            last.removed.prepend(step.removed);
            last.position = step.position;
            historyCharacters_ += step.removed.size();
            keepWithinBudget();
            return;
        }
        if (step.kind == EditKind::Delete && last.kind == EditKind::Delete && last.insertedLength == 0
            && step.insertedLength == 0 && step.position == last.position) {
            last.removed.append(step.removed);
            historyCharacters_ += step.removed.size();
            keepWithinBudget();
            return;
        }
    }
    historyCharacters_ += step.removed.size();
    undo_.push_back(std::move(step));
    keepWithinBudget();
}

void TextField::keepWithinBudget()
{
    // The oldest steps go first; a step larger than the whole budget takes
    // the history with it.
    while (historyCharacters_ > kUndoBudget && !undo_.empty()) {
        historyCharacters_ -= characterCount(undo_.front().removed, undo_.front().inserted);
        undo_.pop_front();
    }
    while (historyCharacters_ > kUndoBudget && !redo_.empty()) {
        historyCharacters_ -= characterCount(redo_.front().removed, redo_.front().inserted);
        redo_.pop_front();
    }
}

void TextField::clearHistory()
{
    undo_.clear();
    redo_.clear();
    historyCharacters_ = 0;
}

void TextField::undo()
{
    while (undoStep()) {
    }
}

void TextField::redo()
{
    if (redoStep()) {
        while (!redo_.empty() && redo_.back().joined)
            redoStep();
    }
}

bool TextField::undoStep()
{
    // Whether the step undone was joined to the one before it (which then goes too).
    if (undo_.empty())
        return false;
    const qsizetype oldCursor = cursor_;
    const qsizetype oldAnchor = anchor_;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    const bool joined = step.joined;
    // Redoing needs what the step put in; when that does not fit the budget,
    // the step cannot be redone, and the older steps stay undoable.
    const bool redoable = historyCharacters_ + step.insertedLength <= kUndoBudget;
    if (redoable) {
        step.inserted = text_.mid(step.position, step.insertedLength);
        historyCharacters_ += step.inserted.size();
    }
    splice(step.position, step.insertedLength, step.removed);
    cursor_ = std::clamp<qsizetype>(step.cursorBefore, 0, text_.size());
    anchor_ = std::clamp<qsizetype>(step.anchorBefore, 0, text_.size());
    if (redoable) {
        redo_.push_back(std::move(step));
    } else {
        historyCharacters_ -= step.removed.size();
        clearRedo();
    }
    separated_ = true;
    finishEdit(oldCursor, oldAnchor);
    return joined && !undo_.empty();
}

bool TextField::redoStep()
{
    if (redo_.empty())
        return false;
    const qsizetype oldCursor = cursor_;
    const qsizetype oldAnchor = anchor_;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    splice(step.position, step.removed.size(), step.inserted);
    cursor_ = anchor_ = step.position + step.inserted.size();
    historyCharacters_ -= step.inserted.size();
    step.insertedLength = step.inserted.size();
    step.inserted.clear();
    undo_.push_back(std::move(step));
    separated_ = true;
    finishEdit(oldCursor, oldAnchor);
    return true;
}

// ---- Edits ---------------------------------------------------------------

void TextField::insert(const QString& text)
{
    separated_ = true;
    replaceRange(std::min(cursor_, anchor_), std::max(cursor_, anchor_), text, EditKind::Other);
    separated_ = true;
}

void TextField::backspace()
{
    if (hasSelectedText()) {
        replaceRange(std::min(cursor_, anchor_), std::max(cursor_, anchor_), {}, EditKind::Backspace);
        return;
    }
    if (cursor_ == 0)
        return;
    // One code point: an accent typed after its letter goes on its own.
    qsizetype start = cursor_ - 1;
    if (start > 0 && text_.at(start).isLowSurrogate() && text_.at(start - 1).isHighSurrogate())
        --start;
    replaceRange(start, cursor_, {}, EditKind::Backspace);
}

void TextField::del()
{
    if (hasSelectedText()) {
        replaceRange(std::min(cursor_, anchor_), std::max(cursor_, anchor_), {}, EditKind::Delete);
        return;
    }
    if (cursor_ < text_.size())
        replaceRange(cursor_, nextCharacter(cursor_), {}, EditKind::Delete);
}

QString TextField::selectedText() const
{
    return text_.mid(std::min(cursor_, anchor_), selectionLength());
}

void TextField::cut()
{
    if (!hasSelectedText())
        return;
    copy();
    separated_ = true;
    replaceRange(std::min(cursor_, anchor_), std::max(cursor_, anchor_), {}, EditKind::Other);
}

void TextField::copy() const
{
    if (hasSelectedText())
        QGuiApplication::clipboard()->setText(selectedText());
}

void TextField::paste()
{
    const QString clip = QGuiApplication::clipboard()->text();
    if (!clip.isEmpty() || hasSelectedText())
        insert(clip);
}

void TextField::completeInline()
{
    if (completions_.isEmpty() || text_.isEmpty() || hasSelectedText() || cursor_ != text_.size())
        return;
    for (const QString& completion : completions_) {
        if (completion.size() > text_.size() && completion.startsWith(text_)) {
            const qsizetype typedEnd = text_.size();
            separated_ = true;
            replaceRange(typedEnd, typedEnd, completion.mid(typedEnd), EditKind::Other);
            separated_ = true;
            setSelection(text_.size(), typedEnd - text_.size());
            return;
        }
    }
}

// ---- Cursor and selection ------------------------------------------------

void TextField::setCursorPosition(qsizetype position)
{
    moveCursor(safeBoundary(std::clamp<qsizetype>(position, 0, text_.size())), false);
}

void TextField::setSelection(qsizetype start, qsizetype length)
{
    const qsizetype oldCursor = cursor_;
    const qsizetype oldAnchor = anchor_;
    anchor_ = safeBoundary(std::clamp<qsizetype>(start, 0, text_.size()));
    cursor_ = safeBoundary(std::clamp<qsizetype>(start + length, 0, text_.size()));
    separated_ = true;
    cursorMoved(oldCursor, oldAnchor);
}

void TextField::selectAll()
{
    setSelection(0, text_.size());
}

void TextField::deselect()
{
    setSelection(cursor_, 0);
}

void TextField::moveCursor(qsizetype position, bool select)
{
    const qsizetype oldCursor = cursor_;
    const qsizetype oldAnchor = anchor_;
    cursor_ = position;
    if (!select)
        anchor_ = position;
    separated_ = true;
    cursorMoved(oldCursor, oldAnchor);
}

void TextField::cursorMoved(qsizetype oldCursor, qsizetype oldAnchor)
{
    scrollToCursor();
    if (hasFocus())
        startBlinking();
    update();
    updateMicroFocus();
    const bool selectionMoved = (oldCursor != oldAnchor || cursor_ != anchor_)
                                && (std::min(oldCursor, oldAnchor) != std::min(cursor_, anchor_)
                                    || std::max(oldCursor, oldAnchor) != std::max(cursor_, anchor_));
    if (QAccessible::isActive()) {
        if (oldCursor != cursor_) {
            QAccessibleTextCursorEvent event(this, int(cursor_));
            QAccessible::updateAccessibility(&event);
        }
        if (selectionMoved) {
            const bool selected = hasSelectedText();
            QAccessibleTextSelectionEvent event(this, selected ? int(std::min(cursor_, anchor_)) : -1,
                                                selected ? int(std::max(cursor_, anchor_)) : -1);
            event.setCursorPosition(int(cursor_));
            QAccessible::updateAccessibility(&event);
        }
    }
    if (selectionMoved)
        offerSelection();
    if (oldCursor != cursor_)
        emit cursorPositionChanged(oldCursor, cursor_);
    if (selectionMoved)
        emit selectionChanged();
}

TextField::Change TextField::changeOf(qsizetype position, qsizetype length, const QString& with) const
{
    return {position, announcedPart(QStringView(text_).sliced(position, length)), length, with};
}

void TextField::announce(const Change& change)
{
    // An edit of a usual size is told as it is: what came in, what went, or
    // both. A huge one (a pasted or deleted megabyte) is told as an update by
    // the beginnings of both, so that no event carries megabytes.
    const int at = int(change.position);
    const bool huge = change.removedLength > kAnnouncedCharacters || change.inserted.size() > kAnnouncedCharacters;
    if (!huge && change.removedLength == 0) {
        QAccessibleTextInsertEvent event(this, at, change.inserted);
        QAccessible::updateAccessibility(&event);
    } else if (!huge && change.inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(this, at, change.removed);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(this, at, change.removed, announcedPart(change.inserted));
        event.setCursorPosition(int(change.position + change.inserted.size()));
        QAccessible::updateAccessibility(&event);
    }
}

qsizetype TextField::safeBoundary(qsizetype position) const
{
    if (position > 0 && position < text_.size() && text_.at(position).isLowSurrogate()
        && text_.at(position - 1).isHighSurrogate())
        return position - 1;
    return position;
}

qsizetype TextField::nextCharacter(qsizetype position) const
{
    if (position >= text_.size())
        return text_.size();
    const qsizetype end = std::min(text_.size(), position + kCharacterWindow);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text_.constData() + position, end - position);
    finder.setPosition(0);
    const qsizetype next = finder.toNextBoundary();
    return next > 0 ? position + next : safeBoundary(end) > position ? safeBoundary(end) : end;
}

qsizetype TextField::previousCharacter(qsizetype position) const
{
    if (position <= 0)
        return 0;
    qsizetype start = std::max<qsizetype>(0, position - kCharacterWindow);
    if (start > 0 && text_.at(start).isLowSurrogate())
        ++start;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text_.constData() + start, position - start);
    finder.setPosition(position - start);
    const qsizetype previous = finder.toPreviousBoundary();
    return previous >= 0 && start + previous < position ? start + previous : safeBoundary(position - 1);
}

qsizetype TextField::nextWord(qsizetype position) const
{
    // To the start of the next word, past blanks and signs.
    qsizetype i = position;
    while (i < text_.size() && isWordCharacter(text_.at(i)))
        ++i;
    while (i < text_.size() && !isWordCharacter(text_.at(i)))
        ++i;
    return i;
}

qsizetype TextField::previousWord(qsizetype position) const
{
    qsizetype i = position;
    while (i > 0 && !isWordCharacter(text_.at(i - 1)))
        --i;
    while (i > 0 && isWordCharacter(text_.at(i - 1)))
        --i;
    return i;
}

qsizetype TextField::wordEnd(qsizetype position) const
{
    qsizetype i = position;
    while (i < text_.size() && isWordCharacter(text_.at(i)))
        ++i;
    return i;
}

// ---- What is shown -------------------------------------------------------

void TextField::setFrame(bool frame)
{
    frame_ = frame;
    invalidateShown();
    update();
}

QRect TextField::textRect() const
{
    QRect r = rect();
    if (frame_) {
        QStyleOptionFrame option;
        option.initFrom(this);
        option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
        r = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    }
    return r.adjusted(kHorizontalMargin, 0, -kHorizontalMargin, 0);
}

QPointF TextField::textOrigin() const
{
    QRect r = textRect().adjusted(0, kVerticalMargin, 0, -kVerticalMargin);
    const int height = QFontMetrics(font()).height();
    return {r.x() - shift_, qreal(r.y() + (r.height() - height + 1) / 2)};
}

void TextField::invalidateShown()
{
    shown_.reset();
}

TextField::ShownLine TextField::layOut(qsizetype start, qsizetype end) const
{
    ShownLine shown;
    shown.start = start;
    shown.end = end;
    QString characters = shownCharacters(QStringView(text_).sliced(start, end - start));
    QList<QTextLayout::FormatRange> formats;
    if (!composition_.text.isEmpty() && cursor_ >= start && cursor_ <= end) {
        const int at = int(cursor_ - start);
        shown.composedAt = cursor_;
        shown.composedLength = int(composition_.text.size());
        characters.insert(at, shownCharacters(composition_.text));
        for (QTextLayout::FormatRange range : composition_.formats) {
            range.start += at;
            formats.append(range);
        }
    }
    shown.layout = std::make_unique<QTextLayout>(characters, font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    shown.layout->setTextOption(option);
    shown.layout->setCacheEnabled(true);
    if (!formats.isEmpty())
        shown.layout->setFormats(formats);
    shown.layout->beginLayout();
    QTextLine line = shown.layout->createLine();
    line.setLineWidth(kUnboundedLine);
    shown.layout->endLayout();
    return shown;
}

int TextField::caretInLayout(const ShownLine& shown) const
{
    const int at = shown.endingAt(std::clamp(cursor_, shown.start, shown.end));
    return shown.composedAt >= 0 ? at + std::clamp(composition_.caret, 0, shown.composedLength) : at;
}

const TextField::ShownLine& TextField::shownLine() const
{
    if (shown_)
        return *shown_;
    const qreal room = textRect().width() + shift_;
    const qsizetype start = std::min(firstShown_, text_.size());
    const int narrowest = std::max(1, QFontMetrics(font()).horizontalAdvance(QLatin1Char('i')));
    qsizetype chunk = std::max<qsizetype>(32, qsizetype(room / narrowest) + 8);
    std::unique_ptr<ShownLine> shown;
    for (;;) {
        qsizetype end = std::min(text_.size(), start + std::min(chunk, kMostShown));
        if (end < text_.size() && text_.at(end).isLowSurrogate())
            ++end;
        shown = std::make_unique<ShownLine>(layOut(start, end));
        if (end == text_.size() || chunk >= kMostShown || shown->line().naturalTextWidth() > room)
            break;
        chunk *= 2;
    }
    shown_ = std::move(shown);
    return *shown_;
}

TextField::Scroll TextField::scrollShowingUpTo(qsizetype end) const
{
    const qreal room = textRect().width() - 1;
    const int narrowest = std::max(1, QFontMetrics(font()).horizontalAdvance(QLatin1Char('i')));
    qsizetype chunk = std::max<qsizetype>(32, qsizetype(room / narrowest) + 8);
    for (;;) {
        const qsizetype begin = safeBoundary(std::max<qsizetype>(0, end - std::min(chunk, kMostShown)));
        const ShownLine candidate = layOut(begin, end);
        const QTextLine line = candidate.line();
        const qreal width = line.naturalTextWidth();
        if (width <= room) {
            if (begin == 0 || chunk >= kMostShown)
                return {begin, 0};
            chunk *= 2;
            continue;
        }
        // Shifted left by the part that does not fit, in whole pixels as Qt's
        // line edit scrolls; shown from the character that the left edge of
        // the inner margin cuts (from the cursor when it cuts the composition).
        const qreal hidden = qRound(width) - room;
        const qreal edge = std::max<qreal>(0, hidden - kHorizontalMargin);
        const int length = int(candidate.layout->text().size());
        int position = line.xToCursor(edge, QTextLine::CursorBetweenCharacters);
        while (position > 0 && line.cursorToX(position) > edge)
            position = candidate.layout->previousCursorPosition(position);
        while (position < length && line.cursorToX(candidate.layout->nextCursorPosition(position)) <= edge)
            position = candidate.layout->nextCursorPosition(position);
        const qsizetype first = candidate.at(position);
        return {first, hidden - line.cursorToX(candidate.endingAt(first))};
    }
}

void TextField::scrollToCursor()
{
    // As Qt's line edit scrolls: a text that fits is shown from its start; the
    // cursor, and a composition up to its end, stay left of the last pixel; no
    // room is left empty on the right while text is hidden on the left.
    const qreal room = textRect().width() - 1;
    const bool composing = !composition_.text.isEmpty();
    firstShown_ = std::min(firstShown_, text_.size());
    if (cursor_ < firstShown_ || (cursor_ == firstShown_ && shift_ > 0 && !composing)) {
        firstShown_ = cursor_;
        shift_ = 0;
    }
    invalidateShown();
    const auto scrollTo = [this](Scroll scroll) {
        firstShown_ = scroll.first;
        shift_ = scroll.shift;
        invalidateShown();
    };
    {
        const ShownLine& shown = shownLine();
        if (cursor_ > shown.end || shown.x(shown.startingAt(cursor_)) - shift_ > room) {
            scrollTo(scrollShowingUpTo(cursor_));
        } else if ((firstShown_ > 0 || shift_ > 0) && shown.end == text_.size()
                   && shown.line().naturalTextWidth() - shift_ < room) {
            const Scroll rightAligned = scrollShowingUpTo(text_.size());
            if (rightAligned.first < firstShown_
                || (rightAligned.first == firstShown_ && rightAligned.shift < shift_))
                scrollTo(rightAligned);
        }
    }
    if (composing) {
        // A composition cut on the left is shown from its start when it fits,
        // or when the caret in it would be hidden.
        const ShownLine& shown = shownLine();
        if (cursor_ >= shown.start && cursor_ <= shown.end) {
            const qreal left = shown.x(shown.endingAt(cursor_)) - shift_;
            const qreal width = shown.x(shown.startingAt(cursor_)) - shown.x(shown.endingAt(cursor_));
            if (left < 0 && (width <= room || shown.x(caretInLayout(shown)) - shift_ < 0)) {
                firstShown_ = cursor_;
                shift_ = 0;
                invalidateShown();
            }
        }
    }
}

qsizetype TextField::positionAt(QPoint point) const
{
    const ShownLine& shown = shownLine();
    const qreal x = point.x() - textOrigin().x();
    return safeBoundary(std::clamp<qsizetype>(shown.at(shown.line().xToCursor(x)), 0, text_.size()));
}

QRect TextField::cursorRect() const
{
    const ShownLine& shown = shownLine();
    const qreal x = textOrigin().x() + shown.x(caretInLayout(shown));
    return {qRound(x), qRound(textOrigin().y()), style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this),
            QFontMetrics(font()).height()};
}

QRect TextField::characterRect(qsizetype position) const
{
    if (position < 0 || position >= text_.size())
        return {};
    const ShownLine& shown = shownLine();
    if (position < shown.start || position >= shown.end)
        return {};
    const QPointF origin = textOrigin();
    const int left = qFloor(origin.x() + shown.x(shown.startingAt(position)));
    const int right = qCeil(origin.x() + shown.x(shown.endingAt(std::min(nextCharacter(position), shown.end))));
    const QRect r(left, qRound(origin.y()), right - left, QFontMetrics(font()).height());
    return r.intersects(textRect().adjusted(-kHorizontalMargin, 0, kHorizontalMargin, 0)) ? r : QRect();
}

void TextField::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = rect();
    option.lineWidth = frame_ ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);

    // Clipped to the frame's inside, margins included, as Qt's line edit does.
    const QRect clip = textRect().adjusted(-kHorizontalMargin, 0, kHorizontalMargin, 0);
    painter.setClipRect(clip);
    const ShownLine& shown = shownLine();
    const QPointF origin = textOrigin();
    QList<QTextLayout::FormatRange> selections;
    if (hasSelectedText()) {
        const qsizetype from = std::max(std::min(cursor_, anchor_), shown.start);
        const qsizetype to = std::min(std::max(cursor_, anchor_), shown.end);
        if (from < to) {
            QTextLayout::FormatRange range;
            range.start = shown.startingAt(from);
            range.length = shown.endingAt(to) - range.start;
            range.format.setBackground(palette().brush(QPalette::Highlight));
            range.format.setForeground(palette().brush(QPalette::HighlightedText));
            selections.append(range);
        }
    }
    painter.setPen(palette().color(QPalette::Text));
    shown.layout->draw(&painter, origin, selections, clip);
    const int cursorWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    if (hasFocus() && cursorShown_ && cursor_ >= shown.start && cursor_ <= shown.end
        && (shown.composedAt < 0 || composition_.caretShown))
        shown.layout->drawCursor(&painter, origin, caretInLayout(shown), cursorWidth);
    if (dropAt_ >= shown.start && dropAt_ <= shown.end)  // where a dragged text would go
        shown.layout->drawCursor(&painter, origin, shown.endingAt(dropAt_), cursorWidth);
}

QSize TextField::sizeHint() const
{
    const QFontMetrics metrics(font());
    const QSize contents(metrics.horizontalAdvance(QLatin1Char('x')) * 17 + 2 * kHorizontalMargin,
                         metrics.height() + 2 * kVerticalMargin);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = frame_ ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) : 0;
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, this);
}

QSize TextField::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.maxWidth() + 2 * kHorizontalMargin, metrics.height() + 2 * kVerticalMargin};
}

// ---- Events --------------------------------------------------------------

bool TextField::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Editing keys belong to the box, not to a window's shortcuts.
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut)
            || key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
            || key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::DeleteStartOfWord)
            || key->matches(QKeySequence::DeleteEndOfWord) || key->matches(QKeySequence::MoveToNextWord)
            || key->matches(QKeySequence::MoveToPreviousWord) || key->matches(QKeySequence::SelectNextWord)
            || key->matches(QKeySequence::SelectPreviousWord)) {
            key->accept();
            return true;
        }
        if (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier || modifiers == Qt::KeypadModifier) {
            const int k = key->key();
            if (k < Qt::Key_Escape || k == Qt::Key_Delete || k == Qt::Key_Home || k == Qt::Key_End
                || k == Qt::Key_Backspace || k == Qt::Key_Left || k == Qt::Key_Right) {
                key->accept();
                return true;
            }
        }
    }
    // Every entry from Qt ends here: an error goes to the error box.
    bool handled = false;
    runGuarded([&] { handled = QWidget::event(event); });
    return handled;
}

bool TextField::handleStandardKey(QKeyEvent* event)
{
    const auto is = [event](QKeySequence::StandardKey key) { return event->matches(key); };
    const qsizetype selectionFrom = std::min(cursor_, anchor_);
    const qsizetype selectionTo = std::max(cursor_, anchor_);
    if (is(QKeySequence::Undo))
        undo();
    else if (is(QKeySequence::Redo))
        redo();
    else if (is(QKeySequence::Cut))
        cut();
    else if (is(QKeySequence::Copy))
        copy();
    else if (is(QKeySequence::Paste))
        paste();
    else if (is(QKeySequence::SelectAll))
        selectAll();
    else if (is(QKeySequence::MoveToNextChar))
        moveCursor(hasSelectedText() ? selectionTo : nextCharacter(cursor_), false);
    else if (is(QKeySequence::MoveToPreviousChar))
        moveCursor(hasSelectedText() ? selectionFrom : previousCharacter(cursor_), false);
    else if (is(QKeySequence::SelectNextChar))
        moveCursor(nextCharacter(cursor_), true);
    else if (is(QKeySequence::SelectPreviousChar))
        moveCursor(previousCharacter(cursor_), true);
    else if (is(QKeySequence::MoveToNextWord))
        moveCursor(nextWord(cursor_), false);
    else if (is(QKeySequence::MoveToPreviousWord))
        moveCursor(previousWord(cursor_), false);
    else if (is(QKeySequence::SelectNextWord))
        moveCursor(nextWord(cursor_), true);
    else if (is(QKeySequence::SelectPreviousWord))
        moveCursor(previousWord(cursor_), true);
    else if (is(QKeySequence::MoveToStartOfLine) || is(QKeySequence::MoveToStartOfBlock)
             || is(QKeySequence::MoveToStartOfDocument))
        moveCursor(0, false);
    else if (is(QKeySequence::MoveToEndOfLine) || is(QKeySequence::MoveToEndOfBlock)
             || is(QKeySequence::MoveToEndOfDocument))
        moveCursor(text_.size(), false);
    else if (is(QKeySequence::SelectStartOfLine) || is(QKeySequence::SelectStartOfBlock)
             || is(QKeySequence::SelectStartOfDocument))
        moveCursor(0, true);
    else if (is(QKeySequence::SelectEndOfLine) || is(QKeySequence::SelectEndOfBlock)
             || is(QKeySequence::SelectEndOfDocument))
        moveCursor(text_.size(), true);
    else if (is(QKeySequence::DeleteStartOfWord)) {
        if (hasSelectedText())
            del();
        else
            replaceRange(previousWord(cursor_), cursor_, {}, EditKind::Other);
    } else if (is(QKeySequence::DeleteEndOfWord)) {
        if (hasSelectedText())
            del();
        else
            replaceRange(cursor_, nextWord(cursor_), {}, EditKind::Other);
    } else if (is(QKeySequence::Delete))
        del();
    else if (event->key() == Qt::Key_Backspace
             && !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
        backspace();
    else
        return false;
    return true;
}

void TextField::keyPressEvent(QKeyEvent* event)
{
    // A key the input method lets through acts on the text with the composition
    // in it; a modifier or a dead key alone leaves the composition as it is.
    if (!isModifierKey(event->key()))
        commitComposition();
    if (handleStandardKey(event)) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    bool acceptable = false;
    if (!typed.isEmpty()) {
        const QChar c = typed.at(0);
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        if (c.category() == QChar::Other_Format)
            acceptable = true;
        else if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))
            acceptable = false;
        else
            acceptable = c.isPrint() || c.category() == QChar::Other_PrivateUse
                         || (c.isHighSurrogate() && typed.size() > 1 && typed.at(1).isLowSurrogate());
    }
    if (!acceptable) {
        event->ignore();
        return;
    }
    replaceRange(std::min(cursor_, anchor_), std::max(cursor_, anchor_), typed, EditKind::Typing);
    completeInline();
    event->accept();
}

void TextField::inputMethodEvent(QInputMethodEvent* event)
{
    // Positions of a selection asked for are counted in the surrounding text
    // the input method was given.
    const qsizetype surroundingStart = safeBoundary(std::max<qsizetype>(0, cursor_ - kSurroundingText));
    const QString commit = event->commitString();
    if (!commit.isEmpty() || event->replacementLength() > 0) {
        qsizetype from = std::min(cursor_, anchor_);
        qsizetype to = std::max(cursor_, anchor_);
        if (event->replacementLength() > 0) {
            from = std::clamp<qsizetype>(cursor_ + event->replacementStart(), 0, text_.size());
            to = std::clamp<qsizetype>(from + event->replacementLength(), from, text_.size());
        }
        replaceRange(safeBoundary(from), safeBoundary(to), commit, EditKind::Typing);
    } else if (hasSelectedText() && event->preeditString() != composition_.text) {
        // Composing over a selection replaces it, as typing does.
        replaceRange(std::min(cursor_, anchor_), std::max(cursor_, anchor_), {}, EditKind::Typing);
    }

    Composition composition;
    composition.text = event->preeditString();
    composition.caret = int(composition.text.size());
    bool formatted = false;
    for (const QInputMethodEvent::Attribute& a : event->attributes()) {
        if (a.type == QInputMethodEvent::Cursor) {
            composition.caret = std::clamp(a.start, 0, int(composition.text.size()));
            composition.caretShown = a.length != 0;
        } else if (a.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format = qvariant_cast<QTextFormat>(a.value).toCharFormat();
            const int start = std::clamp(a.start, 0, int(composition.text.size()));
            const int length = std::clamp(a.length, 0, int(composition.text.size()) - start);
            if (format.isValid() && length > 0)
                composition.formats.append({start, length, format});
            formatted = true;
        } else if (a.type == QInputMethodEvent::Selection && composition.text.isEmpty()) {
            const qsizetype start = std::clamp<qsizetype>(surroundingStart + a.start, 0, text_.size());
            setSelection(start, std::clamp<qsizetype>(start + a.length, 0, text_.size()) - start);
        }
    }
    if (!composition.text.isEmpty() && !formatted) {
        // An input method that sends no formats still sees its text set apart.
        QTextCharFormat underlined;
        underlined.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        composition.formats.append({0, int(composition.text.size()), underlined});
    }
    const bool changed = composition.text != composition_.text || composition.caret != composition_.caret
                         || composition.caretShown != composition_.caretShown
                         || composition.formats != composition_.formats;
    composition_ = std::move(composition);
    if (changed) {
        invalidateShown();
        scrollToCursor();
        if (hasFocus())
            startBlinking();
        update();
        updateMicroFocus();
    }
    event->accept();
}

void TextField::commitComposition()
{
    if (composition_.text.isEmpty())
        return;
    // The input method commits what it composes as it does on a change of focus;
    // one that does not leaves it here, and it goes in as typed.
    if (hasFocus())
        QGuiApplication::inputMethod()->commit();
    if (composition_.text.isEmpty())
        return;
    const QString composed = std::exchange(composition_, {}).text;
    invalidateShown();
    replaceRange(std::min(cursor_, anchor_), std::max(cursor_, anchor_), composed, EditKind::Typing);
    if (hasFocus())
        QGuiApplication::inputMethod()->reset();
}

void TextField::resetComposition()
{
    if (hasFocus())
        QGuiApplication::inputMethod()->reset();
    if (composition_.text.isEmpty())
        return;
    composition_ = {};
    invalidateShown();
    update();
}

QVariant TextField::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // An input method sees the text around the cursor, never all of it.
    const qsizetype from = safeBoundary(std::max<qsizetype>(0, cursor_ - kSurroundingText));
    const qsizetype to = safeBoundary(std::min(text_.size(), cursor_ + kSurroundingText));
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle:
        return QRectF(cursorRect());
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return int(cursor_ - from);
    case Qt::ImAnchorPosition:
        return int(std::clamp(anchor_, from, to) - from);
    case Qt::ImSurroundingText:
        return text_.mid(from, to - from);
    case Qt::ImCurrentSelection: {
        const qsizetype a = std::clamp(std::min(cursor_, anchor_), from, to);
        const qsizetype b = std::clamp(std::max(cursor_, anchor_), from, to);
        return text_.mid(a, b - a);
    }
    case Qt::ImReadOnly:
        return false;
    default:
        return QWidget::inputMethodQuery(query);
    }
}

void TextField::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (!composition_.text.isEmpty() && (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)) {
        // A click into the composition is the input method's; elsewhere it commits the composition first.
        const ShownLine& shown = shownLine();
        const int inLayout = shown.line().xToCursor(point.x() - textOrigin().x());
        if (shown.composedAt >= 0 && inLayout >= shown.endingAt(cursor_) && inLayout <= shown.startingAt(cursor_)) {
            QGuiApplication::inputMethod()->invokeAction(QInputMethod::Click, inLayout - shown.endingAt(cursor_));
            event->accept();
            return;
        }
        commitComposition();
    }
    if (event->button() == Qt::LeftButton && tripleClickTimer_.isActive()
        && (point - tripleClickAt_).manhattanLength() < QApplication::startDragDistance()) {
        tripleClickTimer_.stop();
        selectAll();
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        const qsizetype at = positionAt(point);
        if (hasSelectedText() && !(event->modifiers() & Qt::ShiftModifier) && at > std::min(cursor_, anchor_)
            && at < std::max(cursor_, anchor_)) {
            // Pressed on the selection: dragging it away, or a click that only moves the cursor.
            mayDrag_ = true;
            dragStart_ = point;
            event->accept();
            return;
        }
        selectingWithMouse_ = true;
        moveCursor(at, event->modifiers() & Qt::ShiftModifier);
        event->accept();
        return;
    }
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        const QString selection = QGuiApplication::clipboard()->text(QClipboard::Selection);
        moveCursor(positionAt(point), false);
        if (!selection.isEmpty())
            insert(selection);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TextField::mouseMoveEvent(QMouseEvent* event)
{
    if (mayDrag_) {
        if ((event->position().toPoint() - dragStart_).manhattanLength() >= QApplication::startDragDistance()) {
            mayDrag_ = false;
            dragSelection();
        }
        return;
    }
    if (!selectingWithMouse_ || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QRect r = textRect();
    const QPoint at = event->position().toPoint();
    qsizetype position;
    if (at.x() < r.left())
        position = previousCharacter(firstShown_);  // drags the text to the right
    else if (at.x() > r.right())
        position = nextCharacter(positionAt({r.right(), at.y()}));
    else
        position = positionAt(at);
    moveCursor(position, true);
}

void TextField::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && mayDrag_) {
        mayDrag_ = false;
        moveCursor(positionAt(event->position().toPoint()), false);
        return;
    }
    if (event->button() == Qt::LeftButton && selectingWithMouse_) {
        selectingWithMouse_ = false;
        offerSelection();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TextField::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    // Selects the word (or the run of blanks, or the sign) under the mouse.
    qsizetype at = positionAt(event->position().toPoint());
    if (at == text_.size() && at > 0)
        at = previousCharacter(at);
    qsizetype from = at;
    qsizetype to = nextCharacter(at);
    if (at < text_.size()) {
        const QChar c = text_.at(at);
        const auto same = [&c](QChar other) {
            return isWordCharacter(c) ? isWordCharacter(other) : c.isSpace() && other.isSpace();
        };
        if (isWordCharacter(c) || c.isSpace()) {
            while (from > 0 && same(text_.at(from - 1)))
                --from;
            to = at;
            while (to < text_.size() && same(text_.at(to)))
                ++to;
        }
    }
    setSelection(from, to - from);
    offerSelection();
    tripleClickTimer_.start(QApplication::doubleClickInterval(), this);
    tripleClickAt_ = event->position().toPoint();
}

void TextField::dragSelection()
{
    auto* data = new QMimeData;
    data->setText(selectedText());
    QDrag drag(this);
    drag.setMimeData(data);
    movedWithin_ = false;
    const qsizetype from = std::min(cursor_, anchor_);
    const qsizetype to = std::max(cursor_, anchor_);
    const QString dragged = selectedText();
    // Moved to another program or field: the text leaves this one. A move
    // within this field has already been made by the drop.
    if (drag.exec(Qt::CopyAction | Qt::MoveAction) == Qt::MoveAction && !movedWithin_ && to <= text_.size()
        && QStringView(text_).sliced(from, to - from) == dragged) {
        separated_ = true;
        replaceRange(from, to, {}, EditKind::Other);
    }
}

void TextField::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TextField::dragMoveEvent(QDragMoveEvent* event)
{
    const qsizetype at = positionAt(event->position().toPoint());
    const bool own = event->source() == this;
    if (!event->mimeData()->hasText()
        || (own && at >= std::min(cursor_, anchor_) && at <= std::max(cursor_, anchor_))) {
        event->ignore();
        if (dropAt_ >= 0) {
            dropAt_ = -1;
            update();
        }
        return;
    }
    if (own)
        event->setDropAction((event->modifiers() & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction);
    else
        event->acceptProposedAction();
    event->accept();
    dropAt_ = at;
    update();
}

void TextField::dragLeaveEvent(QDragLeaveEvent*)
{
    dropAt_ = -1;
    update();
}

void TextField::dropEvent(QDropEvent* event)
{
    dropAt_ = -1;
    update();
    const QString dropped = event->mimeData()->text();
    qsizetype at = positionAt(event->position().toPoint());
    const qsizetype from = std::min(cursor_, anchor_);
    const qsizetype to = std::max(cursor_, anchor_);
    const bool own = event->source() == this;
    if (own && at >= from && at <= to) {
        event->ignore();
        return;
    }
    const Qt::DropAction action =
        own ? ((event->modifiers() & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction) : event->proposedAction();
    if (own && action == Qt::MoveAction) {
        separated_ = true;
        replaceRange(from, to, {}, EditKind::Other);
        if (at > to)
            at -= to - from;
        movedWithin_ = true;
    }
    moveCursor(at, false);
    joinNext_ = own && action == Qt::MoveAction;  // a move is one step back
    insert(dropped);
    joinNext_ = false;
    setSelection(at, dropped.size());
    event->setDropAction(action);
    event->accept();
}

void TextField::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        && !hasSelectedText())
        selectAll();
    startBlinking();
    update();
    QWidget::focusInEvent(event);
}

void TextField::focusOutEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    // What is being composed stays while a menu is open; otherwise it is typed.
    if (reason != Qt::PopupFocusReason)
        commitComposition();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        deselect();
    stopBlinking();
    update();
    QWidget::focusOutEvent(event);
}

void TextField::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu opens without a local event loop and deletes itself on closing.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [&](const char* text, QKeySequence::StandardKey key, bool enabled, auto action) {
        QString caption = QCoreApplication::translate("QLineEdit", text);
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        if (!shortcut.isEmpty())
            caption += QLatin1Char('\t') + shortcut;
        QAction* a = menu->addAction(caption);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, [this, action] { runGuarded([&] { (this->*action)(); }); });
    };
    const bool selected = hasSelectedText();
    add("&Undo", QKeySequence::Undo, isUndoAvailable(), &TextField::undo);
    add("&Redo", QKeySequence::Redo, isRedoAvailable(), &TextField::redo);
    menu->addSeparator();
    add("Cu&t", QKeySequence::Cut, selected, &TextField::cut);
    add("&Copy", QKeySequence::Copy, selected, &TextField::copy);
    add("&Paste", QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(), &TextField::paste);
    add("Delete", QKeySequence::UnknownKey, selected, &TextField::del);
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll, !text_.isEmpty() && selectionLength() != text_.size(),
        &TextField::selectAll);
    if (menu_)
        menu_->close();
    menu_ = menu;
    menu->popup(event->globalPos());
    event->accept();
}

void TextField::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == blinkTimer_.timerId()) {
        cursorShown_ = !cursorShown_;
        update(cursorRect().adjusted(-2, -2, 2, 2));
        return;
    }
    if (event->timerId() == tripleClickTimer_.timerId()) {
        tripleClickTimer_.stop();
        return;
    }
    QWidget::timerEvent(event);
}

void TextField::resizeEvent(QResizeEvent* event)
{
    invalidateShown();
    scrollToCursor();
    QWidget::resizeEvent(event);
}

void TextField::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        invalidateShown();
        scrollToCursor();
        update();
        break;
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TextField::startBlinking()
{
    cursorShown_ = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (flash >= 2)
        blinkTimer_.start(flash / 2, this);
    else
        blinkTimer_.stop();
}

void TextField::stopBlinking()
{
    blinkTimer_.stop();
    cursorShown_ = false;
}

void TextField::offerSelection() const
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (hasSelectedText() && clipboard->supportsSelection())
        clipboard->setMimeData(new OfferedSelection(text_, std::min(cursor_, anchor_), std::max(cursor_, anchor_)),
                               QClipboard::Selection);
}

}  // namespace termalo
