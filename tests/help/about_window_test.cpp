// The about window: opened by "&Autor", closed by "&OK" or its close box, and
// "&Kontakt" that hands a mail link to the system.
#include "tests/support/ui_test.h"

#include "shell/dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

namespace termalo::testing {
namespace {

// Keeps the links handed to the port as they were given, encoding included.
class LinkCatcher : public Dialogs {
public:
    QList<QUrl> links;
    int others = 0;
    void message(const QString&, const QString&, Icon) override { ++others; }
    bool askYesNo(const QString&, const QString&) override { return ++others, false; }
    bool choosePrinter(QPrinter&, QWidget*) override { return ++others, false; }
    void openUrl(const QUrl& url) override { links.append(url); }
    QString chooseSaveFile(QWidget*, const QString&, const QString&, const QStringList&, int*) override
    {
        return ++others, QString();
    }
    QStringList chooseOpenFiles(QWidget*, const QString&, const QString&, const QStringList&, bool) override
    {
        return ++others, QStringList();
    }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return ++others, QString(); }
};

class AboutWindowTest : public UiTest {
protected:
    void click(const QString& window, const QString& button)
    {
        if (auto* b = control<QPushButton>(window, button))
            QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }
    int windowsNamedForm6() const
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += w->objectName() == QLatin1String("Form6");
        return n;
    }
};

TEST_F(AboutWindowTest, AutorOpensOneWindowThatOkAndTheCloseBoxHide)
{
    QWidget* about = form("Form6");
    ASSERT_TRUE(about);
    showForm(form("Form1"));
    settle();
    EXPECT_FALSE(about->isVisible());

    click("Form1", "Button4");
    click("Form1", "Button4");  // while open: the same window, no second one
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(windowsNamedForm6(), 1);
    EXPECT_EQ(lastActiveForm(), about);
    EXPECT_TRUE(form("Form1")->isVisible()) << "not modal: the main window stays";

    click("Form6", "Button1");  // "&OK"
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(form("Form1")->isVisible());

    click("Form1", "Button4");
    ASSERT_TRUE(about->isVisible());
    about->close();  // the close box
    settle();
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(form("Form1")->isVisible());
    EXPECT_EQ(windowsNamedForm6(), 1);
    EXPECT_EQ(dialogs.fake.calls.size(), 0) << "nothing asked, nothing reported";
}

TEST_F(AboutWindowTest, KontaktHandsTheEncodedMailLinkToTheSystemEachTime)
{
    LinkCatcher catcher;
    Dialogs* previous = setDialogs(&catcher);
    showForm(form("Form6"));
    settle();

    click("Form6", "Button2");
    click("Form6", "Button2");
    setDialogs(previous);

    ASSERT_EQ(catcher.links.size(), 2);
    for (const QUrl& link : catcher.links) {
        // Blanks as %20: "+" would reach the subject line literally in some mail programs.
        EXPECT_EQ(link.toEncoded(), "mailto:kontakt@termalo.example?subject=Moje%20uwagi%20o%20Termalo%201.0");
        EXPECT_EQ(QUrlQuery(link).queryItemValue("subject", QUrl::FullyDecoded), "Moje uwagi o Termalo 1.0");
        EXPECT_EQ(link.path(), "kontakt@termalo.example");
    }
    // Whether or not a mail program took the link, nothing is reported and the window stays.
    EXPECT_EQ(catcher.others, 0);
    EXPECT_TRUE(form("Form6")->isVisible());
}

TEST_F(AboutWindowTest, TextsAreWholeAndClearOfEachOtherInsideThePanel)
{
    showForm(form("Form6"));
    settle();
    QWidget* panel = control<QWidget>("Form6", "Panel1");
    ASSERT_TRUE(panel);
    const QRect inside = panel->contentsRect();
    QList<QWidget*> items;
    for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        items.append(child);
    ASSERT_EQ(items.size(), 9);
    for (QWidget* item : items) {
        SCOPED_TRACE(item->objectName().toStdString());
        EXPECT_TRUE(inside.contains(item->geometry()));
        auto* label = qobject_cast<QLabel*>(item);
        if (label && !label->text().isEmpty()) {
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_GE(label->wordWrap() ? label->height() : label->width(), needed) << "text cut off";
        }
        for (QWidget* other : items) {
            if (other != item && !(item->objectName() == "ProgramIcon" || other->objectName() == "ProgramIcon")) {
                EXPECT_FALSE(item->geometry().intersects(other->geometry())) << other->objectName().toStdString();
            }
        }
    }
    auto* icon = control<QLabel>("Form6", "ProgramIcon");
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->pixmap().deviceIndependentSize().toSize(), QSize(129, 25));
}

}  // namespace
}  // namespace termalo::testing
