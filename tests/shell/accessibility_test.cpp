// The edit box, the period box and the main window's chart as a screen reader
// gets them: through the accessibility interfaces and events that Qt's AT-SPI
// bridge serves.
#include "shell/combo_field.h"
#include "shell/decorative_chart.h"
#include "shell/text_field.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

namespace termalo {
namespace {

// What a screen reader is told, one line per event: "+3 ó" (inserted at 3),
// "-4 j" (removed at 4), "0 dró>U" (replaced at 0), "caret 4", "selection 1..3".
// Texts longer than 20 characters are told by their length, as "#1024".
QStringList* toldTo = nullptr;

QString shown(const QString& text)
{
    return text.size() > 20 ? QStringLiteral("#%1").arg(text.size()) : text;
}

void record(QAccessibleEvent* event)
{
    if (!toldTo)
        return;
    switch (event->type()) {
    case QAccessible::TextInserted: {
        auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
        *toldTo << QStringLiteral("+%1 %2").arg(e->changePosition()).arg(shown(e->textInserted()));
        break;
    }
    case QAccessible::TextRemoved: {
        auto* e = static_cast<QAccessibleTextRemoveEvent*>(event);
        *toldTo << QStringLiteral("-%1 %2").arg(e->changePosition()).arg(shown(e->textRemoved()));
        break;
    }
    case QAccessible::TextUpdated: {
        auto* e = static_cast<QAccessibleTextUpdateEvent*>(event);
        *toldTo << QStringLiteral("%1 %2>%3")
                       .arg(e->changePosition())
                       .arg(shown(e->textRemoved()), shown(e->textInserted()));
        break;
    }
    case QAccessible::TableModelChanged: {
        auto* e = static_cast<QAccessibleTableModelChangeEvent*>(event);
        const char* kinds[] = {"reset", "data", "+rows", "+columns", "-rows", "-columns"};
        *toldTo << QStringLiteral("%1 %2..%3").arg(QLatin1String(kinds[e->modelChangeType()])).arg(e->firstRow()).arg(e->lastRow());
        break;
    }
    case QAccessible::TextCaretMoved:
        *toldTo << QStringLiteral("caret %1").arg(static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition());
        break;
    case QAccessible::TextSelectionChanged: {
        auto* e = static_cast<QAccessibleTextSelectionEvent*>(event);
        *toldTo << QStringLiteral("selection %1..%2").arg(e->selectionStart()).arg(e->selectionEnd());
        break;
    }
    default:
        break;
    }
}

// Qt tells the update handler only while accessibility is on, which is what a
// screen reader's bridge switches.
void listen(bool on)
{
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    ASSERT_TRUE(platform) << "the platform offers no accessibility";
    platform->setActive(on);
}

class AccessibleTextFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        field.resize(120, 21);
        field.show();
        field.setFocus();
        iface = QAccessible::queryAccessibleInterface(&field);
        ASSERT_TRUE(iface);
        text = iface->textInterface();
        editable = iface->editableTextInterface();
        ASSERT_TRUE(text);
        ASSERT_TRUE(editable);
        previousHandler = QAccessible::installUpdateHandler(&record);
        listen(true);
        ASSERT_TRUE(QAccessible::isActive());
        toldTo = &told;
    }
    void TearDown() override
    {
        toldTo = nullptr;
        listen(false);
        QAccessible::installUpdateHandler(previousHandler);
    }

    void type(const QString& s)
    {
        for (QChar c : s)
            QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QString at(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const
    {
        return text->textAtOffset(offset, boundary, start, end);
    }

    TextField field;
    QAccessibleInterface* iface = nullptr;
    QAccessibleTextInterface* text = nullptr;
    QAccessibleEditableTextInterface* editable = nullptr;
    QAccessible::UpdateHandler previousHandler = nullptr;
    QStringList told;
};

TEST_F(AccessibleTextFieldTest, TypingAndDeletingAreToldAsTheyHappen)
{
    type(QStringLiteral("Zdró"));
    EXPECT_EQ(told, QStringList({"+0 Z", "caret 1", "+1 d", "caret 2", "+2 r", "caret 3", "+3 ó", "caret 4"}));

    // Delete takes the letter after the caret, which stays put.
    told.clear();
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(told, QStringList({"-3 ó", "caret 3", "caret 0", "-0 Z"}));

    // Typing over a selection is one change; undoing it another.
    told.clear();
    QTest::keyClick(&field, Qt::Key_End, Qt::ShiftModifier);
    type(QStringLiteral("U"));
    field.undo();
    EXPECT_EQ(told, QStringList({"caret 2", "selection 0..2", "0 dr>U", "caret 1", "selection -1..-1", "0 U>dr",
                                 "caret 2", "selection 0..2"}));
}

TEST_F(AccessibleTextFieldTest, AScreenReaderReadsTheTextAroundTheCaret)
{
    field.setText(QStringLiteral("ul. Źródlana 5, Ustroń. Polska"));
    EXPECT_EQ(text->characterCount(), 30);
    EXPECT_EQ(text->text(4, 12), QStringLiteral("Źródlana"));
    EXPECT_EQ(text->text(25, 99), QStringLiteral("olska"));  // ranges past the end are cut
    text->setCursorPosition(6);
    EXPECT_EQ(field.cursorPosition(), 6);

    int start = -9, end = -9;
    EXPECT_EQ(at(6, QAccessible::CharBoundary, &start, &end), QStringLiteral("ó"));
    EXPECT_EQ(text->textBeforeOffset(6, QAccessible::CharBoundary, &start, &end), QStringLiteral("r"));
    EXPECT_EQ(text->textAfterOffset(6, QAccessible::CharBoundary, &start, &end), QStringLiteral("d"));
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, 8);
    // -2 stands for the caret.
    EXPECT_EQ(at(-2, QAccessible::WordBoundary, &start, &end), QStringLiteral("Źródlana"));
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 12);
    EXPECT_EQ(text->textAfterOffset(17, QAccessible::WordBoundary, &start, &end), QStringLiteral(". "));
    EXPECT_EQ(text->textBeforeOffset(17, QAccessible::WordBoundary, &start, &end), QStringLiteral(", "));
    EXPECT_EQ(at(10, QAccessible::SentenceBoundary, &start, &end), QStringLiteral("Źródlana 5, Ustroń. "));
    EXPECT_EQ(start, 4);
    // One line: it is the line everywhere, with none before or after it.
    EXPECT_EQ(at(10, QAccessible::LineBoundary, &start, &end), field.text());
    EXPECT_TRUE(text->textAfterOffset(10, QAccessible::LineBoundary, &start, &end).isEmpty());
    // At the end there is nothing; before the start neither.
    EXPECT_TRUE(at(30, QAccessible::CharBoundary, &start, &end).isEmpty());
    EXPECT_EQ(start, 30);
    EXPECT_TRUE(text->textBeforeOffset(0, QAccessible::WordBoundary, &start, &end).isEmpty());
    EXPECT_TRUE(at(31, QAccessible::CharBoundary, &start, &end).isEmpty());
    EXPECT_EQ(start, -1);

    // A whole character, never half an emoji.
    field.setText(QStringLiteral("a😀b"));
    EXPECT_EQ(at(1, QAccessible::CharBoundary, &start, &end), QStringLiteral("😀"));
    EXPECT_EQ(text->textAfterOffset(0, QAccessible::CharBoundary, &start, &end), QStringLiteral("😀"));
}

TEST_F(AccessibleTextFieldTest, AScreenReaderSelectsAndEditsAsTheUserWould)
{
    field.setText(QStringLiteral("Krynica Zdrój"));
    text->setSelection(0, 8, 13);
    EXPECT_EQ(field.selectedText(), QStringLiteral("Zdrój"));
    int start = 0, end = 0;
    ASSERT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 8);
    EXPECT_EQ(end, 13);
    text->addSelection(0, 2);  // a field has one selection only
    EXPECT_EQ(field.selectedText(), QStringLiteral("Zdrój"));
    text->removeSelection(0);
    EXPECT_EQ(text->selectionCount(), 0);

    told.clear();
    editable->insertText(13, QStringLiteral("!"));
    editable->deleteText(0, 8);
    editable->replaceText(5, 6, QStringLiteral("?"));
    EXPECT_EQ(field.text(), QStringLiteral("Zdrój?"));
    EXPECT_EQ(told, QStringList({"+13 !", "caret 14", "-0 Krynica ", "caret 0", "5 !>?", "caret 6"}));
    // Each can be undone, as the user's own edits.
    field.undo();
    field.undo();
    EXPECT_EQ(field.text(), QStringLiteral("Krynica Zdrój!"));
    editable->deleteText(7, 99);  // cut at the end
    EXPECT_EQ(field.text(), QStringLiteral("Krynica"));
    iface->setText(QAccessible::Value, QStringLiteral("Ustka"));
    EXPECT_EQ(field.text(), QStringLiteral("Ustka"));
}

TEST_F(AccessibleTextFieldTest, EveryShownCharacterHasItsPlaceOnTheScreen)
{
    field.setText(QStringLiteral("Ustroń"));
    const QRect placeOfR = text->characterRect(3);
    ASSERT_FALSE(placeOfR.isEmpty());
    EXPECT_TRUE(QRect(field.mapToGlobal(QPoint(0, 0)), field.size()).contains(placeOfR));
    EXPECT_GT(placeOfR.left(), text->characterRect(2).left());
    EXPECT_EQ(text->offsetAtPoint(QPoint(placeOfR.left() + 1, placeOfR.center().y())), 3);
    EXPECT_EQ(text->offsetAtPoint(field.mapToGlobal(QPoint(0, 0)) - QPoint(50, 50)), -1);

    // In a text far longer than the box, what is out of sight has no place.
    field.setText(QString(100000, QLatin1Char('x')));
    EXPECT_TRUE(text->characterRect(10).isEmpty());
    EXPECT_FALSE(text->characterRect(99999).isEmpty());
}

TEST_F(AccessibleTextFieldTest, ATenMegabyteTextIsReadAndToldPieceByPiece)
{
    // Words of six characters, ten megabytes of them (five million characters).
    QString words;
    for (int i = 0; i < 5 * 1024 * 1024 / 6; ++i)
        words += QStringLiteral("słowo ");
    const int middle = int(words.size() / 2) / 6 * 6;
    QApplication::clipboard()->setText(words);
    told.clear();
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(field.text().size(), words.size());

    // The paste is told by its beginning only.
    EXPECT_EQ(told.value(0), QStringLiteral("0 >#%1").arg(TextField::kAnnouncedCharacters));

    EXPECT_EQ(text->characterCount(), words.size());
    const QString hundred = text->text(middle, middle + 100);
    EXPECT_EQ(hundred, words.mid(middle, 100));
    EXPECT_LT(hundred.capacity(), 1000);  // a piece of its own, not the whole text
    int start = 0, end = 0;
    EXPECT_EQ(text->textAtOffset(middle + 2, QAccessible::WordBoundary, &start, &end), QStringLiteral("słowo"));
    EXPECT_EQ(start, middle);
    EXPECT_EQ(text->textBeforeOffset(middle + 2, QAccessible::WordBoundary, &start, &end), QStringLiteral(" "));
    EXPECT_EQ(text->textAtOffset(middle + 3, QAccessible::CharBoundary, &start, &end), QStringLiteral("w"));
    EXPECT_LE(iface->text(QAccessible::Value).size(), 1000);

    // Typing in the middle of it is told as the one letter it is; deleting
    // it all only by the beginning of what went.
    text->setCursorPosition(middle);
    told.clear();
    type(QStringLiteral("!"));
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_TRUE(field.text().isEmpty());
    EXPECT_EQ(told.value(0), QStringLiteral("+%1 !").arg(middle));
    EXPECT_EQ(told.value(4), QStringLiteral("0 #%1>").arg(TextField::kAnnouncedCharacters));

    // A single word of ten megabytes: its characters are found just as cheaply.
    field.setText(QString(5 * 1024 * 1024, QLatin1Char('7')) + QStringLiteral("8"));
    EXPECT_EQ(text->textAtOffset(5 * 1024 * 1024, QAccessible::CharBoundary, &start, &end), QStringLiteral("8"));
    EXPECT_EQ(text->textBeforeOffset(100, QAccessible::CharBoundary, &start, &end), QStringLiteral("7"));
    EXPECT_EQ(start, 99);
}

TEST(AccessibleComboFieldTest, APeriodBoxHoldsItsFieldInsideUnderItsCaption)
{
    QWidget window;
    auto* box = new ComboField(&window);
    box->setAccessibleName(QStringLiteral("Okres obliczeniowy: miesiąc"));
    box->addItems({QStringLiteral("Styczeń"), QStringLiteral("Luty")});
    box->setGeometry(0, 0, 129, 21);
    window.show();
    box->setCurrentIndex(1);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    ASSERT_TRUE(iface);
    EXPECT_EQ(iface->role(), QAccessible::ComboBox);

    QAccessibleInterface* inside = nullptr;
    for (int i = 0; i < iface->childCount(); ++i) {
        if (iface->child(i) && iface->child(i)->object() == box->field())
            inside = iface->child(i);
    }
    ASSERT_TRUE(inside);
    EXPECT_EQ(iface->indexOfChild(inside), 1);
    EXPECT_EQ(inside->parent()->object(), box);
    ASSERT_TRUE(inside->textInterface());
    EXPECT_EQ(inside->textInterface()->text(0, 4), QStringLiteral("Luty"));
    EXPECT_EQ(inside->text(QAccessible::Name), QStringLiteral("Okres obliczeniowy: miesiąc"));
}

// The main window's chart adds a point every 200 ms, for as long as the
// program runs: a screen reader hears of each as one new row, and of each new
// page as one new table, not of a table reset at every change; the table
// answers each cell at once, whatever was asked before.
TEST(AccessibleChartTest, TheMainWindowsChartTellsEachNewPointOnce)
{
    DecorativeChart chart;
    chart.resize(281, 193);
    chart.feeder()->setRandomSource([](int) { return 1; });
    chart.show();
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&chart)->tableInterface();
    ASSERT_NE(table, nullptr);
    QStringList told;
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&record);
    listen(true);
    toldTo = &told;
    QStringList expected;
    for (int round = 1; round <= 14; ++round) {
        chart.feeder()->tick();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        const int row = (round - 1) % DecorativeChart::kPointsPerPage;
        expected << (row == 0 && round > 1 ? QStringLiteral("reset -1..-1") : QStringLiteral("+rows %1..%1").arg(row));
        ASSERT_EQ(table->rowCount(), row + 1);
        EXPECT_EQ(table->cellAt(row, 2)->text(QAccessible::Name), chart::valueText(chart.chart(), DecorativeChart::kLine, row));
    }
    toldTo = nullptr;
    listen(false);
    QAccessible::installUpdateHandler(previous);
    EXPECT_EQ(told, expected);
    // A column for the bars' shares and one for the line.
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->cellAt(1, 1)->text(QAccessible::Name), chart.markText(1));
}

}  // namespace
}  // namespace termalo
