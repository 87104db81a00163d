// The program on a Linux desktop: its icon and desktop entry name, Qt's standard
// dialogs in Polish, the light design under a dark theme and another style, and
// names for screen readers.
#include "tests/support/ui_test.h"

#include "shell/combo_field.h"
#include "shell/desktop.h"
#include "shell/message_box.h"
#include "shell/startup.h"
#include "shell/text_field.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

namespace termalo::testing {
namespace {

QString accessibleName(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

class DesktopTest : public UiTest {
protected:
    // A window as the user sees it, without the instruction that types itself out.
    QImage screen(const QString& window)
    {
        QWidget* w = form(window);
        showForm(w);
        settle();
        if (auto* typing = w->findChild<QWidget*>(QStringLiteral("TypingLabel")))
            typing->hide();
        return w->grab().toImage();
    }
    QImage indicatorScreen() { return screen(QStringLiteral("Form4")); }
};

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

TEST_F(DesktopTest, EveryWindowShowsTheProgramIconAndIsNamedByItsCaption)
{
    EXPECT_EQ(QGuiApplication::desktopFileName(), "termalo");
    ASSERT_FALSE(WindowRegistry::windows().isEmpty());
    for (QWidget* window : WindowRegistry::windows()) {
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_FALSE(window->windowIcon().pixmap(32, 32).isNull());
        EXPECT_FALSE(window->windowTitle().isEmpty());
        EXPECT_EQ(accessibleName(window), window->windowTitle());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    }
}

// The frames and group boxes of a window that carry a caption, by their names.
QStringList groupsOf(QWidget* window)
{
    QStringList names;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (iface && iface->role() == QAccessible::Grouping && !iface->text(QAccessible::Name).isEmpty())
            names << iface->text(QAccessible::Name);
    }
    return names;
}

TEST_F(DesktopTest, EveryGroupIsNamedByItsCaption)
{
    // Framed groups whose captions sit on their top or bottom edge.
    EXPECT_EQ(groupsOf(form("Form2")), QStringList({"Moduł informacji podstawowych", "Okres obliczeniowy"}));
    EXPECT_EQ(groupsOf(form("Form3")), QStringList({"Moduł pobytów sanatoryjnych", "Pobyty z zawartych kontraktów",
                                                    "Pobyty indywidualne (komercyjne)",
                                                    "Wszystkie pobyty w sanatorium"}));
    // A group box names itself.
    EXPECT_EQ(groupsOf(form("Form15")), QStringList({"Wybierz wskaźnik"}));
}

TEST_F(DesktopTest, ClosingQuestionOffersPolishButtonsUnderPolishSettings)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::Polish) << "the tests run under pl_PL";
    EXPECT_TRUE(installQtTranslation());
    const auto box = makeQuestionBox(QStringLiteral("Uwaga!"), QStringLiteral("Chcesz zakończyc aplikację?"));
    ASSERT_TRUE(box->button(QMessageBox::Yes));
    ASSERT_TRUE(box->button(QMessageBox::No));
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "&Tak");
    EXPECT_EQ(box->button(QMessageBox::No)->text(), "&Nie");
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
    EXPECT_EQ(makeMessageBox("Termalo 1.0", "Błąd", Dialogs::Icon::Stop)->button(QMessageBox::Ok)->text(), "OK");
    // The print dialog's own texts come from the same translation.
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), "Drukowanie");
}

QPalette darkDesktopPalette()
{
    QPalette dark(QColor(53, 53, 53));  // a dark grey button face; Qt derives the rest
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    return dark;
}

TEST_F(DesktopTest, DarkDesktopThemeLeavesTheIndicatorScreenAsDesigned)
{
    const QImage light = indicatorScreen();
    shutDown();
    settle();

    // The desktop's dark theme is the application's palette before the program starts.
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkDesktopPalette());
    startUp();
    settle();
    const QImage underDark = indicatorScreen();
    QApplication::setPalette(before);

    ASSERT_EQ(underDark.size(), light.size());
    EXPECT_EQ(differingPixels(light, underDark), 0) << "pixels that the dark theme changed";
    // The window's face stays light behind the navy titles.
    EXPECT_EQ(QColor(underDark.pixel(4, 4)), lightPalette().color(QPalette::Button));
}

TEST_F(DesktopTest, DesktopStyleLeavesTheWindowsAsDesigned)
{
    // Group frames, bevels and the period boxes' drop-down buttons: Form2 and Form4.
    const QStringList windows = {QStringLiteral("Form2"), QStringLiteral("Form4")};
    QList<QImage> designed;
    for (const QString& window : windows)
        designed << screen(window);
    // The style the desktop gives programs: GNOME's on Linux, Windows' own on Windows.
#ifdef Q_OS_WIN
    const QString desktopsOwn = QStringLiteral("WindowsVista");
    const char* missing = "Windows' own style is missing (the cross-built Qt makes it)";
#else
    const QString desktopsOwn = QStringLiteral("Adwaita");
    const char* missing = "the GNOME desktop's style is not installed (scripts/setup installs adwaita-qt6)";
#endif
    ASSERT_TRUE(QStyleFactory::keys().contains(desktopsOwn, Qt::CaseInsensitive)) << missing;

    // The desktop's style is the application's before the program starts, as
    // QT_STYLE_OVERRIDE or the platform theme would make it.
    for (const QString& desktopStyle : {desktopsOwn, QStringLiteral("Windows")}) {
        SCOPED_TRACE(desktopStyle.toStdString());
        shutDown();
        settle();
        QApplication::setStyle(desktopStyle);
        ASSERT_EQ(QApplication::style()->name().toStdString(), desktopStyle.toLower().toStdString());
        startUp();
        settle();
        EXPECT_EQ(QApplication::style()->name().toStdString(), "fusion");
        EXPECT_EQ(QApplication::palette(), lightPalette());
        for (qsizetype i = 0; i < windows.size(); ++i)
            EXPECT_EQ(differingPixels(designed[i], screen(windows[i])), 0) << windows[i].toStdString();
    }
}

TEST_F(DesktopTest, EveryEntryFieldIsNamedByTheCaptionBesideIt)
{
    for (const char* window : {"Form2", "Form3"}) {
        QWidget* w = form(window);
        ASSERT_TRUE(w);
        showForm(w);  // labels take the size of their texts when first shown
        settle();
        const QList<QLabel*> labels = w->findChildren<QLabel*>();
        for (TextField* field : w->findChildren<TextField*>()) {
            if (auto* box = qobject_cast<ComboField*>(field->parentWidget())) {
                // The field of a period box has the focus: it carries its box's name.
                EXPECT_EQ(accessibleName(field), box->accessibleName());
                continue;
            }
            SCOPED_TRACE(QStringLiteral("%1/%2").arg(window, field->objectName()).toStdString());
            const QString name = accessibleName(field);
            ASSERT_FALSE(name.isEmpty());
            // The caption on the field's row, to its left.
            const QLabel* caption = nullptr;
            for (const QLabel* label : labels) {
                const QRect r = label->geometry();
                if (r.right() <= field->x() + 8 && r.center().y() >= field->y() - 4
                    && r.center().y() <= field->geometry().bottom() + 4
                    && (!caption || r.right() > caption->geometry().right()))
                    caption = label;
            }
            ASSERT_TRUE(caption);
            EXPECT_EQ(name, caption->text());
        }
        for (ComboField* box : w->findChildren<ComboField*>())
            EXPECT_FALSE(accessibleName(box).isEmpty()) << box->objectName().toStdString();
    }
}

TEST_F(DesktopTest, APeriodBoxKeepsItsNameWhenAMonthIsChosen)
{
    auto* month = control<ComboField>("Form2", "ComboBox1");
    ASSERT_TRUE(month);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(month);
    const QString name = iface->text(QAccessible::Name);
    EXPECT_EQ(name, month->accessibleName());
    month->setCurrentIndex(2);
    EXPECT_EQ(iface->text(QAccessible::Name), name);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("Marzec"));
}

TEST_F(DesktopTest, EveryChartButtonIsNamedByTheChartItOpens)
{
    QStringList names;
    for (int i = 2; i <= 8; ++i) {
        auto* button = control<QPushButton>("Form4", QStringLiteral("BitBtn%1").arg(i));
        ASSERT_TRUE(button);
        const QString name = accessibleName(button);
        EXPECT_TRUE(name.startsWith("Wykres - ")) << name.toStdString();
        names << name;

        // Where the chart windows are built, the name is the caption of the one the button opens.
        showForm(form("Form4"));
        settle();
        QList<QWidget*> before;
        for (QWidget* window : WindowRegistry::windows())
            if (window->isVisible())
                before << window;
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
        for (QWidget* window : WindowRegistry::windows()) {
            if (window->isVisible() && !before.contains(window)) {
                EXPECT_EQ(name, window->windowTitle()) << button->objectName().toStdString();
            }
        }
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 7);
}

}  // namespace
}  // namespace termalo::testing
