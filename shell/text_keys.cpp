#include "shell/text_keys.h"

#include "shell/text_control.h"

#include <QKeyEvent>
#include <QKeySequence>

#include <initializer_list>

namespace termalo {

namespace {

bool matchesAny(const QKeyEvent& event, std::initializer_list<QKeySequence::StandardKey> keys)
{
    for (QKeySequence::StandardKey key : keys) {
        if (event.matches(key))
            return true;
    }
    return false;
}

// Keys that move the cursor or the selection's end; false when the key is none of them.
bool applyMovingKey(TextControl& control, const QKeyEvent& event)
{
    using K = QKeySequence;
    const qsizetype cursor = control.cursor();
    const bool selected = control.hasSelection();
    if (event.matches(K::MoveToNextChar))
        control.moveCursor(selected ? control.selectionTo() : control.nextCharacter(cursor));
    else if (event.matches(K::MoveToPreviousChar))
        control.moveCursor(selected ? control.selectionFrom() : control.previousCharacter(cursor));
    else if (event.matches(K::SelectNextChar))
        control.moveCursor(control.nextCharacter(cursor), true);
    else if (event.matches(K::SelectPreviousChar))
        control.moveCursor(control.previousCharacter(cursor), true);
    else if (event.matches(K::MoveToNextWord))
        control.moveCursor(control.nextWord(cursor));
    else if (event.matches(K::MoveToPreviousWord))
        control.moveCursor(control.previousWord(cursor));
    else if (event.matches(K::SelectNextWord))
        control.moveCursor(control.nextWord(cursor), true);
    else if (event.matches(K::SelectPreviousWord))
        control.moveCursor(control.previousWord(cursor), true);
    else if (matchesAny(event, {K::MoveToStartOfLine, K::MoveToStartOfBlock, K::MoveToStartOfDocument}))
        control.moveCursor(0);
    else if (matchesAny(event, {K::MoveToEndOfLine, K::MoveToEndOfBlock, K::MoveToEndOfDocument}))
        control.moveCursor(control.text().size());
    else if (matchesAny(event, {K::SelectStartOfLine, K::SelectStartOfBlock, K::SelectStartOfDocument}))
        control.moveCursor(0, true);
    else if (matchesAny(event, {K::SelectEndOfLine, K::SelectEndOfBlock, K::SelectEndOfDocument}))
        control.moveCursor(control.text().size(), true);
    else
        return false;
    return true;
}

}  // namespace

bool isEditingKey(const QKeyEvent& event)
{
    using K = QKeySequence;
    if (matchesAny(event, {K::Copy, K::Paste, K::Cut, K::Undo, K::Redo, K::SelectAll, K::DeleteStartOfWord,
                           K::DeleteEndOfWord, K::MoveToNextWord, K::MoveToPreviousWord, K::SelectNextWord,
                           K::SelectPreviousWord}))
        return true;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier || modifiers == Qt::KeypadModifier) {
        const int k = event.key();
        return k < Qt::Key_Escape || k == Qt::Key_Delete || k == Qt::Key_Home || k == Qt::Key_End
               || k == Qt::Key_Backspace || k == Qt::Key_Left || k == Qt::Key_Right;
    }
    return false;
}

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

QString typedText(const QKeyEvent& event)
{
    const QString typed = event.text();
    if (typed.isEmpty())
        return {};
    const QChar c = typed.at(0);
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    bool acceptable = false;
    if (c.category() == QChar::Other_Format)
        acceptable = true;
    else if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))
        acceptable = false;
    else
        acceptable = c.isPrint() || c.category() == QChar::Other_PrivateUse
                     || (c.isHighSurrogate() && typed.size() > 1 && typed.at(1).isLowSurrogate());
    return acceptable ? typed : QString();
}

bool applyEditingKey(TextControl& control, const QKeyEvent& event)
{
    using K = QKeySequence;
    if (event.matches(K::Undo))
        control.undo();
    else if (event.matches(K::Redo))
        control.redo();
    else if (event.matches(K::Cut))
        control.cut();
    else if (event.matches(K::Copy))
        control.copy();
    else if (event.matches(K::Paste))
        control.paste();
    else if (event.matches(K::SelectAll))
        control.selectAll();
    else if (applyMovingKey(control, event))
        return true;
    else if (event.matches(K::DeleteStartOfWord))
        control.deleteWordBefore();
    else if (event.matches(K::DeleteEndOfWord))
        control.deleteWordAfter();
    else if (event.matches(K::Delete))
        control.del();
    else if (event.key() == Qt::Key_Backspace && !(event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
        control.backspace();
    else
        return false;
    return true;
}

}  // namespace termalo
