// The main window driven through the real start-up: closing, ending, the
// description sequence, the clock panels, the gradient, keyboard and layout.
#include "shell/decorative_chart.h"
#include "shell/painting.h"
#include "shell/startup.h"
#include "shell/tform1.h"
#include "shell/typing_label.h"
#include "tests/support/ui_test.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <map>

namespace termalo {
namespace {

class MainWindowTest : public testing::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        setEndProgramHandler([this] { ++endRequests; });
        main = WindowRegistry::find<TForm1>(QStringLiteral("Form1"));
        ASSERT_NE(main, nullptr);
        showForm(main);
        settle();
    }
    void TearDown() override
    {
        setEndProgramHandler(nullptr);
        UiTest::TearDown();
    }

    QPushButton* button(const char* name) { return control<QPushButton>(QStringLiteral("Form1"), name); }
    QLabel* label(const char* name) { return control<QLabel>(QStringLiteral("Form1"), name); }

    // Drives a typing label's timer until it stops by itself.
    static int typeOut(TTypingLabel* typing)
    {
        int ticks = 0;
        while (typing->timer()->isActive() && ticks < 10000) {
            typing->TimerTimer();
            ++ticks;
        }
        return ticks;
    }

    std::map<QString, bool> visibility() const
    {
        std::map<QString, bool> shown;
        for (QWidget* w : WindowRegistry::windows())
            shown[w->objectName()] = w->isVisible();
        return shown;
    }

    TForm1* main = nullptr;
    int endRequests = 0;
};

// ------------------------------------------------------------ ending the program

TEST_F(MainWindowTest, ClosingQuestionDecidesWhetherTheProgramEnds)
{
    struct Case {
        const char* name;
        bool answerYes;
        bool closeThroughRegistry;
    };
    const Case cases[] = {
        {"No from the close box keeps everything", false, false},
        {"Yes from the close box ends the program", true, false},
        {"No through the window registry", false, true},
        {"Yes through the window registry", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        showForm(main);
        settle();
        dialogs.fake.calls.clear();
        dialogs.fake.answerYes = c.answerYes;
        endRequests = 0;
        const auto before = visibility();

        if (c.closeThroughRegistry)
            closeForm(main);
        else
            main->close();
        settle();

        ASSERT_EQ(dialogs.fake.calls.size(), 1);
        EXPECT_EQ(dialogs.fake.calls[0].kind, "question");
        EXPECT_EQ(dialogs.fake.calls[0].caption, QStringLiteral("Uwaga!"));
        EXPECT_EQ(dialogs.fake.calls[0].text, QStringLiteral("Chcesz zakończyc aplikację?"));
        if (c.answerYes) {
            EXPECT_EQ(endRequests, 1);
        } else {
            EXPECT_EQ(endRequests, 0);
            EXPECT_EQ(visibility(), before) << "No changes nothing";
        }
    }
}

TEST_F(MainWindowTest, ZamknijEndsAtOnceWithoutAQuestion)
{
    QTest::mouseClick(button("Button5"), Qt::LeftButton);
    settle();
    EXPECT_EQ(endRequests, 1);
    EXPECT_TRUE(dialogs.fake.calls.isEmpty());
}

TEST_F(MainWindowTest, NavigationButtonsShowTheirWindowOrDoNothingWhenItIsAbsent)
{
    struct Case {
        const char* button;
        const char* window;
    };
    const Case cases[] = {{"Button3", "Form2"}, {"Button2", "Form15"}, {"Button4", "Form6"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        QWidget* target = WindowRegistry::find(QString::fromLatin1(c.window));
        QTest::mouseClick(button(c.button), Qt::LeftButton);
        settle();
        if (target) {
            EXPECT_TRUE(target->isVisible());
        }
        EXPECT_TRUE(main->isVisible());
        EXPECT_TRUE(dialogs.fake.calls.isEmpty()) << "no error box";
        EXPECT_EQ(endRequests, 0);
    }
}

// ------------------------------------------------------------ description

TEST_F(MainWindowTest, DescriptionButtonsStartBothTextsAndTheChart)
{
    TTypingLabel* first = main->firstDescription();
    TTypingLabel* second = main->secondDescription();
    DecorativeChart* chart = main->chart();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(main->findChild<TTypingLabel*>(QStringLiteral("TypingLabel1")), first);
    EXPECT_EQ(main->findChild<TTypingLabel*>(QStringLiteral("TypingLabel2")), second);

    // Before: only "Opis aplikacji", nothing typed, the chart hidden and still.
    EXPECT_TRUE(button("Button1")->isVisible());
    EXPECT_FALSE(button("Button6")->isVisible());
    EXPECT_FALSE(chart->isVisible());
    EXPECT_FALSE(chart->feeder()->isRunning());
    for (TTypingLabel* typing : {first, second}) {
        EXPECT_TRUE(typing->text().isEmpty());
        EXPECT_FALSE(typing->timer()->isActive());
        EXPECT_EQ(typing->AInterval(), 50);
    }

    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    EXPECT_TRUE(first->timer()->isActive());
    EXPECT_FALSE(second->timer()->isActive());
    EXPECT_FALSE(button("Button1")->isVisible());
    EXPECT_TRUE(button("Button6")->isVisible());
    EXPECT_EQ(button("Button6")->geometry(), QRect(56, 336, 97, 25)) << "in Opis aplikacji's place";
    EXPECT_TRUE(chart->isVisible());
    EXPECT_TRUE(chart->feeder()->isRunning());
    EXPECT_EQ(chart->feeder()->timer()->interval(), 200);

    first->TimerTimer();
    first->TimerTimer();
    EXPECT_EQ(first->text(), QStringLiteral(" A"));

    // "Dalszy opis" at once: both texts type together.
    QTest::mouseClick(button("Button6"), Qt::LeftButton);
    EXPECT_FALSE(button("Button6")->isVisible());
    EXPECT_FALSE(button("Button1")->isVisible());
    EXPECT_TRUE(first->timer()->isActive());
    EXPECT_TRUE(second->timer()->isActive());
    second->TimerTimer();
    second->TimerTimer();
    EXPECT_EQ(second->text(), QStringLiteral(" A"));
    EXPECT_EQ(first->text(), QStringLiteral(" A"));

    // Each finishes with its whole text and stays so.
    typeOut(first);
    typeOut(second);
    EXPECT_EQ(first->text(), first->AText());
    EXPECT_EQ(second->text(), second->AText());
    showForm(main);
    settle();
    EXPECT_EQ(first->text(), first->AText()) << "nothing retypes a finished text";
    EXPECT_FALSE(first->timer()->isActive());
}

TEST_F(MainWindowTest, DescriptionTextsAreLaidOutLikeTheirOwnLines)
{
    struct Case {
        const char* name;
        TTypingLabel* label;
        QPoint position;
        QColor background;
        int lines;
    };
    const Case cases[] = {
        {"first", main->firstDescription(), QPoint(45, 115), QColor(0, 0, 180), 5},
        {"second", main->secondDescription(), QPoint(45, 180), QColor(0, 0, 150), 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList lines = c.label->AText().split(QLatin1Char('\n'));
        EXPECT_EQ(lines.size(), c.lines);
        for (const QString& line : lines) {
            EXPECT_TRUE(line.startsWith(QLatin1Char(' ')) && !line.startsWith(QStringLiteral("  ")))
                << "one leading blank: " << line.toStdString();
            EXPECT_FALSE(line.endsWith(QLatin1Char(' '))) << line.toStdString();
        }
        EXPECT_EQ(c.label->pos(), c.position);
        EXPECT_EQ(c.label->Color(), c.background);
        EXPECT_EQ(c.label->FontColor(), QColor(192, 192, 192));
        EXPECT_EQ(c.label->font().pixelSize(), 11);
    }

    // Fully typed, the texts stay clear of each other, of the chart and of the buttons.
    main->Button1Click();
    main->Button6Click();
    typeOut(main->firstDescription());
    typeOut(main->secondDescription());
    const QRect first = main->firstDescription()->geometry();
    const QRect second = main->secondDescription()->geometry();
    EXPECT_LE(first.bottom(), second.top());
    EXPECT_LT(first.right(), main->chart()->geometry().left());
    EXPECT_LT(second.right(), main->chart()->geometry().left());
    EXPECT_LT(second.bottom(), button("Button1")->geometry().top());
}

// ------------------------------------------------------------ clock

TEST_F(MainWindowTest, ClockPanelsAreEmptyUntilTheFirstTickThenFollowTheClock)
{
    QLabel* date = label("Panel4");
    QLabel* time = label("Panel1");
    auto* timer = main->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(date->text().isEmpty());
    EXPECT_TRUE(time->text().isEmpty());

    struct Case {
        QDateTime now;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)), "07.12.2026", "14:05:09"},
        {QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)), "01.01.2027", "00:00:00"},
        {QDateTime(QDate(999, 3, 9), QTime(9, 7, 3)), "09.03.0999", "09:07:03"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        fixedClock.time = c.now;
        main->Timer1Timer();
        EXPECT_EQ(date->text(), QString::fromLatin1(c.date));
        EXPECT_EQ(time->text(), timePanelText(c.now));
        EXPECT_TRUE(time->text().contains(QString::fromLatin1(c.time))) << time->text().toStdString();
    }
    EXPECT_EQ(date->toolTip(), QStringLiteral("Aktualny czas"));
    EXPECT_EQ(time->toolTip(), QStringLiteral("Aktualny czas"));
}

// ------------------------------------------------------------ gradient

QRgb pixelAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

TEST_F(MainWindowTest, WindowIsPaintedWithTwoRowBlueBands)
{
    ASSERT_EQ(main->height(), 426);
    const QImage image = main->grab().toImage();
    ASSERT_EQ(image.height(), 426);
    struct Case {
        int row;
        int blue;
    };
    // h = (426 + 255) / 256 = 2
    const Case cases[] = {{0, 255}, {1, 255}, {2, 254}, {3, 254}, {100, 205}, {425, 255 - 212}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        for (int x : {2, 639}) {
            EXPECT_EQ(pixelAt(image, x, c.row), qRgb(0, 0, c.blue) & 0xffffff) << "x " << x;
        }
    }
}

TEST_F(MainWindowTest, PartialRepaintKeepsTheBandsOfTheWholeWindow)
{
    // Only a strip near the bottom is exposed, as when a covering window moves away.
    QImage image(main->size(), QImage::Format_RGB32);
    image.fill(Qt::red);
    const QRect exposed(0, 300, main->width(), 12);
    main->render(&image, exposed.topLeft(), QRegion(exposed), QWidget::DrawWindowBackground);
    EXPECT_EQ(pixelAt(image, 2, 300), qRgb(0, 0, 255 - 150) & 0xffffff);
    EXPECT_EQ(pixelAt(image, 2, 311), qRgb(0, 0, 255 - 155) & 0xffffff);
    EXPECT_EQ(pixelAt(image, 2, 299), qRgb(255, 0, 0) & 0xffffff) << "outside the exposed strip";
}

TEST(BlueGradient, BandHeightFollowsTheClientHeight)
{
    struct Case {
        const char* name;
        int height;
        int row;
        int blue;
    };
    const Case cases[] = {
        {"one-row bands up to 256 rows", 256, 255, 0},
        {"257 rows need two-row bands", 257, 256, 127},
        {"a 430-row client ends near blue 40", 430, 429, 255 - 214},
        {"a 430-row client, second band", 430, 2, 254},
        {"three-row bands above 512 rows", 600, 599, 255 - 199},
        {"a one-row client", 1, 0, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image(20, c.height, QImage::Format_RGB32);
        image.fill(Qt::red);
        {
            QPainter painter(&image);
            paintBlueGradient(painter, image.rect());
        }
        EXPECT_EQ(pixelAt(image, 0, c.row), qRgb(0, 0, c.blue) & 0xffffff);
        EXPECT_EQ(pixelAt(image, 19, c.row), qRgb(0, 0, c.blue) & 0xffffff);
    }
}

TEST(Pictures, HaveTheirSizesAndShowTheirColours)
{
    const QImage banner = bannerPixmap().toImage();
    EXPECT_EQ(banner.size(), QSize(515, 99));
    EXPECT_EQ(qRed(banner.pixel(2, 2)), 0) << "blue background";
    EXPECT_GT(qBlue(banner.pixel(2, 2)), 150);

    struct Case {
        LogoColouring colouring;
        QRgb letters;
    };
    for (const Case& c : {Case{LogoColouring::Black, qRgb(0, 0, 0)}, Case{LogoColouring::Yellow, qRgb(255, 255, 0)}}) {
        const QImage logo = logoPixmap(c.colouring).toImage();
        EXPECT_EQ(logo.size(), QSize(129, 25));
        EXPECT_EQ(logo.pixel(0, 0) & 0xffffff, qRgb(192, 192, 192) & 0xffffff) << "silver background";
        int letterPixels = 0;
        int rimPixels = 0;
        for (int y = 0; y < logo.height(); ++y)
            for (int x = 0; x < logo.width(); ++x) {
                const QRgb p = logo.pixel(x, y) & 0xffffff;
                letterPixels += p == (c.letters & 0xffffff);
                rimPixels += qRed(p) > 180 && qGreen(p) < 60 && qBlue(p) < 60;
            }
        EXPECT_GT(letterPixels, 100);
        EXPECT_GT(rimPixels, 50);
    }
}

TEST(Pictures, AreDrawnForHighDensityScreensAtTheirLayoutSize)
{
    // Between one and two device pixels per pixel the banner is drawn for its
    // scale, to the last device row and column its place touches.
    const QImage between = drawBanner(1.5);
    EXPECT_EQ(between.size(), QSize(773, 149));
    for (const QPoint corner : {QPoint(0, 0), QPoint(772, 0), QPoint(0, 148), QPoint(772, 148)}) {
        EXPECT_EQ(qRed(between.pixel(corner)), 0) << corner.x() << "," << corner.y();
        EXPECT_GT(qBlue(between.pixel(corner)), 150) << corner.x() << "," << corner.y();
    }

    // At two device pixels per pixel a logo has four times the pixels, keeps
    // its size in the layout and shows the same drawing over the whole of it.
    struct Case {
        const char* name;
        QPixmap normal, dense;
    };
    for (const Case& c : {Case{"black logo", logoPixmap(LogoColouring::Black, 1.0), logoPixmap(LogoColouring::Black, 2.0)},
                          Case{"yellow logo", logoPixmap(LogoColouring::Yellow, 1.0),
                               logoPixmap(LogoColouring::Yellow, 2.0)}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.dense.deviceIndependentSize(), c.normal.deviceIndependentSize());
        EXPECT_EQ(c.dense.size(), c.normal.size() * 2);
        const QImage normal = c.normal.toImage();
        const QImage reduced = c.dense.toImage().scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        long difference = 0;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x)
                difference += std::abs(qGray(normal.pixel(x, y)) - qGray(reduced.pixel(x, y)));
        EXPECT_LT(difference / (normal.width() * normal.height()), 12) << "mean grey difference";
    }
}

// ------------------------------------------------------------ keyboard and layout

TEST_F(MainWindowTest, ButtonsTakeFocusInTheirOrderAndShowAHand)
{
    QStringList order;
    QWidget* w = button("Button1");
    do {
        if (qobject_cast<QPushButton*>(w) && w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        else if (w->focusPolicy() & Qt::TabFocus && w != main)
            order << QStringLiteral("(%1 %2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));  // nothing else takes focus
        w = w->nextInFocusChain();
    } while (w != button("Button1"));
    EXPECT_EQ(order, QStringList({"Button1", "Button3", "Button2", "Button4", "Button5", "Button6"}));

    for (QPushButton* b : main->findChildren<QPushButton*>())
        EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor) << b->objectName().toStdString();
}

TEST_F(MainWindowTest, ControlsFitTheNarrowestClientAreaWithoutOverlapping)
{
    const QRect client(0, 0, TForm1::kMinClientWidth, TForm1::kClientHeight);
    EXPECT_EQ(main->minimumSize(), client.size());
    EXPECT_EQ(main->maximumHeight(), TForm1::kClientHeight);

    QList<QWidget*> controls;
    for (QWidget* child : main->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<TTypingLabel*>(child))
            continue;  // they grow as they type; checked with the description
        EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
        if (child->objectName() != QStringLiteral("Button6"))
            controls << child;
    }
    // Neighbouring buttons share one column of pixels, nothing overlaps more.
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j) {
            const QRect common = controls[i]->geometry().intersected(controls[j]->geometry());
            EXPECT_TRUE(common.isEmpty() || common.width() <= 1)
                << controls[i]->objectName().toStdString() << " / " << controls[j]->objectName().toStdString();
        }

    // The notice fits its one line.
    QLabel* notice = label("Label2");
    EXPECT_FALSE(notice->text().isEmpty());
    EXPECT_LE(notice->fontMetrics().horizontalAdvance(notice->text()), notice->width());
    EXPECT_EQ(notice->font().pixelSize(), 12);
}

}  // namespace
}  // namespace termalo
