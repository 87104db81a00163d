#include "shell/text_control.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTextCharFormat>

#include <utility>

namespace termalo {

namespace {

qsizetype characterCount(const QString& a, const QString& b) { return a.size() + b.size(); }

// The selection offered to other programs. It reads the selected part from the
// control when a program asks, so that offering it costs nothing; before the
// text changes, the control has it keep the selected part, and only that.
class SelectionOffer : public QMimeData {
public:
    SelectionOffer(const TextControl* control, qsizetype from, qsizetype to) : control_(control), from_(from), to_(to)
    {
    }

    void keep()
    {
        kept_ = read();
        control_ = nullptr;
    }

    bool hasFormat(const QString& mimeType) const override { return mimeType == plainText(); }
    QStringList formats() const override { return {plainText()}; }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType) const override
    {
        if (mimeType != plainText())
            return {};
        return read();
    }

private:
    static QString plainText() { return QStringLiteral("text/plain"); }
    QString read() const { return control_ ? control_->text().mid(from_, to_ - from_) : kept_; }

    QPointer<const TextControl> control_;
    qsizetype from_;
    qsizetype to_;
    QString kept_;
};

// What the input method composes, as its event says: the text, the caret and the formats.
Composition compositionOf(const QInputMethodEvent& event)
{
    Composition composition;
    composition.text = event.preeditString();
    const int length = int(composition.text.size());
    composition.caret = length;
    bool formatted = false;
    for (const QInputMethodEvent::Attribute& a : event.attributes()) {
        if (a.type == QInputMethodEvent::Cursor) {
            composition.caret = std::clamp(a.start, 0, length);
            composition.caretShown = a.length != 0;
        } else if (a.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format = qvariant_cast<QTextFormat>(a.value).toCharFormat();
            const int start = std::clamp(a.start, 0, length);
            const int formatLength = std::clamp(a.length, 0, length - start);
            if (format.isValid() && formatLength > 0)
                composition.formats.append({start, formatLength, format});
            formatted = true;
        }
    }
    if (!composition.isEmpty() && !formatted) {
        // An input method that sends no formats still sees its text set apart.
        QTextCharFormat underlined;
        underlined.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        composition.formats.append({0, length, underlined});
    }
    return composition;
}

}  // namespace

QString announcedPart(QStringView part)
{
    qsizetype kept = std::min(part.size(), TextControl::kAnnouncedCharacters);
    if (kept < part.size() && kept > 0 && part.at(kept - 1).isHighSurrogate())
        --kept;  // never half a character
    return part.first(kept).toString();
}

TextControl::TextControl(QObject* parent) : QObject(parent) {}

TextControl::~TextControl()
{
    keepOfferedSelection();
}

// ---- The text as a program sets it -----------------------------------------

void TextControl::setText(const QString& text)
{
    // A new text drops what is being composed, in the input method too.
    emit inputMethodResetRequested();
    composition_ = {};
    const qsizetype oldCursor = cursor_;
    const qsizetype oldAnchor = anchor_;
    const bool changed = text_.size() != text.size() || text_ != text;
    std::optional<TextChange> change;
    if (changed) {
        keepOfferedSelection();
        if (QAccessible::isActive())
            change = TextChange{0, announcedPart(text_), text_.size(), text};
    }
    text_ = text;
    clearHistory();
    separated_ = true;
    cursor_ = anchor_ = text_.size();
    emit textReplaced(change ? &*change : nullptr);
    emit cursorMoved(oldCursor, oldAnchor);
    if (changed)
        emit textChanged(text_);
}

// ---- Edits ---------------------------------------------------------------------

void TextControl::replaceRange(qsizetype start, qsizetype end, const QString& with, EditKind kind)
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

void TextControl::splice(qsizetype position, qsizetype length, const QString& with)
{
    keepOfferedSelection();
    if (QAccessible::isActive())
        unannounced_ = TextChange{position, announcedPart(QStringView(text_).sliced(position, length)), length, with};
    if (position == 0 && length == text_.size())
        text_ = with;  // shares a pasted text instead of copying it
    else
        text_.replace(position, length, with);
}

void TextControl::finishEdit(qsizetype oldCursor, qsizetype oldAnchor)
{
    const std::optional<TextChange> change = std::exchange(unannounced_, std::nullopt);
    emit textReplaced(change ? &*change : nullptr);
    emit cursorMoved(oldCursor, oldAnchor);
    emit textChanged(text_);
    emit textEdited(text_);
}

void TextControl::replace(qsizetype start, qsizetype end, const QString& with)
{
    commitComposition();
    start = safeBoundary(std::clamp<qsizetype>(start, 0, text_.size()));
    end = safeBoundary(std::clamp<qsizetype>(end, start, text_.size()));
    separated_ = true;
    replaceRange(start, end, with, EditKind::Other);
    separated_ = true;
}

void TextControl::insert(const QString& text)
{
    commitComposition();
    separated_ = true;
    replaceRange(selectionFrom(), selectionTo(), text, EditKind::Other);
    separated_ = true;
}

void TextControl::type(const QString& text)
{
    commitComposition();
    replaceRange(selectionFrom(), selectionTo(), text, EditKind::Typing);
    completeInline();
}

void TextControl::completeInline()
{
    if (completions_.isEmpty() || text_.isEmpty() || hasSelection() || cursor_ != text_.size())
        return;
    for (const QString& completion : completions_) {
        if (completion.size() > text_.size() && completion.startsWith(text_)) {
            const qsizetype typedEnd = text_.size();
            separated_ = true;
            replaceRange(typedEnd, typedEnd, completion.mid(typedEnd), EditKind::Other);
            separated_ = true;
            select(text_.size(), typedEnd);
            return;
        }
    }
}

void TextControl::backspace()
{
    commitComposition();
    if (hasSelection()) {
        replaceRange(selectionFrom(), selectionTo(), {}, EditKind::Backspace);
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

void TextControl::del()
{
    commitComposition();
    if (hasSelection())
        replaceRange(selectionFrom(), selectionTo(), {}, EditKind::Delete);
    else if (cursor_ < text_.size())
        replaceRange(cursor_, nextCharacter(cursor_), {}, EditKind::Delete);
}

void TextControl::deleteWordBefore()
{
    commitComposition();
    if (hasSelection())
        del();
    else
        replaceRange(previousWord(cursor_), cursor_, {}, EditKind::Other);
}

void TextControl::deleteWordAfter()
{
    commitComposition();
    if (hasSelection())
        del();
    else
        replaceRange(cursor_, nextWord(cursor_), {}, EditKind::Other);
}

void TextControl::drop(qsizetype position, const QString& text, bool moving)
{
    commitComposition();
    if (moving) {
        const qsizetype from = selectionFrom();
        const qsizetype to = selectionTo();
        separated_ = true;
        replaceRange(from, to, {}, EditKind::Other);
        if (position > to)
            position -= to - from;
    }
    moveCursor(position);
    joinNext_ = moving;  // a move is one step back
    insert(text);
    joinNext_ = false;
    setSelection(position, text.size());
}

void TextControl::cut()
{
    if (!hasSelection())
        return;
    copy();
    separated_ = true;
    replaceRange(selectionFrom(), selectionTo(), {}, EditKind::Other);
}

void TextControl::copy() const
{
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

void TextControl::paste()
{
    const QString clip = QGuiApplication::clipboard()->text();
    if (!clip.isEmpty() || hasSelection())
        insert(clip);
}

// ---- Cursor and selection ----------------------------------------------------

void TextControl::moveCursor(qsizetype position, bool select)
{
    commitComposition();
    position = safeBoundary(std::clamp<qsizetype>(position, 0, text_.size()));
    this->select(select ? anchor_ : position, position);
}

void TextControl::setSelection(qsizetype start, qsizetype length)
{
    commitComposition();
    select(safeBoundary(std::clamp<qsizetype>(start, 0, text_.size())),
           safeBoundary(std::clamp<qsizetype>(start + length, 0, text_.size())));
}

void TextControl::selectAll()
{
    commitComposition();
    select(0, text_.size());
}

void TextControl::deselect()
{
    commitComposition();
    select(cursor_, cursor_);
}

void TextControl::selectWordAt(qsizetype position)
{
    commitComposition();
    const TextRange word = wordAt(text_, safeBoundary(std::clamp<qsizetype>(position, 0, text_.size())));
    select(word.from, word.to);
}

void TextControl::select(qsizetype anchor, qsizetype cursor)
{
    const qsizetype oldCursor = cursor_;
    const qsizetype oldAnchor = anchor_;
    anchor_ = anchor;
    cursor_ = cursor;
    separated_ = true;
    emit cursorMoved(oldCursor, oldAnchor);
}

QMimeData* TextControl::offerSelection()
{
    // The offer made before is let go without a copy: the clipboard deletes
    // the offer that this one replaces.
    auto* offer = new SelectionOffer(this, selectionFrom(), selectionTo());
    offered_ = offer;
    return offer;
}

void TextControl::keepOfferedSelection()
{
    if (offered_)
        static_cast<SelectionOffer*>(offered_.data())->keep();
    offered_ = nullptr;
}

// ---- The input method ------------------------------------------------------------

void TextControl::applyInputMethod(const QInputMethodEvent& event)
{
    // Positions of a selection asked for are counted in the surrounding text
    // the input method was given.
    const qsizetype surrounding = surroundingStart();
    // What the event composes takes the place of what was composed before.
    const Composition before = std::exchange(composition_, {});
    const QString commit = event.commitString();
    if (!commit.isEmpty() || event.replacementLength() > 0) {
        qsizetype from = selectionFrom();
        qsizetype to = selectionTo();
        if (event.replacementLength() > 0) {
            from = std::clamp<qsizetype>(cursor_ + event.replacementStart(), 0, text_.size());
            to = std::clamp<qsizetype>(from + event.replacementLength(), from, text_.size());
        }
        replaceRange(safeBoundary(from), safeBoundary(to), commit, EditKind::Typing);
    } else if (hasSelection() && !event.preeditString().isEmpty()) {
        // Composing over a selection replaces it, as typing does.
        replaceRange(selectionFrom(), selectionTo(), {}, EditKind::Typing);
    }
    Composition composition = compositionOf(event);
    if (composition.isEmpty()) {
        for (const QInputMethodEvent::Attribute& a : event.attributes()) {
            if (a.type == QInputMethodEvent::Selection) {
                const qsizetype start = std::clamp<qsizetype>(surrounding + a.start, 0, text_.size());
                setSelection(start, std::clamp<qsizetype>(start + a.length, 0, text_.size()) - start);
            }
        }
    }
    const bool changed = !(composition == before);
    composition_ = std::move(composition);
    if (changed)
        emit compositionChanged();
}

bool TextControl::commitComposition()
{
    if (!isComposing())
        return false;
    // The input method commits what it composes as it does on a change of
    // focus; one that does not leaves it here, and it goes in as typed.
    emit inputMethodCommitRequested();
    if (!isComposing())
        return false;
    const QString composed = std::exchange(composition_, {}).text;
    replaceRange(selectionFrom(), selectionTo(), composed, EditKind::Typing);
    emit inputMethodResetRequested();
    return true;
}

void TextControl::dropComposition()
{
    if (!isComposing())
        return;
    composition_ = {};
    emit inputMethodResetRequested();
    emit compositionChanged();
}

qsizetype TextControl::surroundingStart() const
{
    return safeBoundary(std::max<qsizetype>(0, cursor_ - kSurroundingText));
}

// ---- History ---------------------------------------------------------------------

void TextControl::undo()
{
    // Undoing while composing drops the composition, and nothing before it.
    if (isComposing()) {
        dropComposition();
        return;
    }
    while (undoStep()) {
    }
}

void TextControl::redo()
{
    commitComposition();
    if (redoStep()) {
        while (!redo_.empty() && redo_.back().joined)
            redoStep();
    }
}

bool TextControl::joinToLast(const Step& step)
{
    // Typing, backspacing and deleting go on the step before of the same kind
    // when they continue it.
    Step& last = undo_.back();
    if (step.kind != last.kind || step.kind == EditKind::Other)
        return false;
    if (step.kind == EditKind::Typing) {
        if (!step.removed.isEmpty() || step.position != last.position + last.insertedLength)
            return false;
        last.insertedLength += step.insertedLength;
        return true;
    }
    if (last.insertedLength != 0 || step.insertedLength != 0)
        return false;
    if (step.kind == EditKind::Backspace && step.position + step.removed.size() == last.position) {
        last.removed.prepend(step.removed);
        last.position = step.position;
    } else if (step.kind == EditKind::Delete && step.position == last.position) {
        last.removed.append(step.removed);
    } else {
        return false;
    }
    historyCharacters_ += step.removed.size();
    keepWithinBudget();
    return true;
}

void TextControl::record(Step step)
{
    clearRedo();
    step.joined = std::exchange(joinNext_, false);
    if (!separated_ && !undo_.empty() && joinToLast(step))
        return;
    historyCharacters_ += step.removed.size();
    undo_.push_back(std::move(step));
    keepWithinBudget();
}

void TextControl::clearRedo()
{
    for (const Step& s : redo_)
        historyCharacters_ -= characterCount(s.removed, s.inserted);
    redo_.clear();
}

void TextControl::keepWithinBudget()
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

void TextControl::clearHistory()
{
    undo_.clear();
    redo_.clear();
    historyCharacters_ = 0;
}

bool TextControl::undoStep()
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

bool TextControl::redoStep()
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

}  // namespace termalo
