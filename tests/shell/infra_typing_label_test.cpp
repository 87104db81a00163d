// The typing label, driven tick by tick.
#include "shell/typing_label.h"

#include <QFontMetrics>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TypingLabelTest : public ::testing::Test {
protected:
    TypingLabelTest() : window(std::make_unique<QWidget>()), label(new TTypingLabel(window.get())) {}

    // Ticks until the timer stops by itself; returns the number of ticks.
    int typeOut()
    {
        int ticks = 0;
        while (label->timer()->isActive() && ticks < 100000) {
            label->TimerTimer();
            ++ticks;
        }
        return ticks;
    }
    void tick(int n)
    {
        for (int i = 0; i < n; ++i)
            label->TimerTimer();
    }
    QSize textSize(const QString& text) const
    {
        return QFontMetrics(label->font()).size(Qt::TextExpandTabs, text);
    }

    std::unique_ptr<QWidget> window;
    TTypingLabel* label;
};

TEST_F(TypingLabelTest, StartsIdleAndEmptyAsLargeAsOneBlank)
{
    EXPECT_TRUE(label->text().isEmpty());
    EXPECT_TRUE(label->AText().isEmpty());
    EXPECT_EQ(label->AInterval(), 500);
    EXPECT_EQ(label->timer()->interval(), 500);
    EXPECT_FALSE(label->timer()->isActive());
    EXPECT_EQ(label->position(), 0);
    EXPECT_EQ(label->size(), textSize(QStringLiteral(" ")));
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_FALSE(label->wordWrap());
    EXPECT_EQ(label->parent(), window.get());

    label->SetAText(QStringLiteral("Tekst"));
    EXPECT_TRUE(label->text().isEmpty()) << "a new text is not shown before a tick";
    EXPECT_FALSE(label->timer()->isActive());
}

TEST_F(TypingLabelTest, TypesOneCharacterPerTickAndStopsOneTickAfterTheLast)
{
    struct Case {
        const char* name;
        QString text;
    };
    const Case cases[] = {
        {"one character", QStringLiteral("A")},
        {"a word", QStringLiteral("Termalo")},
        {"Polish letters are one character each", QStringLiteral("Zażółć gęślą jaźń")},
        {"a line break is one character", QStringLiteral("ab\ncd")},
        {"blanks are kept", QStringLiteral("  a  ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window = std::make_unique<QWidget>();
        label = new TTypingLabel(window.get());
        label->SetAText(c.text);
        label->Execute();
        EXPECT_TRUE(label->timer()->isActive());
        for (int i = 1; i <= c.text.size(); ++i) {
            label->TimerTimer();
            EXPECT_EQ(label->text(), c.text.left(i));
            EXPECT_EQ(label->position(), i);
            EXPECT_TRUE(label->timer()->isActive());
        }
        label->TimerTimer();
        EXPECT_FALSE(label->timer()->isActive());
        EXPECT_EQ(label->position(), 0);
        EXPECT_EQ(label->text(), c.text);
    }
}

TEST_F(TypingLabelTest, EmptyTextStopsAtTheFirstTickAndLeavesTheCaption)
{
    label->SetAText(QStringLiteral("Ab"));
    label->Execute();
    EXPECT_EQ(typeOut(), 3);
    label->SetAText(QString());
    label->Execute();
    label->TimerTimer();
    EXPECT_FALSE(label->timer()->isActive());
    EXPECT_EQ(label->text(), QStringLiteral("Ab"));
    EXPECT_EQ(label->position(), 0);

    auto* fresh = new TTypingLabel(window.get());
    fresh->Execute();
    fresh->TimerTimer();
    EXPECT_FALSE(fresh->timer()->isActive());
    EXPECT_TRUE(fresh->text().isEmpty());
}

TEST_F(TypingLabelTest, ExecuteWhileTypingChangesNeitherPositionNorSpeed)
{
    label->SetAInterval(50);
    label->SetAText(QStringLiteral("Sanatorium"));
    label->Execute();
    tick(3);
    label->Execute();
    label->Execute();
    EXPECT_EQ(label->position(), 3);
    EXPECT_EQ(label->text(), QStringLiteral("San"));
    EXPECT_EQ(label->timer()->interval(), 50);
    label->TimerTimer();
    EXPECT_EQ(label->text(), QStringLiteral("Sana"));
}

TEST_F(TypingLabelTest, ExecuteWhileTypingDoesNotPutOffTheNextCharacter)
{
    // A long interval, so the real timer never fires here; a few milliseconds of
    // event processing make the running timer's remaining time measurably short.
    label->SetAInterval(10000);
    label->timer()->setTimerType(Qt::PreciseTimer);  // a coarse timer may shift its deadline by up to 5 %
    label->SetAText(QStringLiteral("Sanatorium"));
    label->Execute();
    QTest::qWait(5);
    const int before = label->timer()->remainingTime();
    ASSERT_GT(before, 0);
    ASSERT_LT(before, 10000);
    label->Execute();
    EXPECT_LE(label->timer()->remainingTime(), before) << "a second Execute restarted the wait for the next character";
    EXPECT_TRUE(label->text().isEmpty());
}

TEST_F(TypingLabelTest, ExecuteOnAFinishedLabelStartsAgainFromTheFirstCharacter)
{
    label->SetAText(QStringLiteral("Opis"));
    label->Execute();
    EXPECT_EQ(typeOut(), 5);
    label->Execute();
    label->TimerTimer();
    EXPECT_EQ(label->text(), QStringLiteral("O"));
    EXPECT_EQ(typeOut(), 4);
    EXPECT_EQ(label->text(), QStringLiteral("Opis"));
}

TEST_F(TypingLabelTest, NewTextWhileTyping)
{
    // Longer: the next tick shows the new text's prefix at the position reached.
    label->SetAText(QStringLiteral("abcdef"));
    label->Execute();
    tick(2);
    label->SetAText(QStringLiteral("UVWXYZ"));
    EXPECT_EQ(label->text(), QStringLiteral("ab"));
    label->TimerTimer();
    EXPECT_EQ(label->text(), QStringLiteral("UVW"));

    // Shorter than the position: the timer stops and the old prefix stays.
    label->SetAText(QStringLiteral("xy"));
    label->TimerTimer();
    EXPECT_FALSE(label->timer()->isActive());
    EXPECT_EQ(label->position(), 0);
    EXPECT_EQ(label->text(), QStringLiteral("UVW"));

    // Exactly as long as the next position: shown in full, stopped one tick later.
    label->SetAText(QStringLiteral("abcdef"));
    label->Execute();
    tick(2);
    label->SetAText(QStringLiteral("klm"));
    label->TimerTimer();
    EXPECT_EQ(label->text(), QStringLiteral("klm"));
    EXPECT_TRUE(label->timer()->isActive());
    label->TimerTimer();
    EXPECT_FALSE(label->timer()->isActive());
}

TEST_F(TypingLabelTest, IntervalGoesToTheTimerWhileTypingAndNonPositiveIntervalsStaySafe)
{
    label->SetAText(QStringLiteral("abc"));
    label->Execute();
    label->SetAInterval(50);
    EXPECT_EQ(label->timer()->interval(), 50);
    EXPECT_TRUE(label->timer()->isActive());
    label->SetAInterval(120);
    EXPECT_EQ(label->timer()->interval(), 120);
    EXPECT_EQ(label->AInterval(), 120);

    for (int interval : {0, -5}) {
        label->SetAInterval(interval);
        EXPECT_EQ(label->AInterval(), interval);
        EXPECT_EQ(label->timer()->interval(), 1) << "typing never hogs the event loop";
    }
}

TEST_F(TypingLabelTest, SizeFollowsTheCaptionAndTheFont)
{
    label->SetAText(QStringLiteral("Wskaźniki\noceny sprawności\nusług"));
    label->Execute();
    tick(1);
    EXPECT_EQ(label->size(), textSize(QStringLiteral("W")));
    tick(9);
    EXPECT_EQ(label->text(), QStringLiteral("Wskaźniki\n"));
    const int oneLine = textSize(QStringLiteral("Wskaźniki")).height();
    EXPECT_GT(label->height(), oneLine) << "a line break starts a new line";
    typeOut();
    const QSize full = label->size();
    EXPECT_EQ(full, textSize(label->AText()));
    EXPECT_EQ(full.width(), textSize(QStringLiteral("oceny sprawności")).width()) << "the widest line";
    EXPECT_EQ(full, label->sizeHint()) << "the whole text fits";

    QFont bigger = label->font();
    bigger.setPixelSize(30);
    label->setFont(bigger);
    EXPECT_EQ(label->size(), textSize(label->AText()));
    EXPECT_GT(label->width(), full.width());
}

TEST_F(TypingLabelTest, ColoursAndTicksFromTheRealTimer)
{
    label->SetColor(QColor(0, 0, 180));
    label->SetFontColor(QColor(255, 255, 0));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0, 0, 180));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(label->Color(), QColor(0, 0, 180));
    EXPECT_EQ(label->FontColor(), QColor(255, 255, 0));

    // The timer is wired to the tick (the label's window need not be visible).
    label->SetAText(QStringLiteral("x"));
    label->Execute();
    QMetaObject::invokeMethod(label->timer(), "timeout", Qt::DirectConnection);
    EXPECT_EQ(label->text(), QStringLiteral("x"));
}

}  // namespace
