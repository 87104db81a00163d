// The window foundation: handlers wired by name through the error guard, and the
// lookup of documented controls.
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/form.h"
#include "shell/registry.h"
#include "shell/startup.h"
#include "tests/support/recording_dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace termalo::testing {
namespace {

// A window whose every kind of handler can fail: click, activation, timer, paint.
class FailingForm : public Form {
    Q_OBJECT
public:
    explicit FailingForm(const QString& name)
    {
        setObjectName(name);
        resize(200, 100);
        for (const char* button : {"Button1", "Button2"}) {
            auto* b = new QPushButton(QStringLiteral("&Test"), this);
            b->setObjectName(QString::fromLatin1(button));
        }
        timer = addTimer(QStringLiteral("Timer1"), 3'600'000);
        setUpForm();
    }

    int clicks = 0;
    int activations = 0;
    int ticks = 0;
    bool fail = true;
    QTimer* timer = nullptr;

public slots:
    void Button1Click()
    {
        ++clicks;
        if (fail)
            throw Error(QStringLiteral("Przycisk zawiódł"));
    }
    void FormActivate()
    {
        ++activations;
        if (fail)
            throw std::runtime_error("Aktywacja zawiodła.");
    }
    void Timer1Timer()
    {
        ++ticks;
        if (fail)
            throw 7;
    }
    void FormPaint() { throw Error(QStringLiteral("Malowanie zawiodło")); }
    // Not a handler of a control: no Button2 wiring expected from this name.
    void helperClicked() {}
};

// Overrides a handler: the derived slot runs, once per click.
class DerivedForm : public FailingForm {
    Q_OBJECT
public:
    using FailingForm::FailingForm;
    int derivedClicks = 0;
public slots:
    void Button1Click() { ++derivedClicks; }
    void Button2Click() { ++derivedClicks; }
};

// Declares a handler for a button it does not have.
class MisspeltForm : public Form {
    Q_OBJECT
public:
    MisspeltForm() { setObjectName(QStringLiteral("Form2")); }
public slots:
    void Buton1Click() {}
};

class FormFoundation : public ::testing::Test {
protected:
    void TearDown() override { shutDown(); }
    static void settle() { QTest::qWait(20); }
    ScopedRecordingDialogs dialogs;
};

TEST_F(FormFoundation, EveryKindOfHandlerFailingReachesTheErrorBoxAndTheWindowGoesOn)
{
    startUpWith({[] { return new FailingForm(QStringLiteral("Form1")); },
                 [] { return new FailingForm(QStringLiteral("Form2")); }});
    auto* form = WindowRegistry::find<FailingForm>(QStringLiteral("Form2"));
    showForm(QStringLiteral("Form1"));
    settle();
    showForm(form);
    settle();
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    emit form->timer->timeout({});
    form->repaint();

    EXPECT_EQ(form->activations, 1);
    EXPECT_EQ(form->clicks, 1);
    EXPECT_EQ(form->ticks, 1);
    QStringList texts;
    for (const RecordingDialogs::Call& call : dialogs.fake.calls) {
        EXPECT_EQ(call.kind, QStringLiteral("message"));
        EXPECT_EQ(call.icon, Dialogs::Icon::Stop);
        texts << call.text;
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Aktywacja zawiodła.")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Przycisk zawiódł.")));
    EXPECT_TRUE(texts.contains(QString())) << "an exception of no known type: empty message";
    EXPECT_TRUE(texts.contains(QStringLiteral("Malowanie zawiodło.")));

    // Wired once: a second wiring adds no second connection.
    form->wireHandlers();
    form->fail = false;
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    EXPECT_EQ(form->clicks, 2);
}

TEST_F(FormFoundation, ADerivedWindowsOwnHandlerRunsInsteadOfItsBasesOnce)
{
    startUpWith({[] { return new DerivedForm(QStringLiteral("Form1")); }});
    auto* form = WindowRegistry::find<DerivedForm>(QStringLiteral("Form1"));
    form->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    form->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    EXPECT_EQ(form->derivedClicks, 2);
    EXPECT_EQ(form->clicks, 0);
    EXPECT_EQ(dialogs.fake.count(QStringLiteral("message")), 0);
}

TEST_F(FormFoundation, AHandlerWithoutItsControlIsAFaultNamingTheControl)
{
    ASSERT_TRUE(strictControlLookup());
    try {
        startUpWith({[] { return new MisspeltForm; }});
        FAIL() << "a handler without its control was accepted";
    } catch (const Error& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("Form2/Buton1")));
    }
}

TEST_F(FormFoundation, LookupFailsLoudlyForMissingControlsAndUnknownWindowsOnly)
{
    startUpWith({[] { return new FailingForm(QStringLiteral("Form1")); }});
    EXPECT_NE(findControl<QPushButton>(core::Target{"Form1", "Button1"}), nullptr);
    EXPECT_THROW(findControl<QLabel>(core::Target{"Form1", "Button1"}), Error) << "wrong type";
    EXPECT_THROW(findControl<QLabel>(core::Target{"Form1", "Label99"}), Error);
    EXPECT_THROW(findControl<QLabel>(core::Target{"Fomr7", "Label1"}), Error) << "misspelt window";
    EXPECT_THROW(findControl<QLabel>(core::Target{"Form22", "Label1"}), Error) << "no such window";
    EXPECT_EQ(findControl<QLabel>(core::Target{"Form7", "Label1"}), nullptr) << "not built here";

    // A user's run outside strict lookup goes on without the value.
    setStrictControlLookup(false);
    EXPECT_EQ(findControl<QLabel>(core::Target{"Form1", "Label99"}), nullptr);
    setStrictControlLookup(true);
}

}  // namespace
}  // namespace termalo::testing

#include "infra_form_test.moc"
