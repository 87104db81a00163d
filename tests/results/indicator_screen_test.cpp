// The indicator screen driven like a user: data typed into the entry screens,
// "&Dalej..." pressed, the labels read back.
#include "tests/results/results_fixture.h"

#include "shell/controls.h"
#include "shell/text_field.h"
#include "tests/support/fixed_clock.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTimer>

namespace termalo::testing {
namespace {

const QString kFormatError = QString::fromUtf8("Błąd !. Nieodpowiedni format danych.");

struct LabelText {
    const char* label;
    const char* text;  // UTF-8; U+00A0 is the Polish group separator
};

// Labels that the engine writes after row 26 (utilisation of 2-person rooms).
const QStringList kWrittenAfterRow26 = {"Label50", "Label46", "Label56", "Label54", "Label59", "Label61",
                                        "Label63", "Label66", "Label68", "Label70", "Label74", "Label76",
                                        "Label78", "Label80", "Label81", "Label82", "Label83", "Label85",
                                        "Label86", "Label93"};

using IndicatorScreenTest = ResultsTest;

TEST_F(IndicatorScreenTest, WorkedExampleFillsEveryValueLabelInRegionalNotation)
{
    enterAndShow(workedExampleEntries());

    EXPECT_EQ(messages(), 0);
    const LabelText expected[] = {
        {"Label2", "130"},
        {"Label4", "70"},
        {"Label8", "20"},
        {"Label9", "40"},
        {"Label11", "10"},
        {"Label13", "3\u00A0900"},
        {"Label17", "2\u00A0100"},
        {"Label19", "600"},
        {"Label20", "1\u00A0200"},
        {"Label22", "300"},
        {"Label28", "1\u00A0500"},
        {"Label26", "2\u00A0400"},
        {"Label32", "82,05%"},
        {"Label34", "93,33%"},
        {"Label36", "75,00%"},
        {"Label40", "35,90%"},
        {"Label38", "46,15%"},
        {"Label43", "73,81%"},
        {"Label47", "75,00%"},
        {"Label48", "75,00%"},
        {"Label50", "66,67%"},
        {"Label46", "12,80 dni(a)"},
        {"Label56", "12,00 dni(a)"},
        {"Label54", "14,00 dni(a)"},
        {"Label59", "166,88 zł"},  // an exact half, rounded up
        {"Label61", "150,00 zł"},
        {"Label63", "180,00 zł"},
        {"Label66", "136,92 zł"},
        {"Label68", "140,00 zł"},
        {"Label70", "135,00 zł"},
        {"Label74", "91,28%"},
        {"Label76", "60,67%"},
        {"Label78", "39,33%"},
        {"Label80", "Sanatorium Zdrój"},
        {"Label81", "Krynica"},
        {"Label82", "ul. Źródlana 5"},
        {"Label83", "Uzdrowisko Południe S.A."},
        {"Label85", "Kwiecień"},
        {"Label86", "2009"},
        {"Label93", "17,95%"},
    };
    for (const LabelText& row : expected) {
        SCOPED_TRACE(row.label);
        auto* label = control<QLabel>("Form4", row.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(row.text));
        // Value labels size themselves to their text: nothing is cut off.
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    }
    EXPECT_EQ(text("Form4", "Edit1"), "30");
}

TEST_F(IndicatorScreenTest, PeriodStoreStaysHiddenWhileTheWindowIsShown)
{
    auto* store = control<TextField>("Form4", "Edit1");
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->text(), "Edit1");
    enterAndShow(workedExampleEntries());
    ASSERT_TRUE(form("Form4")->isVisible());
    EXPECT_FALSE(store->isVisible());
}

TEST_F(IndicatorScreenTest, EmptyFieldsShowOneMessageAndKeepThePlaceholders)
{
    const auto before = labelTexts("Form4");
    walkToIndicators();

    ASSERT_TRUE(form("Form4")->isVisible());
    ASSERT_EQ(messages(), 1);
    const RecordingDialogs::Call& call = dialogs.fake.calls.back();
    EXPECT_EQ(call.caption, "Termalo 1.0");
    EXPECT_EQ(call.text, kFormatError);
    EXPECT_EQ(call.icon, Dialogs::Icon::None);

    EXPECT_EQ(labelTexts("Form4"), before);
    // The placeholders themselves, blanks kept.
    EXPECT_EQ(text("Form4", "Label2"), "Brak ");
    EXPECT_EQ(text("Form4", "Label32"), "Brak danych");
    EXPECT_EQ(text("Form4", "Label93"), "Brak");
    EXPECT_EQ(text("Form4", "Label85"), "");
    EXPECT_EQ(text("Form4", "Label89"), "rok");
}

TEST_F(IndicatorScreenTest, ZeroThreePersonRoomsStopsAfterTheTwoPersonRoomUtilisation)
{
    const auto before = labelTexts("Form4");
    enterAndShow(withField(workedExampleEntries(), "Form2", "Edit7", "0"));

    EXPECT_EQ(messages(), 1);
    // Rows before the failing division are new (P = 100, R = 60).
    const LabelText updated[] = {
        {"Label2", "100"},         {"Label11", "0"},       {"Label13", "3\u00A0000"},
        {"Label26", "1\u00A0500"}, {"Label32", "106,67%"}, {"Label43", "86,11%"},
        {"Label47", "75,00%"},     {"Label48", "75,00%"},
    };
    for (const LabelText& row : updated)
        EXPECT_EQ(text("Form4", row.label), QString::fromUtf8(row.text)) << row.label;
    for (const QString& label : kWrittenAfterRow26)
        EXPECT_EQ(text("Form4", label), before.value(label)) << label.toStdString();
}

TEST_F(IndicatorScreenTest, UnrecognisedMonthAtTheFirstRunChangesNothing)
{
    const auto before = labelTexts("Form4");
    enterAndShow(withField(workedExampleEntries(), "Form2", "ComboBox1", QString::fromUtf8("kwiecień")));

    EXPECT_EQ(messages(), 1);
    EXPECT_EQ(labelTexts("Form4"), before);
    EXPECT_EQ(text("Form4", "Edit1"), "Edit1");
}

TEST_F(IndicatorScreenTest, FebruaryOfALeapYearPastTheYearListHas29Days)
{
    EntryList february = withField(workedExampleEntries(), "Form2", "ComboBox1", "Luty");
    enterAndShow(withField(february, "Form2", "ComboBox2", "2024"));

    ASSERT_EQ(messages(), 0);
    const LabelText leap[] = {
        {"Label13", "3\u00A0770"},  // 130 places x 29 days
        {"Label17", "2\u00A0030"},  // 70 rooms x 29 days
        {"Label19", "580"},
        {"Label32", "84,88%"},      // 3200 granted nights / 3770
        {"Label66", "141,64 z\u0142"},
        {"Label74", "94,43%"},
        {"Label86", "2024"},
    };
    for (const LabelText& row : leap)
        EXPECT_EQ(text("Form4", row.label), QString::fromUtf8(row.text)) << row.label;
    EXPECT_EQ(text("Form4", "Edit1"), "29");

    // A century year that is not a multiple of 400 keeps February at 28 days.
    activate("Form2");
    type({{"Form2", "ComboBox2", "2100"}});
    activate("Form4");
    EXPECT_EQ(messages(), 0);
    EXPECT_EQ(text("Form4", "Label13"), QString::fromUtf8("3\u00A0640"));
    EXPECT_EQ(text("Form4", "Edit1"), "28");
}

TEST_F(IndicatorScreenTest, UnrecognisedMonthAfterARecognisedOneKeepsItsDays)
{
    EntryList leapFebruary = withField(workedExampleEntries(), "Form2", "ComboBox1", "Luty");
    leapFebruary = withField(leapFebruary, "Form2", "ComboBox2", "2004");
    enterAndShow(leapFebruary);
    ASSERT_EQ(messages(), 0);
    EXPECT_EQ(text("Form4", "Label13"), QString::fromUtf8("3\u00A0770"));  // 130 places x 29 days

    activate("Form2");
    type({{"Form2", "ComboBox1", QString::fromUtf8("Wybierz miesiąc")}, {"Form2", "Edit5", "30"}});
    activate("Form4");

    EXPECT_EQ(messages(), 0);
    EXPECT_EQ(text("Form4", "Label2"), "140");
    EXPECT_EQ(text("Form4", "Label13"), QString::fromUtf8("4\u00A0060"));  // still 29 days
    EXPECT_EQ(text("Form4", "Label85"), QString::fromUtf8("Wybierz miesiąc"));
    EXPECT_EQ(text("Form4", "Edit1"), "29");
}

TEST_F(IndicatorScreenTest, EveryReturnFromAnotherWindowRecomputes)
{
    enterAndShow(workedExampleEntries());

    activate("Form3");
    type({{"Form3", "Edit1", "1000"}});
    activate("Form4");
    EXPECT_EQ(text("Form4", "Label28"), QString::fromUtf8("1\u00A0000"));

    activate("Form2");
    type({{"Form2", "Edit8", "300"}});
    activate("Form4");
    EXPECT_EQ(text("Form4", "Label74"), "45,64%");  // 534000 / (3900 x 300)
    EXPECT_EQ(messages(), 0);
}

TEST_F(IndicatorScreenTest, ClosingTheMessageDoesNotRecompute)
{
    walkToIndicators();
    ASSERT_EQ(messages(), 1);

    // A real message box over the window, closed again: the window regains
    // activation, which is no return from another window of the program.
    QMessageBox box(QMessageBox::NoIcon, "Termalo 1.0", kFormatError, QMessageBox::Ok);
    box.show();
    box.activateWindow();
    settle();
    box.hide();
    form("Form4")->activateWindow();
    settle();
    EXPECT_EQ(messages(), 1);

    // A real return still recomputes (and fails again).
    activate("Form3");
    activate("Form4");
    EXPECT_EQ(messages(), 2);
}

TEST_F(IndicatorScreenTest, MenuHidesThePathAndLeavesOtherWindowsOpen)
{
    showForm(QStringLiteral("Form1"));
    settle();
    enterAndShow(workedExampleEntries());
    click("Form4", "Button3");  // the report
    settle();
    ASSERT_TRUE(form("Form5")->isVisible());
    activate("Form4");

    click("Form4", "Button1");
    settle();
    EXPECT_FALSE(form("Form2")->isVisible());
    EXPECT_FALSE(form("Form3")->isVisible());
    EXPECT_FALSE(form("Form4")->isVisible());
    EXPECT_TRUE(form("Form1")->isVisible());
    EXPECT_TRUE(form("Form5")->isVisible());

    // Back through the entry screens with new data: fresh values.
    type({{"Form2", "Edit5", "30"}});
    walkToIndicators();
    EXPECT_TRUE(form("Form4")->isVisible());
    EXPECT_EQ(text("Form4", "Label2"), "140");
}

TEST_F(IndicatorScreenTest, ChartButtonsAndChartCommandAreOneShot)
{
    enterAndShow(workedExampleEntries());
    for (const char* name : {"BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8"}) {
        SCOPED_TRACE(name);
        auto* button = control<QPushButton>("Form4", name);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible());
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->size(), QSize(20, 15));
        // Drawn for the screen's density: at two device pixels per pixel each
        // pixel of the picture is a sharp 2 x 2 block; at one and a half, only
        // the picture's own colours, none blended.
        const QImage normal = button->icon().pixmap(button->iconSize(), 1.0).toImage();
        const QPixmap dense = button->icon().pixmap(button->iconSize(), 2.0);
        EXPECT_EQ(normal.size(), QSize(12, 10));
        EXPECT_EQ(dense.devicePixelRatio(), 2.0);
        EXPECT_EQ(dense.toImage(), normal.scaled(24, 20).convertToFormat(dense.toImage().format()));
        const QImage between = button->icon().pixmap(button->iconSize(), 1.5).toImage();
        EXPECT_EQ(between.size(), QSize(18, 15));
        QSet<QRgb> colours;
        for (int y = 0; y < between.height(); ++y)
            for (int x = 0; x < between.width(); ++x)
                colours.insert(between.pixel(x, y));
        EXPECT_EQ(colours.size(), 5) << "navy, red, green, blue and clear";
        click("Form4", name);
        settle();
        EXPECT_TRUE(button->isHidden());
    }

    auto* chart = control<QPushButton>("Form4", "Button4");
    auto* indicators = control<QPushButton>("Form4", "Button5");
    ASSERT_TRUE(chart && indicators);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_FALSE(indicators->isVisible());
    EXPECT_EQ(chart->geometry(), indicators->geometry());
    click("Form4", "Button4");
    settle();
    EXPECT_TRUE(chart->isHidden());
    EXPECT_TRUE(indicators->isVisible());

    // Used buttons stay gone after "&Menu" and a new walk to the screen.
    click("Form4", "Button1");
    settle();
    walkToIndicators();
    EXPECT_TRUE(control<QPushButton>("Form4", "BitBtn6")->isHidden());
    EXPECT_TRUE(chart->isHidden());
    EXPECT_TRUE(indicators->isVisible());
}

TEST_F(IndicatorScreenTest, TitlesAndLongValuesStayInsideTheirFrames)
{
    // Revenues ten times the example give values such as "1 500,00 zł".
    enterAndShow(withField(workedExampleEntries(), "Form3", "Edit9", "2100000"));
    QWidget* window = form("Form4");
    const QList<QFrame*> frames = window->findChildren<QFrame*>();
    int checked = 0;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->textFormat() != Qt::PlainText || label->frameShape() != QFrame::NoFrame)
            continue;
        const QPoint start = label->geometry().topLeft() + QPoint(0, label->height() / 2);
        const QFrame* inner = nullptr;
        for (const QFrame* frame : frames) {
            if (qobject_cast<const QLabel*>(frame) || frame->frameShape() == QFrame::NoFrame
                || !frame->geometry().contains(start))
                continue;
            if (!inner || frame->width() * frame->height() < inner->width() * inner->height())
                inner = frame;
        }
        if (!inner)
            continue;
        ++checked;
        const int textRight = label->x() + label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(textRight, inner->geometry().right())
            << label->objectName().toStdString() << " \"" << label->text().toStdString() << "\" past "
            << inner->objectName().toStdString();
    }
    EXPECT_GT(checked, 80);
}

TEST_F(IndicatorScreenTest, ClockPanelsFollowTheTimer)
{
    auto* timer = form("Form4")->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());  // running from start-up, window hidden or not
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_EQ(text("Form4", "Panel4"), "");

    QMetaObject::invokeMethod(form("Form4"), "Timer1Timer");
    EXPECT_EQ(text("Form4", "Panel4"), "07.12.2026");
    EXPECT_EQ(text("Form4", "Panel1"), timePanelText(fixedClock.time));
    EXPECT_EQ(control<QLabel>("Form4", "Panel1")->toolTip(), "Aktualny czas");
}

// Fonts come from the layouts in points and must end up at their pixel heights.
TEST_F(IndicatorScreenTest, FontsAndColoursOfTheScreens)
{
    struct Look {
        const char* window;
        const char* control;
        int pixels;
        bool bold;
    };
    const Look looks[] = {
        {"Form4", "Label2", 11, false},   {"Form4", "Label5", 11, false},  {"Form4", "Label80", 12, true},
        {"Form4", "Label87", 12, true},   {"Form4", "Label84", 8, true},   {"Form4", "Label6", 12, true},
        {"Form4", "Label89", 11, true},   {"Form4", "Button1", 11, false}, {"Form4", "Button5", 11, false},
        {"Form5", "Label7", 11, false},   {"Form5", "Label1", 13, true},   {"Form5", "Label4", 13, true},
        {"Form5", "Label5", 11, true},    {"Form5", "Label2", 9, false},   {"Form5", "Label51", 9, false},
        {"Form5", "Label52", 11, false},  {"Form5", "Label68", 11, false}, {"Form5", "Button1", 11, false},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(std::string(look.window) + "/" + look.control);
        auto* widget = control<QWidget>(look.window, look.control);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->font().pixelSize(), look.pixels);
        EXPECT_EQ(widget->font().bold(), look.bold);
    }

    const QColor navy(0, 0, 128), silver(192, 192, 192);
    auto* value = control<QLabel>("Form4", "Label32");
    EXPECT_EQ(value->palette().color(QPalette::Window), silver);
    EXPECT_EQ(value->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_TRUE(value->autoFillBackground());
    EXPECT_EQ(control<QLabel>("Form4", "Label84")->palette().color(QPalette::WindowText), navy);
    EXPECT_EQ(control<QPushButton>("Form4", "Button5")->palette().color(QPalette::ButtonText), navy);
    EXPECT_EQ(control<QPushButton>("Form4", "Button4")->palette().color(QPalette::ButtonText),
              QColor(Qt::black));

    for (const char* name : {"Form4", "Form5"}) {
        QWidget* window = form(name);
        EXPECT_EQ(window->windowTitle(), "Termalo 1.0");
        EXPECT_EQ(window->size(), QSize(642, 433));
        EXPECT_EQ(window->palette().color(QPalette::Window), window->palette().color(QPalette::Button));
    }
}

}  // namespace
}  // namespace termalo::testing
