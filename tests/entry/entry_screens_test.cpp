// The two data-entry screens driven through the real windows: what they show at
// start, how their instructions type themselves out on activation, the keyboard
// order, and the navigation buttons.
#include "tests/support/ui_test.h"

#include "shell/combo_field.h"
#include "shell/registry.h"
#include "shell/startup.h"
#include "shell/text_field.h"
#include "shell/typing_label.h"

#include <QApplication>
#include <QLabel>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <climits>
#include <ostream>

namespace termalo::testing {
namespace {

// Types `text` character by character, Polish letters included (QTest::keyClicks
// only handles Latin-1).
void typeText(QWidget* target, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// The name of the control that has the keyboard focus; a period box gives the
// focus to its field, which counts as the box.
QString focusedControl()
{
    QWidget* w = QApplication::focusWidget();
    if (!w)
        return QStringLiteral("<none>");
    if (auto* box = qobject_cast<ComboField*>(w->parentWidget()))
        return box->objectName();
    return w->objectName();
}

class EntryScreens : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        // The tests tick the instructions themselves, so keep the real timers quiet.
        for (const char* name : {"Form2", "Form3"}) {
            if (TTypingLabel* label = instruction(name))
                label->SetAInterval(INT_MAX);
        }
    }

    TTypingLabel* instruction(const QString& window)
    {
        return control<TTypingLabel>(window, QStringLiteral("TypingLabel"));
    }

    void activate(const QString& window)
    {
        showForm(window);
        settle();
    }

    void click(const QString& window, const QString& button)
    {
        QPushButton* b = control<QPushButton>(window, button);
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }

    static void tick(TTypingLabel* label, int times)
    {
        for (int i = 0; i < times; ++i)
            label->TimerTimer();
    }
};

class EachEntryScreen : public EntryScreens, public ::testing::WithParamInterface<const char*> {
protected:
    QString window() const { return QString::fromLatin1(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Screens, EachEntryScreen, ::testing::Values("Form2", "Form3"),
                         [](const auto& info) { return std::string(info.param); });

TEST_P(EachEntryScreen, StartsHiddenWithEmptyFieldsAndNoInstructionShown)
{
    QWidget* w = form(window());
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isVisible());
    const auto edits = w->findChildren<TextField*>(QRegularExpression(QStringLiteral("^Edit\\d+$")));
    EXPECT_EQ(edits.size(), window() == QLatin1String("Form2") ? 8 : 10);
    for (TextField* edit : edits)
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    TTypingLabel* label = instruction(window());
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->text().isEmpty());
    EXPECT_FALSE(label->timer()->isActive());
}

TEST_P(EachEntryScreen, FirstActivationTypesTheInstructionFromItsFirstCharacter)
{
    TTypingLabel* label = instruction(window());
    ASSERT_NE(label, nullptr);
    activate(window());
    EXPECT_TRUE(form(window())->isActiveWindow());
    EXPECT_TRUE(label->timer()->isActive());
    EXPECT_TRUE(label->text().isEmpty());
    tick(label, 1);
    EXPECT_EQ(label->text(), QStringLiteral("P"));
}

TEST_P(EachEntryScreen, ReactivationWhileTypingGoesOnWhereItStood)
{
    TTypingLabel* label = instruction(window());
    ASSERT_NE(label, nullptr);
    activate(window());
    tick(label, 10);
    activate(QStringLiteral("Form1"));
    activate(window());
    tick(label, 1);
    EXPECT_EQ(label->text(), label->AText().left(11));
    EXPECT_TRUE(label->timer()->isActive());
}

// Both instructions are 284 characters long, four lines, doubled blanks kept;
// 284 ticks show all of it and the next one stops the typing.
TEST_P(EachEntryScreen, InstructionTakesExactly284TicksAndRestartsAfterwards)
{
    TTypingLabel* label = instruction(window());
    ASSERT_NE(label, nullptr);
    activate(window());
    tick(label, 283);
    EXPECT_EQ(label->text().size(), 283);
    tick(label, 1);
    EXPECT_EQ(label->text(), label->AText());
    EXPECT_EQ(label->text().split(QLatin1Char('\n')).size(), 4);
    EXPECT_TRUE(label->timer()->isActive());
    tick(label, 1);
    EXPECT_FALSE(label->timer()->isActive());
    EXPECT_EQ(label->text().size(), 284);

    // Coming back to the finished screen types the whole instruction again.
    activate(QStringLiteral("Form1"));
    activate(window());
    EXPECT_TRUE(label->timer()->isActive());
    tick(label, 1);
    EXPECT_EQ(label->text(), QStringLiteral("P"));
}

// Every caption is readable in full: no label runs under an edit box or a
// combo box, and nothing sticks out of the window.
TEST_P(EachEntryScreen, CaptionsStayClearOfTheFields)
{
    QWidget* w = form(window());
    ASSERT_NE(w, nullptr);
    activate(window());
    QList<QWidget*> fields;
    for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<TextField*>(child) || qobject_cast<ComboField*>(child))
            fields << child;
    }
    ASSERT_FALSE(fields.isEmpty());
    for (QLabel* label : w->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label\\d+$")))) {
        EXPECT_TRUE(w->rect().contains(label->geometry())) << label->objectName().toStdString();
        for (QWidget* field : fields) {
            EXPECT_FALSE(label->geometry().intersects(field->geometry()))
                << label->objectName().toStdString() << " runs under " << field->objectName().toStdString();
        }
    }
}

TEST_P(EachEntryScreen, InstructionIsNavyOnSilverAndGrowsWithTheText)
{
    TTypingLabel* label = instruction(window());
    ASSERT_NE(label, nullptr);
    activate(window());
    tick(label, 5);
    const QSize small = label->size();
    tick(label, 279);
    EXPECT_EQ(label->pos(), QPoint(185, 35));
    EXPECT_GT(label->width(), small.width());
    EXPECT_GT(label->height(), small.height());
    // The label stays inside the outer frame.
    EXPECT_LE(label->geometry().right(), 537);
    const QImage image = label->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(192, 192, 192));
    // Anti-aliased letters: their darkest pixels are the text colour.
    bool navyFound = false;
    for (int y = 0; y < image.height() && !navyFound; ++y) {
        for (int x = 0; x < image.width() && !navyFound; ++x) {
            const QColor c = image.pixelColor(x, y);
            navyFound = c.red() < 24 && c.green() < 24 && qAbs(c.blue() - 128) < 24;
        }
    }
    EXPECT_TRUE(navyFound);
}

TEST_F(EntryScreens, PeriodBoxesShowTheirPromptsAsText)
{
    auto* month = control<ComboField>("Form2", "ComboBox1");
    auto* year = control<ComboField>("Form2", "ComboBox2");
    ASSERT_TRUE(month && year);
    EXPECT_EQ(month->text(), QStringLiteral("Wybierz miesiąc"));
    EXPECT_EQ(year->text(), QStringLiteral("Wybierz rok"));
    EXPECT_EQ(month->count(), 12);
}

TEST_F(EntryScreens, YearListRunsFrom2003ThroughTheYearAfterTheClocks)
{
    const auto years = [this] {
        auto* box = control<ComboField>("Form2", "ComboBox2");
        QStringList items;
        for (int i = 0; box && i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    };
    QStringList expected;
    for (int year = 2003; year <= 2027; ++year)
        expected << QString::number(year);
    EXPECT_EQ(years(), expected);  // the fixture's clock stands in December 2026

    fixedClock.time = QDateTime(QDate(2031, 1, 1), QTime(0, 0));
    shutDown();
    startUp();
    settle();
    EXPECT_EQ(years().size(), 2032 - 2003 + 1);
    EXPECT_EQ(years().value(0), "2003");
    EXPECT_EQ(years().value(years().size() - 1), "2032");
    EXPECT_EQ(control<ComboField>("Form2", "ComboBox2")->text(), QStringLiteral("Wybierz rok"));
}

struct PeriodCase {
    const char* name;
    const char* box;
    const char* typed;  // UTF-8
    Qt::Key leaveWith;
    const char* held;   // UTF-8
};

void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.name; }

class PeriodBoxTyping : public EntryScreens, public ::testing::WithParamInterface<PeriodCase> {};

const PeriodCase periodCases[] = {
    {"MonthInLowerCaseLeftByTab", "ComboBox1", "luty", Qt::Key_Tab, "luty"},
    {"MonthInLowerCaseLeftByEnter", "ComboBox1", "luty", Qt::Key_Return, "luty"},
    {"MonthWithPolishLetters", "ComboBox1", "Październik", Qt::Key_Tab, "Październik"},
    {"MonthNotInTheList", "ComboBox1", "maj/czerwiec", Qt::Key_Tab, "maj/czerwiec"},
    {"MonthWithTrailingBlank", "ComboBox1", "Maj ", Qt::Key_Tab, "Maj "},
    {"PromptLeftUntouched", "ComboBox1", "", Qt::Key_Tab, "Wybierz miesiąc"},
    {"YearFromTheList", "ComboBox2", "2005", Qt::Key_Tab, "2005"},
    {"YearOutsideTheList", "ComboBox2", "1999", Qt::Key_Return, "1999"},
    {"ShortYear", "ComboBox2", "05", Qt::Key_Tab, "05"},
};

INSTANTIATE_TEST_SUITE_P(Cases, PeriodBoxTyping, ::testing::ValuesIn(periodCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(PeriodBoxTyping, HoldsExactlyWhatWasTyped)
{
    const PeriodCase& c = GetParam();
    activate(QStringLiteral("Form2"));
    auto* box = control<ComboField>("Form2", QString::fromLatin1(c.box));
    ASSERT_NE(box, nullptr);
    box->setFocus(Qt::TabFocusReason);
    settle();
    ASSERT_EQ(focusedControl(), box->objectName());
    const QString typed = QString::fromUtf8(c.typed);
    if (!typed.isEmpty()) {
        box->field()->selectAll();
        typeText(box->field(), typed);
    }
    QTest::keyClick(box->field(), c.leaveWith);
    settle();
    EXPECT_EQ(box->text(), QString::fromUtf8(c.held));
}

TEST_F(EntryScreens, ArrowKeyPicksTheFirstMonthFromThePrompt)
{
    activate(QStringLiteral("Form2"));
    auto* month = control<ComboField>("Form2", "ComboBox1");
    ASSERT_NE(month, nullptr);
    month->setFocus(Qt::TabFocusReason);
    QTest::keyClick(month->field(), Qt::Key_Down);
    EXPECT_EQ(month->text(), QStringLiteral("Styczeń"));
    QTest::keyClick(month->field(), Qt::Key_Down);
    EXPECT_EQ(month->text(), QStringLiteral("Luty"));
}

TEST_F(EntryScreens, FieldsAcceptLongTexts)
{
    auto* name = control<TextField>("Form2", "Edit1");
    ASSERT_NE(name, nullptr);
    const QString longText(40000, QLatin1Char('x'));
    name->setText(longText);
    EXPECT_EQ(name->text().size(), longText.size());
}

struct TabCase {
    const char* window;
    const char* order;  // blank-separated, starting at the control that gets the focus first
};

void PrintTo(const TabCase& c, std::ostream* os) { *os << c.window; }

class TabOrder : public EntryScreens, public ::testing::WithParamInterface<TabCase> {};

INSTANTIATE_TEST_SUITE_P(
    Screens, TabOrder,
    ::testing::Values(
        TabCase{"Form2", "Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 ComboBox1 ComboBox2 Button1 Button2 Edit8"},
        TabCase{"Form3", "Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 Edit8 Button1 Button2 Edit9 Edit10"}),
    [](const auto& info) { return std::string(info.param.window); });

TEST_P(TabOrder, TabWalksTheControlsInTheirKeyboardOrderAndWrapsAround)
{
    const TabCase& c = GetParam();
    const QString window = QString::fromLatin1(c.window);
    activate(window);
    ASSERT_TRUE(form(window)->isActiveWindow());
    const QStringList expected = QString::fromLatin1(c.order).split(QLatin1Char(' '));

    // The first control of the order has the focus when the screen opens.
    EXPECT_EQ(focusedControl(), expected.first());

    QStringList forward{focusedControl()};
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focusedControl();
    }
    EXPECT_EQ(forward, expected + QStringList{expected.first()});

    QStringList backward{focusedControl()};
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(focusedControl());
    }
    EXPECT_EQ(backward, expected + QStringList{expected.first()});
}

TEST_F(EntryScreens, BackHidesTheScreenAndStartBringsItBackAsItWasLeft)
{
    activate(QStringLiteral("Form1"));
    click("Form1", "Button3");
    QWidget* form2 = form("Form2");
    ASSERT_TRUE(form2 && form2->isVisible());

    auto* name = control<TextField>("Form2", "Edit1");
    auto* rooms = control<TextField>("Form2", "Edit5");
    auto* month = control<ComboField>("Form2", "ComboBox1");
    ASSERT_TRUE(name && rooms && month);
    name->setFocus();
    typeText(name, QStringLiteral("Sanatorium „Pod Jodłami”"));
    rooms->setFocus();
    typeText(rooms, QStringLiteral("  12,9 "));
    month->setText(QStringLiteral("luty"));

    click("Form2", "Button2");
    EXPECT_FALSE(form2->isVisible());
    EXPECT_TRUE(form("Form1")->isActiveWindow());

    click("Form1", "Button3");
    EXPECT_TRUE(form2->isVisible());
    EXPECT_TRUE(form2->isActiveWindow());
    EXPECT_EQ(name->text(), QStringLiteral("Sanatorium „Pod Jodłami”"));
    EXPECT_EQ(rooms->text(), QStringLiteral("  12,9 "));
    EXPECT_EQ(month->text(), QStringLiteral("luty"));
    EXPECT_EQ(dialogs.fake.calls.size(), 0);
}

TEST_F(EntryScreens, StaysScreenBackKeepsItsTextsForTheNextVisit)
{
    activate(QStringLiteral("Form2"));
    click("Form2", "Button1");
    QWidget* form3 = form("Form3");
    ASSERT_TRUE(form3 && form3->isVisible());
    auto* revenue = control<TextField>("Form3", "Edit10");
    ASSERT_NE(revenue, nullptr);
    revenue->setFocus();
    typeText(revenue, QStringLiteral("324000"));

    click("Form3", "Button2");
    EXPECT_FALSE(form3->isVisible());
    EXPECT_TRUE(form("Form2")->isVisible());
    EXPECT_TRUE(form("Form2")->isActiveWindow());

    click("Form2", "Button1");
    EXPECT_TRUE(form3->isVisible());
    EXPECT_EQ(revenue->text(), QStringLiteral("324000"));
}

TEST_F(EntryScreens, NextWithEmptyFieldsOpensTheStaysScreenWithoutAnyMessage)
{
    activate(QStringLiteral("Form2"));
    click("Form2", "Button1");
    EXPECT_TRUE(form("Form3")->isVisible());
    EXPECT_TRUE(form("Form3")->isActiveWindow());
    EXPECT_TRUE(form("Form2")->isVisible());
    EXPECT_EQ(dialogs.fake.calls.size(), 0);
    // Opening the stays screen started its own instruction.
    EXPECT_TRUE(instruction("Form3")->timer()->isActive());
}

TEST_F(EntryScreens, NextOnTheStaysScreenOpensTheIndicatorScreenAndKeepsBothBehind)
{
    activate(QStringLiteral("Form2"));
    click("Form2", "Button1");
    click("Form3", "Button1");
    EXPECT_TRUE(form("Form4")->isVisible());
    EXPECT_TRUE(form("Form4")->isActiveWindow());
    EXPECT_TRUE(form("Form2")->isVisible());
    EXPECT_TRUE(form("Form3")->isVisible());
}

struct TitleCase {
    const char* window;
    const char* label;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.window << '/' << c.label; }

class GroupTitle : public EntryScreens, public ::testing::WithParamInterface<TitleCase> {};

INSTANTIATE_TEST_SUITE_P(
    Titles, GroupTitle,
    ::testing::Values(TitleCase{"Form2", "Label1"}, TitleCase{"Form2", "Label2"},
                      TitleCase{"Form3", "Label12"}, TitleCase{"Form3", "Label9"},
                      TitleCase{"Form3", "Label10"}, TitleCase{"Form3", "Label11"}),
    [](const auto& info) { return std::string(info.param.window) + info.param.label; });

// A group title keeps three blanks on each side and is wide enough to show them,
// so the frame line behind it is interrupted a little beyond the words.
TEST_P(GroupTitle, KeepsItsFramingBlanksAndShowsThem)
{
    auto* label = control<QLabel>(GetParam().window, GetParam().label);
    ASSERT_NE(label, nullptr);
    const QString text = label->text();
    EXPECT_TRUE(text.startsWith(QLatin1String("   ")) && !text.startsWith(QLatin1String("    ")));
    EXPECT_TRUE(text.endsWith(QLatin1String("   ")) && !text.endsWith(QLatin1String("    ")));
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(text));
    EXPECT_GT(label->width(), label->fontMetrics().horizontalAdvance(text.trimmed()) + 6);
    EXPECT_EQ(label->height(), 13);
}

}  // namespace
}  // namespace termalo::testing
