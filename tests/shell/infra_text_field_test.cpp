// The edit box for texts of any length and the period box built on it: what a
// user types, pastes, undoes and sees.
#include "shell/combo_field.h"
#include "shell/text_field.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextCharFormat>
#include <QtGui/private/qinputmethod_p.h>
#include <qpa/qplatforminputcontext.h>

#include <gtest/gtest.h>

namespace termalo {
namespace {

void typeText(QWidget* target, const QString& text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text.at(i).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(i, n), Qt::NoModifier);
        i += n;
    }
}

void press(QWidget* target, QKeySequence::StandardKey key)
{
    const QKeyCombination combination = QKeySequence::keyBindings(key).value(0)[0];
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
}

class TextFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        field.setFont([] {
            QFont f = QApplication::font();
            f.setPixelSize(11);
            return f;
        }());
        field.resize(120, 21);
        field.show();
        field.setFocus();
    }

    QRect cursorRectangle() const { return field.inputMethodQuery(Qt::ImCursorRectangle).toRect(); }

    // What an input method sends: a commit, then a composition with its caret and formats.
    void inputMethod(const QString& composed, int caret, const QString& committed = {},
                     QList<QInputMethodEvent::Attribute> attributes = {})
    {
        attributes.append({QInputMethodEvent::Cursor, caret, 1, QVariant()});
        QInputMethodEvent event(composed, attributes);
        event.setCommitString(committed);
        QApplication::sendEvent(&field, &event);
    }
    // The longest run of dark pixels in a row below the baseline, from x0 to x1.
    int longestLineUnderText(int x0, int x1)
    {
        const QImage shot = field.grab().toImage();
        int longest = 0;
        for (int y = cursorRectangle().y() + QFontMetrics(field.font()).ascent() + 1; y < shot.height(); ++y) {
            for (int x = x0, run = 0; x <= x1; ++x) {
                run = qGray(shot.pixel(x, y)) < 128 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        return longest;
    }

    // Where the composition's caret is, for a click into the composition.
    QPoint atTheCaret() const { return {cursorRectangle().x(), field.height() / 2}; }
    // Ends the composition as an input method that is told nothing does: with an empty update.
    void endComposition() { inputMethod({}, 0); }
    // Chooses an entry of the field's context menu, found by its key.
    void chooseFromTheMenu(QKeySequence::StandardKey key)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&field, &event);
        auto* menu = field.findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->text().endsWith(QLatin1Char('\t') + shortcut))
                chosen = action;
        }
        ASSERT_NE(chosen, nullptr) << qPrintable(shortcut);
        ASSERT_TRUE(chosen->isEnabled()) << qPrintable(shortcut);
        chosen->trigger();
        menu->close();
        delete menu;
    }
    // "Zdrój Krynica" with "ni" being composed after "Zdrój ", the caret between "n" and "i".
    void composeInTheMiddle()
    {
        field.setText(QStringLiteral("Zdrój Krynica"));
        field.setCursorPosition(6);
        inputMethod(QStringLiteral("ni"), 1);
    }

    TextField field;
};

// An input method that only writes down what the field asks of it, with the
// field's text at that moment ("reset Krynica!").
class RecordingInputMethod : public QPlatformInputContext {
public:
    explicit RecordingInputMethod(const TextField& field) : field_(field)
    {
        QInputMethodPrivate::get(QGuiApplication::inputMethod())->testContext = this;
    }
    ~RecordingInputMethod() override { QInputMethodPrivate::get(QGuiApplication::inputMethod())->testContext = nullptr; }

    bool isValid() const override { return true; }
    void reset() override { calls << QStringLiteral("reset ") + field_.text(); }
    void commit() override { calls << QStringLiteral("commit ") + field_.text(); }

    QStringList calls;

private:
    const TextField& field_;
};

TEST_F(TextFieldTest, EditsInAHugeTextKeepEveryCharacterAndUndoAsTyped)
{
    const QString huge = QString(4 << 20, QLatin1Char('7')) + QStringLiteral(" koniec");
    field.setText(huge);
    EXPECT_FALSE(field.isUndoAvailable());  // a text set by the program starts a new history

    // The end is shown, with the cursor inside the box.
    EXPECT_GT(field.firstShown(), 0);
    EXPECT_TRUE(field.rect().contains(cursorRectangle())) << cursorRectangle().x();

    typeText(&field, QStringLiteral("żółw"));
    EXPECT_EQ(field.text(), huge + QStringLiteral("żółw"));
    QTest::keyClick(&field, Qt::Key_Home);
    EXPECT_EQ(field.firstShown(), 0);
    typeText(&field, QStringLiteral("A😀"));
    EXPECT_EQ(field.text(), QStringLiteral("A😀") + huge + QStringLiteral("żółw"));

    // Each run of typing is one step back, the newest first.
    press(&field, QKeySequence::Undo);
    EXPECT_EQ(field.text(), huge + QStringLiteral("żółw"));
    press(&field, QKeySequence::Undo);
    EXPECT_EQ(field.text(), huge);
    field.redo();
    EXPECT_EQ(field.text(), huge + QStringLiteral("żółw"));
    EXPECT_EQ(field.cursorPosition(), field.text().size());
}

TEST_F(TextFieldTest, KeysMoveAndDeleteWholeCharacters)
{
    // "a", a flag (two pairs of surrogates, one character to the eye), "b", an emoji.
    const QString flag = QStringLiteral("🇵🇱");
    field.setText(QStringLiteral("a") + flag + QStringLiteral("b😀"));
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Right);
    QTest::keyClick(&field, Qt::Key_Right);
    EXPECT_EQ(field.cursorPosition(), 1 + flag.size());
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), QStringLiteral("ab😀"));
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), QStringLiteral("ab"));  // never half an emoji

    field.setText(QStringLiteral("ul. Źródlana 5"));
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field.selectedText(), QStringLiteral("Źródlana "));
    typeText(&field, QStringLiteral("Zdrojowa "));
    EXPECT_EQ(field.text(), QStringLiteral("ul. Zdrojowa 5"));
}

TEST_F(TextFieldTest, HistoryStaysBoundedWhileSmallEditsCanBeUndone)
{
    const QString megabyte(1 << 20, QLatin1Char('x'));
    typeText(&field, QStringLiteral("abc"));
    QApplication::clipboard()->setText(megabyte);
    press(&field, QKeySequence::SelectAll);
    press(&field, QKeySequence::Paste);
    EXPECT_EQ(field.text(), megabyte);
    // Undoing a paste needs only where it went: even a huge one can be undone.
    press(&field, QKeySequence::Undo);
    EXPECT_EQ(field.text(), QStringLiteral("abc"));
    EXPECT_EQ(field.selectedText(), QStringLiteral("abc"));  // selected again, as before the paste
    EXPECT_TRUE(field.isUndoAvailable());                    // the typing before it is still there
    press(&field, QKeySequence::Paste);
    EXPECT_EQ(field.text(), megabyte);

    // Deleting the megabyte would keep it in the history: the history goes instead.
    press(&field, QKeySequence::SelectAll);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_TRUE(field.text().isEmpty());
    EXPECT_FALSE(field.isUndoAvailable());
    EXPECT_FALSE(field.isRedoAvailable());

    typeText(&field, QStringLiteral("12"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    press(&field, QKeySequence::Undo);
    EXPECT_EQ(field.text(), QStringLiteral("12"));
    press(&field, QKeySequence::Undo);
    EXPECT_TRUE(field.text().isEmpty());
}

TEST_F(TextFieldTest, PastedAndCopiedTextsArriveUnchanged)
{
    // Control characters and line breaks are kept (they show as blanks).
    const QString odd = QStringLiteral("1\t000\n5\x01,5\u2028");
    QApplication::clipboard()->setText(odd);
    press(&field, QKeySequence::Paste);
    EXPECT_EQ(field.text(), odd);
    QApplication::clipboard()->clear();
    press(&field, QKeySequence::SelectAll);
    press(&field, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), odd);
    press(&field, QKeySequence::Cut);
    EXPECT_TRUE(field.text().isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(), odd);
}

TEST_F(TextFieldTest, ControlKeysAndControlCharactersTypeNothing)
{
    QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QStringLiteral("\x01"), Qt::NoModifier);
    QTest::keyClick(&field, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Tab);
    EXPECT_TRUE(field.text().isEmpty());
}

TEST_F(TextFieldTest, AnInputMethodComposesAtTheCursor)
{
    field.setText(QStringLiteral("Krnica"));
    field.setCursorPosition(2);
    QInputMethodEvent composing(QStringLiteral("y"), {});
    QApplication::sendEvent(&field, &composing);
    EXPECT_EQ(field.text(), QStringLiteral("Krnica"));  // being composed is not yet typed
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("y"));
    QApplication::sendEvent(&field, &committed);
    EXPECT_EQ(field.text(), QStringLiteral("Krynica"));
    EXPECT_EQ(field.inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("Krynica"));
    EXPECT_EQ(field.inputMethodQuery(Qt::ImCursorPosition).toInt(), 3);
}

TEST_F(TextFieldTest, TheMouseSetsTheCursorAndADoubleClickSelectsAWord)
{
    field.setText(QStringLiteral("Zdrój Krynica"));
    const QFontMetrics metrics(field.font());
    const int inSecondWord = cursorRectangle().x() - metrics.horizontalAdvance(QStringLiteral("Zdrój Krynica"))
                             + metrics.horizontalAdvance(QStringLiteral("Zdrój Kry"));
    QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(inSecondWord, 10));
    EXPECT_EQ(field.cursorPosition(), 9);
    QTest::mouseDClick(&field, Qt::LeftButton, {}, QPoint(inSecondWord, 10));
    EXPECT_EQ(field.selectedText(), QStringLiteral("Krynica"));
    QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(inSecondWord, 10));
    EXPECT_EQ(field.selectedText(), QStringLiteral("Zdrój Krynica"));  // a third click: everything
}

TEST_F(TextFieldTest, ACompositionAtTheEndOfAFullFieldIsShownUnderlinedWithTheInputMethodsCaret)
{
    const QString full = QStringLiteral("Sanatorium Uzdrowiskowe Krynica-Zdrój");
    field.setText(full);
    const QString composed = QStringLiteral("żółw");
    QTextCharFormat underlined;
    underlined.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    const QInputMethodEvent::Attribute format{QInputMethodEvent::TextFormat, 0, 4, underlined};
    inputMethod(composed, 0, {}, {format});
    const QRect atStart = cursorRectangle();
    inputMethod(composed, 4, {}, {format});
    const QRect atEnd = cursorRectangle();
    EXPECT_EQ(field.text(), full);  // composed, not yet typed
    const int width = QFontMetrics(field.font()).horizontalAdvance(composed);
    EXPECT_NEAR(atEnd.x() - atStart.x(), width, 1);
    EXPECT_GT(atStart.x(), 0);
    EXPECT_LT(atEnd.right(), field.width());
    EXPECT_GE(longestLineUnderText(atStart.x() + 1, atEnd.x() - 1), width - 3);

    // Committed, it is plain text, typed in one step.
    inputMethod({}, 0, composed);
    EXPECT_EQ(field.text(), full + composed);
    EXPECT_EQ(cursorRectangle(), atEnd);
    EXPECT_LT(longestLineUnderText(atStart.x() + 1, atEnd.x() - 1), width / 2);
    press(&field, QKeySequence::Undo);
    EXPECT_EQ(field.text(), full);
}

TEST_F(TextFieldTest, AClickOrALossOfFocusCommitsTheCompositionAndANewTextDropsIt)
{
    field.setText(QStringLiteral("Krnica Zdrój"));
    field.setCursorPosition(2);
    inputMethod(QStringLiteral("y"), 1);
    QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(2, 10));
    EXPECT_EQ(field.text(), QStringLiteral("Krynica Zdrój"));  // where it was composed
    EXPECT_EQ(field.cursorPosition(), 0);                       // and the cursor where it was clicked

    field.setCursorPosition(field.text().size());
    inputMethod(QStringLiteral("!"), 1);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&field, &focusOut);
    EXPECT_EQ(field.text(), QStringLiteral("Krynica Zdrój!"));

    inputMethod(QStringLiteral("abc"), 3);
    field.setText(QStringLiteral("Wysowa"));
    const QRect afterNewText = cursorRectangle();
    inputMethod({}, 0, QStringLiteral("-Zdrój"));
    EXPECT_EQ(field.text(), QStringLiteral("Wysowa-Zdrój"));  // nothing composed was left in it
    EXPECT_GT(cursorRectangle().x(), afterNewText.x());
}

TEST_F(TextFieldTest, ADoubleClickIntoACompositionCommitsItAndSelectsAWordOfWhatWasTyped)
{
    composeInTheMiddle();
    QTest::mouseDClick(&field, Qt::LeftButton, {}, atTheCaret());
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój niKrynica"));
    EXPECT_EQ(field.selectedText(), QStringLiteral("niKrynica"));
    endComposition();  // nothing is composed any more: nothing goes
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój niKrynica"));
    EXPECT_EQ(field.selectedText(), QStringLiteral("niKrynica"));
}

TEST_F(TextFieldTest, TheContextMenusEditsCommitTheCompositionFirst)
{
    composeInTheMiddle();
    chooseFromTheMenu(QKeySequence::SelectAll);
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój niKrynica"));
    EXPECT_EQ(field.selectedText(), QStringLiteral("Zdrój niKrynica"));
    endComposition();
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój niKrynica"));

    composeInTheMiddle();
    QApplication::clipboard()->setText(QStringLiteral("-"));
    chooseFromTheMenu(QKeySequence::Paste);
    endComposition();
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój ni-Krynica"));
}

TEST_F(TextFieldTest, UndoWhileComposingDropsTheCompositionAndNothingElse)
{
    field.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
    field.setFocus();
    const RecordingInputMethod inputMethod(field);
    typeText(&field, QStringLiteral("Zdrój "));
    this->inputMethod(QStringLiteral("ni"), 2);
    press(&field, QKeySequence::Undo);
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój "));
    EXPECT_EQ(inputMethod.calls.value(inputMethod.calls.size() - 1), QStringLiteral("reset Zdrój "));
    typeText(&field, QStringLiteral("K"));
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój K"));  // nothing composed is left to be typed

    this->inputMethod(QStringLiteral("ry"), 2);
    chooseFromTheMenu(QKeySequence::Undo);  // from the menu alike
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój K"));
    endComposition();
    press(&field, QKeySequence::Undo);
    EXPECT_TRUE(field.text().isEmpty());  // then the typing, in one step
}

TEST_F(TextFieldTest, TextDroppedDuringACompositionGoesAfterWhatWasComposed)
{
    composeInTheMiddle();
    QMimeData data;
    data.setText(QStringLiteral(" Górna"));
    const QPoint afterTheText(field.width() - 4, field.height() / 2);
    QDragEnterEvent enter(afterTheText, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&field, &enter);
    QDragMoveEvent move(afterTheText, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&field, &move);
    QDropEvent drop(afterTheText, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&field, &drop);
    EXPECT_TRUE(drop.isAccepted());
    endComposition();
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój niKrynica Górna"));
}

TEST(TextFieldFocusTest, ALossOfFocusTypesTheCompositionAndTheInputMethodForgetsIt)
{
    QWidget window;
    auto* field = new TextField(&window);
    auto* next = new TextField(&window);
    next->move(0, 30);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    field->setText(QStringLiteral("Krynica"));
    const RecordingInputMethod inputMethod(*field);
    QInputMethodEvent composing(QStringLiteral("!"), {});
    QApplication::sendEvent(field, &composing);
    next->setFocus();
    ASSERT_FALSE(field->hasFocus());
    EXPECT_EQ(field->text(), QStringLiteral("Krynica!"));
    // Told to forget it once it was typed, the input method can never type it again.
    EXPECT_TRUE(inputMethod.calls.contains(QStringLiteral("reset Krynica!"))) << qPrintable(inputMethod.calls.join(", "));
}

TEST_F(TextFieldTest, TextDroppedFromAnotherProgramGoesWhereItIsDropped)
{
    field.setText(QStringLiteral("Zdrój Krynica"));
    const QFontMetrics metrics(field.font());
    const QPoint afterFirstWord(cursorRectangle().x() - metrics.horizontalAdvance(QStringLiteral("Zdrój Krynica"))
                                    + metrics.horizontalAdvance(QStringLiteral("Zdrój")) + 1,
                                10);
    QMimeData data;
    data.setText(QStringLiteral(" Górny"));
    QDragEnterEvent enter(afterFirstWord, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&field, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDragMoveEvent move(afterFirstWord, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&field, &move);
    QDropEvent drop(afterFirstWord, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&field, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój Górny Krynica"));
    press(&field, QKeySequence::Undo);
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój Krynica"));
}

TEST(ComboFieldTest, TheListReplacesTypedTextAndCompletesItsEntriesInTheirCase)
{
    auto* boxOwned = new ComboField;
    ComboField& box = *boxOwned;
    box.addItems({QStringLiteral("Styczeń"), QStringLiteral("Luty"), QStringLiteral("Marzec"), QStringLiteral("Maj")});
    box.setCurrentIndex(-1);
    box.setText(QStringLiteral("Wybierz miesiąc"));
    QWidget window;
    auto* before = new TextField(&window);
    box.setParent(&window);
    box.setGeometry(0, 30, 129, 21);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box.field());
    EXPECT_EQ(box.field()->selectedText(), QStringLiteral("Wybierz miesiąc"));  // ready to be typed over

    typeText(box.field(), QStringLiteral("Ma"));
    EXPECT_EQ(box.text(), QStringLiteral("Marzec"));
    EXPECT_EQ(box.field()->selectedText(), QStringLiteral("rzec"));
    typeText(box.field(), QStringLiteral("j "));
    EXPECT_EQ(box.text(), QStringLiteral("Maj "));

    // Chosen from the dropped-down list, even the entry chosen before.
    box.setCurrentIndex(1);
    EXPECT_EQ(box.text(), QStringLiteral("Luty"));
    typeText(box.field(), QStringLiteral("?"));
    emit box.activated(1);
    EXPECT_EQ(box.text(), QStringLiteral("Luty"));
    QTest::keyClick(box.field(), Qt::Key_Down);
    EXPECT_EQ(box.text(), QStringLiteral("Marzec"));

    box.field()->selectAll();
    typeText(box.field(), QStringLiteral("luty"));
    EXPECT_EQ(box.text(), QStringLiteral("luty"));
}

}  // namespace
}  // namespace termalo
