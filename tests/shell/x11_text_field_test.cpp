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
#include <ostream>

namespace termalo::testing {
namespace {

// What a middle click in another program would paste.
QString primarySelection()
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("primary")});
    if (!xclip.waitForStarted(5000))
        return QStringLiteral("<xclip did not start>");
    // The program answers xclip from its event loop, which runs meanwhile.
    const QDeadlineTimer deadline(10000);
    while (xclip.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        xclip.waitForFinished(5);
    }
    return QString::fromUtf8(xclip.readAllStandardOutput());
}

struct SelectionCase {
    const char* name;
    std::function<void(TextField*)> select;
    QString expected;
};

void PrintTo(const SelectionCase& c, std::ostream* out)
{
    *out << c.name;
}

class PrimarySelectionTest : public UiTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(PrimarySelectionTest, AKeyboardMenuMouseOrScreenReaderSelectionReachesOtherPrograms)
{
    ASSERT_TRUE(QGuiApplication::clipboard()->supportsSelection());
    QWidget* window = form(QStringLiteral("Form2"));
    window->show();
    auto* field = control<TextField>(QStringLiteral("Form2"), QStringLiteral("Edit1"));
    field->setFocus();
    field->setText(QStringLiteral("Sanatorium Krynica"));  // the cursor at its end
    QGuiApplication::clipboard()->setText(QStringLiteral("starsze"), QClipboard::Selection);
    GetParam().select(field);
    EXPECT_EQ(primarySelection(), GetParam().expected);
}

void selectAllFromTheMenu(TextField* field)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &event);
    auto* menu = field->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("Zaznacz wszystko")))
            action->trigger();
    }
    menu->close();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PrimarySelectionTest,
    ::testing::Values(
        SelectionCase{"ShiftHome", [](TextField* f) { QTest::keyClick(f, Qt::Key_Home, Qt::ShiftModifier); },
                      QStringLiteral("Sanatorium Krynica")},
        SelectionCase{"ShiftLeft", [](TextField* f) { QTest::keyClick(f, Qt::Key_Left, Qt::ShiftModifier); },
                      QStringLiteral("a")},
        SelectionCase{"CtrlShiftLeft",
                      [](TextField* f) { QTest::keyClick(f, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier); },
                      QStringLiteral("Krynica")},
        SelectionCase{"CtrlA",
                      [](TextField* f) {
                          QTest::keyClick(f, Qt::Key_Left);
                          QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
                      },
                      QStringLiteral("Sanatorium Krynica")},
        SelectionCase{"Menu", selectAllFromTheMenu, QStringLiteral("Sanatorium Krynica")},
        SelectionCase{"ScreenReader",
                      [](TextField* f) {
                          QAccessible::queryAccessibleInterface(f)->textInterface()->setSelection(0, 0, 10);
                      },
                      QStringLiteral("Sanatorium")},
        SelectionCase{"MouseDrag",
                      [](TextField* f) {
                          QTest::mousePress(f, Qt::LeftButton, {}, QPoint(1, 10));
                          QTest::mouseMove(f, QPoint(f->width() - 2, 10));
                          QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(f->width() - 2, 10));
                      },
                      QStringLiteral("Sanatorium Krynica")}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) { return std::string(info.param.name); });

class DragTest : public UiTest {};

TEST_F(DragTest, AWordMovedWithinAFieldIsPutBackByOneUndo)
{
    QWidget* window = form(QStringLiteral("Form2"));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    auto* field = control<TextField>(QStringLiteral("Form2"), QStringLiteral("Edit1"));
    const QString text = QStringLiteral("Zdrój Górny Krynica");
    field->setText(text);
    const QFontMetrics metrics(field->font());
    const int origin = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x() - metrics.horizontalAdvance(text);
    const auto at = [&](const QString& before) {
        return field->mapTo(window, QPoint(origin + metrics.horizontalAdvance(before), field->height() / 2));
    };
    field->setSelection(5, 6);  // " Górny"
    const QPoint onSelection = at(QStringLiteral("Zdrój Gó"));
    const QPoint atTheEnd = at(text) + QPoint(3, 0);
    QWindow* handle = window->windowHandle();
    // The drag runs an event loop of its own: the mouse moves on and lets go within it.
    QTimer::singleShot(50, field, [&] {
        QTest::mouseMove(handle, atTheEnd);
        QTest::mouseMove(handle, atTheEnd + QPoint(1, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, atTheEnd + QPoint(1, 0));
    });
    QTest::mousePress(handle, Qt::LeftButton, {}, onSelection);
    QTest::mouseMove(handle, onSelection + QPoint(QApplication::startDragDistance() + 2, 0));
    settle();
    ASSERT_EQ(field->text(), QStringLiteral("Zdrój Krynica Górny"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), text);
    EXPECT_EQ(field->selectedText(), QStringLiteral(" Górny"));  // selected again, as before the drag
    field->redo();
    EXPECT_EQ(field->text(), QStringLiteral("Zdrój Krynica Górny"));
}

}  // namespace
}  // namespace termalo::testing
