// Windows, activation, navigation, start-up and the error box, with small windows of the test's own.
#include "shell/application.h"
#include "tests/support/recording_dialogs.h"
#include "shell/registry.h"
#include "shell/startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

namespace termalo::testing {
namespace {


// A window that counts its activations and can be told to fail in them.
class CountingForm : public QWidget {
    Q_OBJECT
public:
    explicit CountingForm(const QString& name, QStringList* log = nullptr) : log_(log)
    {
        setObjectName(name);
        resize(200, 100);
        button = new QPushButton(QStringLiteral("&Test"), this);
        button->setObjectName(QStringLiteral("Button1"));
        button->setGeometry(10, 10, 80, 25);
    }
    ~CountingForm() override
    {
        if (log_)
            log_->append(QStringLiteral("~") + objectName());
    }

    int activations = 0;
    int clicks = 0;
    std::function<void()> onActivate;
    std::function<void()> onClick;
    QPushButton* button = nullptr;

public slots:
    void Button1Click()
    {
        ++clicks;
        if (onClick)
            onClick();
    }
    void FormActivate()
    {
        ++activations;
        if (log_)
            log_->append(objectName());
        if (onActivate)
            onActivate();
    }

private:
    QStringList* log_;
};

// A window without a FormActivate slot.
class PlainForm : public QWidget {
    Q_OBJECT
public:
    explicit PlainForm(const QString& name) { setObjectName(name); resize(120, 80); }
};

// A main window whose close asks nothing but answers as the test says.
class ClosingForm : public CountingForm {
    Q_OBJECT
public:
    using CountingForm::CountingForm;
    bool allowClose = false;
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeRequests;
        event->setAccepted(allowClose);
    }
};


void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(1);
    }
}

// Three registered windows, Form1 the main one; dialogs recorded.
class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        startUpWith({
            [this] { return new ClosingForm(QStringLiteral("Form1"), &log); },
            [this] { return new CountingForm(QStringLiteral("Form2"), &log); },
            [this] { return new CountingForm(QStringLiteral("Form3"), &log); },
        });
        settle();
    }
    void TearDown() override
    {
        shutDown();
        settle();
    }

    ClosingForm* form1() { return WindowRegistry::find<ClosingForm>(QStringLiteral("Form1")); }
    CountingForm* form(const char* name) { return WindowRegistry::find<CountingForm>(QString::fromUtf8(name)); }
    void show(const char* name)
    {
        showForm(QString::fromUtf8(name));
        settle();
    }
    QList<int> counts() { return {form("Form1")->activations, form("Form2")->activations, form("Form3")->activations}; }

    QStringList log;
    ScopedRecordingDialogs dialogs;
};

TEST_F(WindowsTest, StartUpCreatesEveryWindowOnceInOrderAllHidden)
{
    const QList<QWidget*>& windows = WindowRegistry::windows();
    ASSERT_EQ(windows.size(), 3);
    QStringList names;
    for (QWidget* w : windows) {
        names << w->objectName();
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
        EXPECT_TRUE(w->isWindow());
    }
    EXPECT_EQ(names, QStringList({"Form1", "Form2", "Form3"}));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Termalo 1.0"));
    EXPECT_EQ(counts(), QList<int>({0, 0, 0})) << "nothing is active before the first show";
    EXPECT_EQ(WindowRegistry::find(QStringLiteral("Form22")), nullptr);
    EXPECT_EQ(WindowRegistry::find<PlainForm>(QStringLiteral("Form2")), nullptr) << "wrong class";
    EXPECT_TRUE(WindowRegistry::isRegistered(form("Form3")));
}

TEST_F(WindowsTest, ShowActivatesOnceAndAgainOnlyComingFromAnotherWindow)
{
    show("Form1");
    EXPECT_TRUE(form("Form1")->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), form("Form1"));
    EXPECT_EQ(counts(), QList<int>({1, 0, 0}));

    show("Form2");
    EXPECT_EQ(QApplication::activeWindow(), form("Form2"));
    EXPECT_EQ(lastActiveForm(), form("Form2"));
    EXPECT_EQ(counts(), QList<int>({1, 1, 0}));

    show("Form2");  // already in front
    form("Form2")->activateWindow();
    settle();
    EXPECT_EQ(counts(), QList<int>({1, 1, 0})) << "re-activating the active window runs nothing";

    show("Form1");  // back to a window that is open behind
    EXPECT_EQ(counts(), QList<int>({2, 1, 0}));
    EXPECT_TRUE(form("Form2")->isVisible()) << "showing another window hides nothing";

    show("Form2");  // Form2 open behind Form1: the same window comes back
    EXPECT_EQ(counts(), QList<int>({2, 2, 0}));
    EXPECT_EQ(log, QStringList({"Form1", "Form2", "Form1", "Form2"}));
}

TEST_F(WindowsTest, ClosingAMessageBoxOrDialogDoesNotActivateTheWindowBelow)
{
    show("Form1");
    show("Form2");
    ASSERT_EQ(counts(), QList<int>({1, 1, 0}));

    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Termalo 1.0"), QStringLiteral("x"),
                                QMessageBox::Ok, form("Form2"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    box->activateWindow();
    settle();
    EXPECT_EQ(QApplication::activeWindow(), box);
    box->close();
    settle();
    // Under X11 the window below regains activation; the headless platform leaves
    // it to us: both must end the same way.
    form("Form2")->activateWindow();
    settle();
    EXPECT_EQ(counts(), QList<int>({1, 1, 0}));

    QDialog dialog(form("Form2"));
    dialog.show();
    dialog.activateWindow();
    settle();
    dialog.hide();
    form("Form2")->activateWindow();
    settle();
    EXPECT_EQ(counts(), QList<int>({1, 1, 0}));

    show("Form1");
    EXPECT_EQ(counts(), QList<int>({2, 1, 0})) << "a dialog in between does not hide the change of window";
}

TEST_F(WindowsTest, ClosingTheActiveWindowActivatesTheMostRecentVisibleOne)
{
    show("Form1");
    show("Form2");
    show("Form3");
    ASSERT_EQ(counts(), QList<int>({1, 1, 1}));

    closeForm(QStringLiteral("Form3"));
    settle();
    EXPECT_FALSE(form("Form3")->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), form("Form2"));
    EXPECT_EQ(counts(), QList<int>({1, 2, 1})) << "the window that takes over runs its activation";

    // The most recent window is hidden already: the next visible one takes over.
    show("Form3");
    closeForm(QStringLiteral("Form2"));  // not active: nothing else changes
    settle();
    EXPECT_EQ(QApplication::activeWindow(), form("Form3"));
    EXPECT_EQ(counts(), QList<int>({1, 2, 2}));
    closeForm(QStringLiteral("Form3"));
    settle();
    EXPECT_EQ(QApplication::activeWindow(), form("Form1"));
    EXPECT_EQ(counts(), QList<int>({2, 2, 2}));

    // A closed window comes back as it was left, and activates again.
    form("Form3")->setWindowTitle(QStringLiteral("zostaje"));
    show("Form3");
    EXPECT_TRUE(form("Form3")->isVisible());
    EXPECT_EQ(form("Form3")->windowTitle(), QStringLiteral("zostaje"));
    EXPECT_EQ(counts(), QList<int>({2, 2, 3}));
}

TEST_F(WindowsTest, ClosingTheOnlyVisibleWindowLetsItActivateAgainWhenShown)
{
    show("Form2");
    closeForm(QStringLiteral("Form2"));
    settle();
    EXPECT_EQ(lastActiveForm(), nullptr);
    show("Form2");
    EXPECT_EQ(QApplication::activeWindow(), form("Form2"));
    EXPECT_EQ(form("Form2")->activations, 2);
}

TEST_F(WindowsTest, ClosingTheMainWindowAsksItAndKeepsItWhenRefused)
{
    show("Form1");
    show("Form2");
    closeForm(QStringLiteral("Form1"));
    settle();
    EXPECT_EQ(form1()->closeRequests, 1);
    EXPECT_TRUE(form1()->isVisible());
    EXPECT_TRUE(form("Form2")->isVisible());

    form1()->allowClose = true;
    closeForm(form1());
    settle();
    EXPECT_EQ(form1()->closeRequests, 2);
    EXPECT_FALSE(form1()->isVisible());
    EXPECT_EQ(WindowRegistry::find(QStringLiteral("Form1")), form1()) << "closing never destroys a window";
}

TEST_F(WindowsTest, AWindowOpensCentredOnceAndThenWhereTheUserLeftIt)
{
    QWidget* w = form("Form2");
    w->resize(300, 200);
    show("Form2");
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(w->frameGeometry().center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(w->frameGeometry().center().y() - area.center().y()), 1);

    w->move(area.topLeft() + QPoint(10, 20));
    const QPoint moved = w->pos();
    closeForm(w);
    settle();
    show("Form2");
    EXPECT_EQ(w->pos(), moved) << "a window shown again keeps its place";
}

TEST_F(WindowsTest, ShowAndCloseOfAbsentWindowsDoNothing)
{
    showForm(QStringLiteral("Form99"));
    closeForm(QStringLiteral("Form99"));
    showForm(static_cast<QWidget*>(nullptr));
    closeForm(static_cast<QWidget*>(nullptr));
    settle();
    EXPECT_EQ(counts(), QList<int>({0, 0, 0}));
}

TEST_F(WindowsTest, ExceptionsFromHandlersReachTheErrorBoxAndTheProgramGoesOn)
{
    show("Form1");
    CountingForm* f2 = form("Form2");
    int clicks = 0;
    // Connected plainly: the exception unwinds through the toolkit to the application object.
    QObject::connect(f2->button, &QPushButton::clicked, f2, [&clicks] {
        ++clicks;
        throw Error(QStringLiteral("Błąd w przycisku"));
    });
    f2->onActivate = [] { throw std::runtime_error("Aktywacja nie powiodła się!"); };
    show("Form2");
    ASSERT_EQ(dialogs.fake.count("message"), 1);
    EXPECT_EQ(dialogs.fake.calls.at(0).caption, QStringLiteral("Termalo 1.0"));
    EXPECT_EQ(dialogs.fake.calls.at(0).text, QStringLiteral("Aktywacja nie powiodła się!"));
    EXPECT_EQ(dialogs.fake.calls.at(0).icon, Dialogs::Icon::Stop);
    f2->onActivate = nullptr;

    QTest::mouseClick(f2->button, Qt::LeftButton);
    QTest::mouseClick(f2->button, Qt::LeftButton);
    settle();
    EXPECT_EQ(clicks, 2) << "the button works again after a failure";
    EXPECT_FALSE(f2->button->isDown());
    ASSERT_EQ(dialogs.fake.count("message"), 3);
    EXPECT_EQ(dialogs.fake.calls.at(2).text, QStringLiteral("Błąd w przycisku."));

    // Through the guarded connection, and an exception of no known type.
    CountingForm* f3 = form("Form3");
    f3->onClick = [] { throw 42; };
    connectHandler(f3->button, &QPushButton::clicked, f3, &CountingForm::Button1Click);
    show("Form3");
    QTest::mouseClick(f3->button, Qt::LeftButton);
    settle();
    EXPECT_EQ(f3->clicks, 1);
    ASSERT_EQ(dialogs.fake.count("message"), 4);
    EXPECT_EQ(dialogs.fake.calls.at(3).text, QString());

    // The windows still work.
    show("Form1");
    EXPECT_EQ(counts(), QList<int>({2, 1, 1}));
}

TEST_F(WindowsTest, EveryKindOfExceptionFromAButtonOrAnActivationIsShownTheSameWay)
{
    struct Case {
        const char* name;
        std::function<void()> raise;
        QString shown;
    };
    const Case cases[] = {
        {"program error", [] { throw Error(QStringLiteral("Nie ma pliku")); }, QStringLiteral("Nie ma pliku.")},
        {"library error", [] { throw std::runtime_error("Uwaga!"); }, QStringLiteral("Uwaga!")},
        {"anything else", [] { throw 7; }, QString()},
    };
    show("Form1");
    CountingForm* f2 = form("Form2");
    int expected = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // From the activation: Form2 comes from Form1.
        f2->onActivate = c.raise;
        show("Form2");
        f2->onActivate = nullptr;
        ASSERT_EQ(dialogs.fake.calls.size(), ++expected);
        EXPECT_EQ(dialogs.fake.calls.last().text, c.shown);

        // From a button clicked with the mouse, twice: the second click fails the same way.
        f2->onClick = c.raise;
        const int clicks = f2->clicks;
        QObject::connect(f2->button, &QPushButton::clicked, f2, &CountingForm::Button1Click,
                         Qt::UniqueConnection);
        QTest::mouseClick(f2->button, Qt::LeftButton);
        QTest::mouseClick(f2->button, Qt::LeftButton);
        settle();
        f2->onClick = nullptr;
        EXPECT_EQ(f2->clicks, clicks + 2);
        expected += 2;
        ASSERT_EQ(dialogs.fake.calls.size(), expected);
        EXPECT_EQ(dialogs.fake.calls.last().text, c.shown);

        for (const RecordingDialogs::Call& call : dialogs.fake.calls) {
            EXPECT_EQ(call.kind, QStringLiteral("message"));
            EXPECT_EQ(call.caption, QStringLiteral("Termalo 1.0"));
            EXPECT_EQ(call.icon, Dialogs::Icon::Stop);
        }
        show("Form1");  // leave, so that the next case activates Form2 again
    }
    QTest::mouseClick(f2->button, Qt::LeftButton);
    EXPECT_EQ(dialogs.fake.calls.size(), expected) << "a click that succeeds shows nothing";
    EXPECT_EQ(f2->activations, 3);
}

TEST(WindowRegistryTest, RejectsWindowsWithoutNameOrWithAnotherWindowsName)
{
    EXPECT_THROW(startUpWith({[] { return new PlainForm(QString()); }}), std::logic_error);
    EXPECT_TRUE(WindowRegistry::windows().isEmpty());
    EXPECT_THROW(startUpWith({[] { return new PlainForm(QStringLiteral("Form1")); },
                              [] { return new PlainForm(QStringLiteral("Form1")); }}),
                 std::logic_error);
    EXPECT_EQ(WindowRegistry::windows().size(), 1) << "the first one stays";
    shutDown();
    EXPECT_TRUE(WindowRegistry::windows().isEmpty());

    // A factory that makes no window is an error, not a crash.
    EXPECT_THROW(startUpWith({[]() -> QWidget* { return nullptr; }}), std::logic_error);
    EXPECT_TRUE(WindowRegistry::windows().isEmpty());
}

TEST(WindowRegistryTest, ShutDownDestroysInReverseOrderAndStartUpWorksAgain)
{
    QStringList log;
    const std::vector<WindowFactory> factories = {
        [&log] { return new CountingForm(QStringLiteral("Form1"), &log); },
        [&log] { return new CountingForm(QStringLiteral("Form2"), &log); },
        [&log] { return new CountingForm(QStringLiteral("Form3"), &log); },
    };
    startUpWith(factories);
    showForm(QStringLiteral("Form2"));
    settle();
    shutDown();
    EXPECT_EQ(log, QStringList({"Form2", "~Form3", "~Form2", "~Form1"}));
    EXPECT_EQ(lastActiveForm(), nullptr);

    log.clear();
    startUpWith(factories);
    QPointer<QWidget> second = WindowRegistry::find(QStringLiteral("Form2"));
    delete WindowRegistry::find(QStringLiteral("Form3"));  // destroyed elsewhere: leaves the registry
    EXPECT_EQ(WindowRegistry::windows().size(), 2);
    showForm(second);
    settle();
    EXPECT_EQ(log, QStringList({"~Form3", "Form2"}));
    shutDown();
    EXPECT_TRUE(second.isNull());
}

TEST(RunProgramTest, AnErrorDuringStartUpIsShownAndEndsWithZero)
{
    ScopedRecordingDialogs dialogs;
    QStringList log;
    const int code = runProgramWith({
        [&log] { return new CountingForm(QStringLiteral("Form1"), &log); },
        []() -> QWidget* { throw Error(QStringLiteral("Brak pamięci")); },
        [&log] { return new CountingForm(QStringLiteral("Form3"), &log); },
    });
    EXPECT_EQ(code, 0);
    ASSERT_EQ(dialogs.fake.calls.size(), 1);
    EXPECT_EQ(dialogs.fake.calls.at(0).text, QStringLiteral("Brak pamięci."));
    EXPECT_EQ(dialogs.fake.calls.at(0).icon, Dialogs::Icon::Stop);
    EXPECT_EQ(log, QStringList({"~Form1"})) << "what was built is destroyed, nothing after the failure is built";
    EXPECT_TRUE(WindowRegistry::windows().isEmpty());
}

TEST(RunProgramTest, ShowsTheMainWindowCentredAndEndsWhenTold)
{
    ScopedRecordingDialogs dialogs;
    QStringList log;
    bool mainShown = false;
    bool othersHidden = false;
    QRect frame;
    QTimer::singleShot(0, [&] {
        QWidget* main = WindowRegistry::find(QStringLiteral("Form1"));
        mainShown = main && main->isVisible();
        othersHidden = !WindowRegistry::find(QStringLiteral("Form2"))->isVisible();
        frame = main ? main->frameGeometry() : QRect();
        endProgram();
    });
    const int code = runProgramWith({
        [&log] { return new CountingForm(QStringLiteral("Form1"), &log); },
        [&log] { return new CountingForm(QStringLiteral("Form2"), &log); },
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(mainShown);
    EXPECT_TRUE(othersHidden);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1);
    EXPECT_TRUE(WindowRegistry::windows().isEmpty());
    EXPECT_TRUE(dialogs.fake.calls.isEmpty());
    QApplication::setQuitOnLastWindowClosed(true);
}

TEST(RunProgramTest, EndProgramGoesToTheTestHandlerWhenOneIsSet)
{
    int ends = 0;
    setEndProgramHandler([&ends] { ++ends; });
    endProgram();
    setEndProgramHandler(nullptr);
    EXPECT_EQ(ends, 1);
}

}  // namespace
}  // namespace termalo::testing

#include "infra_windows_test.moc"
