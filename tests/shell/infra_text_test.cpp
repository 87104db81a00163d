// The error box's text and the clock panels' formats.
#include "shell/application.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/recording_dialogs.h"

#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace termalo {
namespace {

TEST(ErrorBoxTest, FullStopAfterCharactersThatComeAfterTheFullStop)
{
    struct Case {
        const char* name;
        QString message;
        QString shown;
    };
    const Case cases[] = {
        {"empty message stays empty", QString(), QString()},
        {"letter", QStringLiteral("Brak danych"), QStringLiteral("Brak danych.")},
        {"Polish letter", QStringLiteral("Błąd zapisu: plik zajęty ż"), QStringLiteral("Błąd zapisu: plik zajęty ż.")},
        {"digit", QStringLiteral("Kod 5"), QStringLiteral("Kod 5.")},
        {"question mark", QStringLiteral("Gdzie?"), QStringLiteral("Gdzie?.")},
        {"colon", QStringLiteral("Plik:"), QStringLiteral("Plik:.")},
        {"slash, right after the full stop", QStringLiteral("a/"), QStringLiteral("a/.")},
        {"full stop", QStringLiteral("Koniec."), QStringLiteral("Koniec.")},
        {"exclamation mark", QStringLiteral("Błąd !"), QStringLiteral("Błąd !")},
        {"comma, before the full stop", QStringLiteral("a,"), QStringLiteral("a,")},
        {"hyphen, before the full stop", QStringLiteral("a-"), QStringLiteral("a-")},
        {"closing bracket", QStringLiteral("(a)"), QStringLiteral("(a)")},
        {"trailing blank", QStringLiteral("a "), QStringLiteral("a ")},
        {"percent", QStringLiteral("50%"), QStringLiteral("50%")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorBoxText(c.message), c.shown) << c.name;
}

TEST(ErrorBoxTest, ShowsTheMessageWithTheTitleAndStopIconForEveryKindOfException)
{
    ScopedRecordingDialogs dialogs;
    const auto show = [](auto thrower) {
        try {
            thrower();
        } catch (...) {
            showCurrentException();
        }
    };
    show([] { throw Error(QStringLiteral("Nieodpowiedni format")); });
    show([] { throw std::out_of_range("poza zakresem"); });
    show([] { throw 7; });
    ASSERT_EQ(dialogs.fake.calls.size(), 3);
    EXPECT_EQ(dialogs.fake.calls[0].text, QStringLiteral("Nieodpowiedni format."));
    EXPECT_EQ(dialogs.fake.calls[1].text, QStringLiteral("poza zakresem."));
    EXPECT_EQ(dialogs.fake.calls[2].text, QString());
    for (const RecordingDialogs::Call& call : dialogs.fake.calls) {
        EXPECT_EQ(call.kind, QStringLiteral("message"));
        EXPECT_EQ(call.caption, QStringLiteral("Termalo 1.0"));
        EXPECT_EQ(call.icon, Dialogs::Icon::Stop);
    }
}

TEST(DialogsPortTest, RecordingFakeAnswersAsToldAndPrintsToPdfOnlyWhenConfirmed)
{
    RecordingDialogs fake;
    Dialogs* previous = setDialogs(&fake);
    EXPECT_EQ(&dialogs(), &fake);
    EXPECT_FALSE(dialogs().askYesNo(QStringLiteral("Uwaga!"), QStringLiteral("Koniec?")));
    fake.answerYes = true;
    EXPECT_TRUE(dialogs().askYesNo(QStringLiteral("Uwaga!"), QStringLiteral("Koniec?")));

    QTemporaryDir dir;
    QPrinter refused;
    fake.pdfFile = dir.filePath(QStringLiteral("wydruk.pdf"));
    EXPECT_FALSE(dialogs().choosePrinter(refused, nullptr));
    EXPECT_NE(refused.outputFileName(), fake.pdfFile);
    fake.confirmPrint = true;
    QPrinter confirmed;
    EXPECT_TRUE(dialogs().choosePrinter(confirmed, nullptr));
    EXPECT_EQ(confirmed.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(confirmed.outputFileName(), fake.pdfFile);

    dialogs().openUrl(QUrl(QStringLiteral("mailto:biuro@example.com")));
    EXPECT_EQ(fake.count(QStringLiteral("question")), 2);
    EXPECT_EQ(fake.count(QStringLiteral("print")), 2);
    ASSERT_EQ(fake.count(QStringLiteral("url")), 1);
    EXPECT_EQ(fake.calls.last().text, QStringLiteral("mailto:biuro@example.com"));
    EXPECT_EQ(fake.calls.first().caption, QStringLiteral("Uwaga!"));
    EXPECT_EQ(fake.calls.first().icon, Dialogs::Icon::Question);

    EXPECT_EQ(setDialogs(previous), &fake);
    EXPECT_NE(&dialogs(), &fake);
}

TEST(ClockTest, PanelsShowPolishLongTimeWithoutZoneAndTheDateWithLeadingZeros)
{
    ASSERT_EQ(QLocale::system().name(), QStringLiteral("pl_PL")) << "the tests run under Polish settings";
    struct Case {
        QDateTime at;
        const char* time;
        const char* date;
    };
    const Case cases[] = {
        {QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)), "14:05:09", "07.12.2026"},
        {QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)), "00:00:00", "01.01.2027"},
        {QDateTime(QDate(2024, 2, 29), QTime(7, 30, 59)), "07:30:59", "29.02.2024"},
        {QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59), Qt::UTC), "23:59:59", "07.12.2026"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(timePanelText(c.at), QString::fromUtf8(c.time));
        EXPECT_EQ(datePanelText(c.at), QString::fromUtf8(c.date));
    }
}

TEST(ClockTest, PortGivesTheFixedTimeUntilTheSystemClockIsRestored)
{
    FixedClock fixed(QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)));
    Clock* previous = setClock(&fixed);
    EXPECT_EQ(clock().now(), fixed.time);
    setClock(previous);
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime now = clock().now();
    EXPECT_GE(now, before);
    EXPECT_LE(now, QDateTime::currentDateTime());
}

}  // namespace
}  // namespace termalo
