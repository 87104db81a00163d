// The entry fields on a private X server, for what the headless platform
// lacks: the PRIMARY selection, read as another program reads it (xclip), and
// dragging text within a field.
#include "shell/text_field.h"
#include "tests/support/ui_test.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <functional>

namespace termalo::testing {
namespace {

class X11FieldTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        window = form(QStringLiteral("Form2"));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        field = control<TextField>(QStringLiteral("Form2"), QStringLiteral("Edit1"));
        field->setFocus();
    }

    // What a middle click in another program would paste. The program answers
    // xclip from its event loop, which runs meanwhile.
    static QString primarySelection()
    {
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("primary")});
        const QDeadlineTimer deadline(10000);
        while (xclip.waitForStarted() && xclip.state() != QProcess::NotRunning && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            xclip.waitForFinished(5);
        }
        return QString::fromUtf8(xclip.readAllStandardOutput());
    }

    QWidget* window = nullptr;
    TextField* field = nullptr;
};

TEST_F(X11FieldTest, EveryWayOfSelectingOffersTheSelectionToOtherPrograms)
{
    ASSERT_TRUE(QGuiApplication::clipboard()->supportsSelection());
    const auto keys = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        return [=, this] { QTest::keyClick(field, key, modifiers); };
    };
    const auto fromTheMenu = [this] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &event);
        auto* menu = field->findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QStringLiteral("Zaznacz wszystko")))
                action->trigger();
        }
        menu->close();
    };
    const auto byAScreenReader = [this] {
        QAccessible::queryAccessibleInterface(field)->textInterface()->setSelection(0, 0, 10);
    };
    const struct {
        const char* way;
        std::function<void()> select;
        QString expected;
    } ways[] = {
        {"Shift+Home", keys(Qt::Key_Home, Qt::ShiftModifier), QStringLiteral("Sanatorium Krynica")},
        {"Shift+Left", keys(Qt::Key_Left, Qt::ShiftModifier), QStringLiteral("a")},
        {"Ctrl+Shift+Left", keys(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier), QStringLiteral("Krynica")},
        {"Ctrl+A", keys(Qt::Key_A, Qt::ControlModifier), QStringLiteral("Sanatorium Krynica")},
        {"menu", fromTheMenu, QStringLiteral("Sanatorium Krynica")},
        {"screen reader", byAScreenReader, QStringLiteral("Sanatorium")},
    };
    for (const auto& w : ways) {
        field->setText(QStringLiteral("Sanatorium Krynica"));  // the cursor at its end
        QGuiApplication::clipboard()->setText(QStringLiteral("starsze"), QClipboard::Selection);
        w.select();
        EXPECT_EQ(primarySelection(), w.expected) << w.way;
    }
}

TEST_F(X11FieldTest, TheOfferedSelectionStaysWhatWasSelectedWhileTheTextChangesAndAfterTheField)
{
    field->setText(QStringLiteral("Sanatorium Krynica"));
    QTest::keyClick(field, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Right);
    QTest::keyClicks(field, QStringLiteral("-Zdroj"));
    EXPECT_EQ(primarySelection(), QStringLiteral("Krynica"));
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClicks(field, QStringLiteral("Dom "));  // typed over the selection
    EXPECT_EQ(field->text(), QStringLiteral("Dom Krynica-Zdroj"));
    EXPECT_EQ(primarySelection(), QStringLiteral("Sanatorium "));

    auto* another = new TextField(window);
    another->setText(QStringLiteral("Uzdrowisko Wysowa"));
    another->setSelection(11, 6);
    delete another;
    EXPECT_EQ(primarySelection(), QStringLiteral("Wysowa"));
}

TEST_F(X11FieldTest, AWordMovedWithinAFieldIsPutBackByOneUndo)
{
    const QString text = QStringLiteral("Zdrój Górny Krynica");
    field->setText(text);
    const QFontMetrics metrics(field->font());
    const int end = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    field->setSelection(5, 6);  // " Górny"
    const auto at = [&](int x) { return field->mapTo(window, QPoint(x, field->height() / 2)); };
    const QPoint onSelection = at(end - metrics.horizontalAdvance(QStringLiteral("rny Krynica")));
    const QPoint afterTheText = at(end + 4);
    // The drag runs an event loop of its own: the mouse moves on and lets go within it.
    QWindow* handle = window->windowHandle();
    QTimer::singleShot(50, field, [&] {
        QTest::mouseMove(handle, afterTheText);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, afterTheText);
    });
    QTest::mousePress(handle, Qt::LeftButton, {}, onSelection);
    QTest::mouseMove(handle, onSelection + QPoint(QApplication::startDragDistance() + 2, 0));
    settle();
    ASSERT_EQ(field->text(), QStringLiteral("Zdrój Krynica Górny"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), text);
    EXPECT_EQ(field->selectedText(), QStringLiteral(" Górny"));  // selected again, as before the drag
}

}  // namespace
}  // namespace termalo::testing
