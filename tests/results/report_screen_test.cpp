// The report screen: every slot copies what the other screens show at the moment
// the report becomes active.
#include "tests/results/results_fixture.h"

#include "core/report.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace termalo::testing {
namespace {

class ReportScreenTest : public ResultsTest {
protected:
    void openReport()
    {
        click("Form4", "Button3");
        settle();
        ASSERT_TRUE(form("Form5")->isVisible());
    }

    // Every slot holds exactly the current text of its source.
    void expectSlotsCopySources()
    {
        for (const core::ReportSlot& slot : core::reportSlots()) {
            SCOPED_TRACE(slot.slot);
            EXPECT_EQ(text("Form5", slot.slot), text(QString::fromStdString(slot.source.window),
                                                     QString::fromStdString(slot.source.control)));
        }
    }
};

TEST_F(ReportScreenTest, WorkedExampleReadsLikeTheIndicatorScreen)
{
    showForm(QStringLiteral("Form1"));
    QMetaObject::invokeMethod(form("Form1"), "Timer1Timer");
    enterAndShow(workedExampleEntries());
    openReport();

    expectSlotsCopySources();
    const struct {
        const char* slot;
        const char* text;
    } expected[] = {
        {"Label3", "07.12.2026"},
        {"Label4", "Sanatorium Zdrój"},
        {"Label5", "Kwiecień"},
        {"Label6", "2009"},
        {"Label10", "130"},
        {"Label14", "3\u00A0900"},
        {"Label18", "2\u00A0400"},
        {"Label25", "82,05%"},
        {"Label46", "12,80 dni(a)"},
        {"Label64", "166,88 zł"},
        {"Label68", "136,92 zł"},
    };
    for (const auto& row : expected)
        EXPECT_EQ(text("Form5", row.slot), QString::fromUtf8(row.text)) << row.slot;
    // The fixed text around the values is left alone.
    EXPECT_EQ(text("Form5", "Label45"), QString::fromUtf8("Przciętna długość pobytu w sanatorium wyniosła "));
}

TEST_F(ReportScreenTest, PartWayFailureIsCopiedAsTheScreenShowsIt)
{
    enterAndShow(withField(workedExampleEntries(), "Form2", "Edit7", "0"));
    ASSERT_EQ(messages(), 1);
    openReport();

    expectSlotsCopySources();
    EXPECT_EQ(text("Form5", "Label42"), "75,00%");       // computed before the stop
    EXPECT_EQ(text("Form5", "Label44"), "Brak danych");  // placeholder kept on the screen
    EXPECT_EQ(text("Form5", "Label57"), "Brak");
    EXPECT_EQ(text("Form5", "Label4"), QString::fromUtf8("Sanatorium Zdrój"));  // from the entry screen
}

TEST_F(ReportScreenTest, EachActivationRecomposesFromTheCurrentTexts)
{
    enterAndShow(workedExampleEntries());
    openReport();
    ASSERT_EQ(text("Form5", "Label19"), QString::fromUtf8("1\u00A0500"));

    activate("Form3");
    type({{"Form3", "Edit1", "1000"}});
    activate("Form4");
    activate("Form5");
    EXPECT_EQ(text("Form5", "Label19"), QString::fromUtf8("1\u00A0000"));

    // An empty name and a free-text month are copied as they are.
    activate("Form2");
    type({{"Form2", "Edit1", ""}, {"Form2", "ComboBox1", "kwiecien"}});
    activate("Form5");
    EXPECT_EQ(text("Form5", "Label4"), "");
    EXPECT_EQ(text("Form5", "Label5"), "kwiecien");
    expectSlotsCopySources();
}

TEST_F(ReportScreenTest, LabelsGrowWithTheirTextButNeverMove)
{
    QHash<QString, QPoint> positions;
    for (QLabel* label : form("Form5")->findChildren<QLabel*>())
        positions.insert(label->objectName(), label->pos());

    enterAndShow(withField(workedExampleEntries(), "Form2", "Edit1", QString::fromUtf8("Sanatorium Uzdrowiskowe Złoty Potok")));
    openReport();

    for (QLabel* label : form("Form5")->findChildren<QLabel*>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(label->pos(), positions.value(label->objectName()));
        if (!label->text().isEmpty()) {
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        }
    }
}

TEST_F(ReportScreenTest, ButtonsCloseAndTakeTurnsInTabOrder)
{
    enterAndShow(workedExampleEntries());
    openReport();
    auto* close = control<QPushButton>("Form5", "Button1");
    auto* print = control<QPushButton>("Form5", "Button2");
    ASSERT_TRUE(close && print);

    close->setFocus();
    QTest::keyClick(close, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), print);
    QTest::keyClick(print, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), close);

    click("Form5", "Button1");
    settle();
    EXPECT_FALSE(form("Form5")->isVisible());
    EXPECT_TRUE(form("Form4")->isVisible());
}

}  // namespace
}  // namespace termalo::testing
