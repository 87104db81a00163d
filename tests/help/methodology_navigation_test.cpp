// Walking the methodology chains: which windows are visible after each button.
#include "help/methodology_pages.h"
#include "shell/registry.h"
#include "tests/support/ui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>

namespace termalo::testing {
namespace {

class MethodologyNavigation : public UiTest {
protected:
    void click(const QString& window, const QString& button)
    {
        auto* b = control<QAbstractButton>(window, button);
        ASSERT_NE(b, nullptr);
        b->click();
        settle();
    }

    // The browser's windows that are visible, in creation order.
    static QStringList visible()
    {
        QStringList names;
        for (QWidget* window : WindowRegistry::windows()) {
            const int number = window->objectName().mid(4).toInt();
            if (number >= 15 && window->isVisible())
                names.append(window->objectName());
        }
        return names;
    }
};

TEST_F(MethodologyNavigation, EachMenuButtonOpensItsChainWhichWalksForwardAndEndsOnMenu)
{
    const auto& chains = help::chains();
    ASSERT_EQ(chains.size(), 7u);
    showForm(QStringLiteral("Form15"));
    settle();
    for (std::size_t i = 0; i < chains.size(); ++i) {
        const QStringList& pages = chains[i].pages;
        SCOPED_TRACE(pages.join(QLatin1Char(',')).toStdString());
        click(QStringLiteral("Form15"), QStringLiteral("Button%1").arg(i + 1));
        EXPECT_EQ(visible(), QStringList({QStringLiteral("Form15"), pages.front()}));
        // "&Dalej" leaves each page open beneath the next one.
        for (qsizetype p = 1; p < pages.size(); ++p) {
            click(pages[p - 1], QStringLiteral("Button2"));
            EXPECT_EQ(visible(), QStringList({QStringLiteral("Form15")}) + pages.mid(0, p + 1));
            EXPECT_EQ(lastActiveForm(), form(pages[p]));
        }
        // The last page's closing button ("&Menu", or "&Zamknij" on the capacity
        // page) leaves only the menu.
        const QString last = pages.back();
        const QString closing = pages.size() > 1 ? QStringLiteral("Button2") : QStringLiteral("Button1");
        click(last, closing);
        EXPECT_EQ(visible(), QStringList({QStringLiteral("Form15")}));
        EXPECT_EQ(lastActiveForm(), form(QStringLiteral("Form15")))
            << (lastActiveForm() ? lastActiveForm()->objectName().toStdString() : "none");
    }
}

TEST_F(MethodologyNavigation, BackClosesOnlyItsOwnPageAndMenuClosesPagesAlreadyClosed)
{
    showForm(QStringLiteral("Form15"));
    click(QStringLiteral("Form15"), QStringLiteral("Button6"));
    click(QStringLiteral("Form29"), QStringLiteral("Button2"));
    click(QStringLiteral("Form30"), QStringLiteral("Button2"));
    click(QStringLiteral("Form31"), QStringLiteral("Button1"));  // "&Wstecz" on the third page
    EXPECT_EQ(visible(), QStringList({QStringLiteral("Form15"), QStringLiteral("Form29"), QStringLiteral("Form30")}));
    EXPECT_EQ(lastActiveForm(), form(QStringLiteral("Form30")));
    click(QStringLiteral("Form30"), QStringLiteral("Button2"));
    click(QStringLiteral("Form31"), QStringLiteral("Button2"));
    click(QStringLiteral("Form32"), QStringLiteral("Button2"));  // "&Menu"
    EXPECT_EQ(visible(), QStringList({QStringLiteral("Form15")}));

    // "&Menu" of the last page also hides pages of the chain that were closed or
    // never opened, without complaint.
    showForm(QStringLiteral("Form25"));
    settle();
    click(QStringLiteral("Form25"), QStringLiteral("Button2"));
    EXPECT_EQ(visible(), QStringList({QStringLiteral("Form15")}));
}

TEST_F(MethodologyNavigation, ClosingTheFirstPageLeavesLaterPagesAndOtherChainsOpen)
{
    showForm(QStringLiteral("Form15"));
    click(QStringLiteral("Form15"), QStringLiteral("Button2"));
    click(QStringLiteral("Form17"), QStringLiteral("Button2"));
    click(QStringLiteral("Form15"), QStringLiteral("Button4"));  // a second chain at once
    click(QStringLiteral("Form26"), QStringLiteral("Button2"));
    EXPECT_EQ(visible(), QStringList({QStringLiteral("Form15"), QStringLiteral("Form17"), QStringLiteral("Form18"),
                                      QStringLiteral("Form26"), QStringLiteral("Form27")}));

    click(QStringLiteral("Form17"), QStringLiteral("Button1"));  // "&Zamknij"
    EXPECT_EQ(visible(), QStringList({QStringLiteral("Form15"), QStringLiteral("Form18"), QStringLiteral("Form26"),
                                      QStringLiteral("Form27")}));
    // The close box does what the closing button does: this page only.
    form(QStringLiteral("Form27"))->close();
    settle();
    EXPECT_EQ(visible(), QStringList({QStringLiteral("Form15"), QStringLiteral("Form18"), QStringLiteral("Form26")}));
    // The menu's "&Zamknij" hides the menu alone.
    click(QStringLiteral("Form15"), QStringLiteral("Button8"));
    EXPECT_EQ(visible(), QStringList({QStringLiteral("Form18"), QStringLiteral("Form26")}));
    form(QStringLiteral("Form26"))->close();
    form(QStringLiteral("Form18"))->close();
    settle();
    EXPECT_TRUE(visible().isEmpty());
}

TEST_F(MethodologyNavigation, ShowingAnOpenWindowBringsItToTheFrontAndCreatesNothing)
{
    showForm(QStringLiteral("Form1"));
    settle();
    click(QStringLiteral("Form1"), QStringLiteral("Button2"));  // "&Wskaźniki"
    click(QStringLiteral("Form15"), QStringLiteral("Button1"));
    EXPECT_EQ(lastActiveForm(), form(QStringLiteral("Form16")));
    const qsizetype windows = WindowRegistry::windows().size();
    const qsizetype widgets = QApplication::allWidgets().size();

    // "&Wskaźniki" again while the menu lies beneath a page: the menu comes up.
    click(QStringLiteral("Form1"), QStringLiteral("Button2"));
    EXPECT_EQ(lastActiveForm(), form(QStringLiteral("Form15")));
    EXPECT_TRUE(form(QStringLiteral("Form16"))->isVisible());
    click(QStringLiteral("Form15"), QStringLiteral("Button1"));
    EXPECT_EQ(lastActiveForm(), form(QStringLiteral("Form16")));
    EXPECT_EQ(WindowRegistry::windows().size(), windows);
    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
}

TEST_F(MethodologyNavigation, WindowsOpenFirstAtTheirOwnPlaces)
{
    const struct {
        const char* window;
        QPoint topLeft;
    } places[] = {{"Form15", {197, 129}}, {"Form16", {110, 125}}, {"Form25", {118, 128}}, {"Form33", {119, 131}}};
    for (const auto& place : places) {
        QWidget* window = form(QString::fromLatin1(place.window));
        ASSERT_NE(window, nullptr);
        showForm(window);
        settle();
        EXPECT_EQ(window->pos(), place.topLeft) << place.window;
    }
}

}  // namespace
}  // namespace termalo::testing
