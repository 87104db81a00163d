// Months kept as files and set side by side: a month saved, the program
// started again and the file opened computes the same indicator screen; a file
// that cannot be read changes nothing and says why; the comparison window.
#include "tests/results/results_fixture.h"

#include "results/month_comparison.h"
#include "results/screen_copy.h"
#include "shell/month_files.h"
#include "shell/startup.h"
#include "tests/support/enter_inputs.h"
#include "tests/support/worked_example.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "chart/chart_widget.h"

namespace termalo::testing {
namespace {

using core::InputTexts;

// What the indicator screen shows and how many messages it gave.
struct Screen {
    QStringList figures;
    qsizetype messages = 0;
    bool operator==(const Screen&) const = default;
};

void PrintTo(const Screen& s, std::ostream* out)
{
    *out << s.messages << " messages; " << s.figures.join(QLatin1String(" | ")).toStdString();
}

bool sameMonth(const InputTexts& a, const InputTexts& b)
{
    for (const MonthFileField& f : monthFileFields()) {
        if (a.*f.text != b.*f.text)
            return false;
    }
    return true;
}

InputTexts changed(InputTexts in, std::string InputTexts::*field, const char* text)
{
    in.*field = text;
    return in;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class MonthFilesTest : public ResultsTest {
protected:
    void trigger(const QString& window, const QString& text)
    {
        QWidget* w = form(window);
        ASSERT_NE(w, nullptr);
        for (QAction* action : w->actions()) {
            if (action->text() == text) {
                action->trigger();
                settle();
                return;
            }
        }
        FAIL() << "no action " << text.toStdString() << " on " << window.toStdString();
    }

    Screen indicatorScreen()
    {
        Screen s;
        for (const FigureTable::Row& row : figureTable(form(QStringLiteral("Form4"))).rows)
            s.figures.append(row.group + QLatin1Char('/') + row.item + QLatin1Char('=') + row.value);
        s.messages = messages();
        return s;
    }

    // Saves the month on the entry screens into `path` through Form4's menu.
    void save(const QString& path)
    {
        dialogs.fake.saveFile = path;
        trigger(QStringLiteral("Form4"), QStringLiteral("&Zapisz miesiąc…"));
    }

    void open(const QString& path, const QString& window = QStringLiteral("Form2"))
    {
        dialogs.fake.answerYes = true;
        dialogs.fake.openFiles = {path};
        trigger(window, QStringLiteral("&Otwórz miesiąc…"));
    }

    QStringList errorBoxes() const
    {
        QStringList texts;
        for (const RecordingDialogs::Call& call : dialogs.fake.calls) {
            if (call.kind == QLatin1String("message") && call.icon == Dialogs::Icon::Stop)
                texts.append(call.text);
        }
        return texts;
    }

    QTemporaryDir dir;
};

struct KeptMonth {
    const char* name;
    InputTexts month;
};

class MonthRoundTrip : public MonthFilesTest, public ::testing::WithParamInterface<KeptMonth> {};

TEST_P(MonthRoundTrip, SavedRestartedAndOpenedComputesTheSameIndicatorScreen)
{
    enterInputs(GetParam().month);
    walkToIndicators();
    const Screen typed = indicatorScreen();

    // A name typed without the extension gets it; the suggestion names the month.
    // Polish letters in the name reach the file system as they are, on Windows too.
    save(dir.filePath(QStringLiteral("Kwiecień Zdrój")));
    ASSERT_TRUE(errorBoxes().isEmpty()) << errorBoxes().join(QLatin1Char('\n')).toStdString();
    const QString path = dir.filePath(QStringLiteral("Kwiecień Zdrój.termalo"));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_TRUE(dialogs.fake.calls.last().text.endsWith(QStringLiteral(".termalo")));

    // The program ends and starts again: every field empty, the period store new.
    shutDown();
    startUp();
    dialogs.fake.calls.clear();
    open(path);
    // Nothing typed since start-up: no question.
    EXPECT_EQ(dialogs.fake.count(QStringLiteral("question")), 0);
    EXPECT_TRUE(sameMonth(enteredMonth(), GetParam().month));
    walkToIndicators();
    EXPECT_EQ(indicatorScreen(), typed);
}

const InputTexts kExample = workedExample();
INSTANTIATE_TEST_SUITE_P(
    Months, MonthRoundTrip,
    ::testing::Values(KeptMonth{"worked_example", kExample},
                      KeptMonth{"zero_capacity", changed(kExample, &InputTexts::rooms3, "0")},
                      KeptMonth{"over_100_percent", changed(kExample, &InputTexts::individualNightsGranted, "9000")},
                      // Texts as typed: blanks, quotes, a backslash, letters beyond the first plane.
                      KeptMonth{"odd_texts", changed(changed(kExample, &InputTexts::sanatoriumName,
                                                                  " \"Zdrój\" \\ 😀 "),
                                                          &InputTexts::yearText, " 2009")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MonthFilesTest, TheSampleInTheDocumentationIsTheWorkedExample)
{
    const MonthFileReading sample = readMonthFileAt(QString::fromUtf8(TERMALO_SOURCE_DIR "/tests/sample/kwiecien_2009.termalo"));
    ASSERT_TRUE(sample.month) << sample.reason.toStdString();
    EXPECT_TRUE(sameMonth(*sample.month, workedExample()));
    // And the program writes what the documentation shows.
    QFile file(QString::fromUtf8(TERMALO_SOURCE_DIR "/tests/sample/kwiecien_2009.termalo"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(writeMonthFile(workedExample()), file.readAll());
}

TEST_F(MonthFilesTest, EveryKindOfBadFileChangesNoFieldAndSaysWhy)
{
    const QByteArray good = writeMonthFile(workedExample());
    QByteArray notUtf8 = good;
    notUtf8.replace("Krynica", "Kryn\xff" "ca");
    QByteArray later = good;
    later.replace("\"version\": 1", "\"version\": 2");
    QByteArray missing = good;
    missing.replace("\"Rooms2\"", "\"Rooms02\"");
    QByteArray huge = good;
    huge.insert(2, QByteArray(kMonthFileLimit, ' '));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"a picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "to nie jest plik miesiąca"},
        {"another program's JSON", R"({"format": "other", "version": 1})", "to nie jest plik miesiąca"},
        {"an empty file", "", "plik jest pusty"},
        {"a later version", later, "nowsza wersja programu"},
        {"cut short", good.left(good.size() / 2), "uszkodzony"},
        {"a field missing", missing, "brak pola Rooms2"},
        {"over the limit", huge, "większy niż 1 MB"},
        {"not UTF-8", notUtf8, "UTF-8"},
    };
    const InputTexts typed = changed(workedExample(), &InputTexts::town, "Szczawnica");
    enterInputs(typed);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromUtf8(c.name) + QStringLiteral(".termalo"));
        writeFile(path, c.bytes);
        dialogs.fake.calls.clear();
        open(path);
        EXPECT_EQ(dialogs.fake.count(QStringLiteral("question")), 1) << "typed inputs: asked first";
        ASSERT_EQ(errorBoxes().size(), 1);
        EXPECT_TRUE(errorBoxes().first().contains(QString::fromUtf8(c.reason))) << errorBoxes().first().toStdString();
        EXPECT_TRUE(sameMonth(enteredMonth(), typed));
    }

    // Saying No to the question opens nothing.
    dialogs.fake.calls.clear();
    dialogs.fake.answerYes = false;
    trigger(QStringLiteral("Form3"), QStringLiteral("&Otwórz miesiąc…"));
    EXPECT_EQ(dialogs.fake.count(QStringLiteral("open")), 0);
}

TEST_F(MonthFilesTest, ANameWithAnotherExtensionIsSettledBeforeAskingToReplace)
{
    enterInputs(workedExample());
    const QString kept = dir.filePath(QStringLiteral("marzec.txt.termalo"));
    writeFile(kept, "old");
    dialogs.fake.answerYes = false;
    save(dir.filePath(QStringLiteral("marzec.txt")));
    ASSERT_EQ(dialogs.fake.count(QStringLiteral("question")), 1);
    EXPECT_TRUE(dialogs.fake.calls.last().text.contains(QStringLiteral("marzec.txt.termalo")));
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("marzec.txt"))));

    // A folder that is not there: the error box, nothing written.
    save(dir.filePath(QStringLiteral("missing/folder/kwiecien")));
    EXPECT_EQ(errorBoxes().size(), 1);
}

TEST_F(MonthFilesTest, TwelveMonthsSideBySideInCalendarOrder)
{
    static const char* const names[] = {"Styczeń", "Luty",     "Marzec",   "Kwiecień",    "Maj",      "Czerwiec",
                                        "Lipiec",  "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"};
    QStringList files;
    // Saved out of order, with one month twice and one file that is no month.
    for (int i : {11, 3, 0, 7, 5, 1, 9, 2, 10, 4, 6, 8, 3}) {
        InputTexts month = changed(workedExample(), &InputTexts::monthName, names[i]);
        month.individualNightsGranted = std::to_string(1000 + 100 * i);
        const QString path = dir.filePath(QStringLiteral("m%1.termalo").arg(files.size()));
        writeFile(path, writeMonthFile(month));
        files.append(path);
    }
    writeFile(dir.filePath(QStringLiteral("notes.termalo")), "notes");
    files.append(dir.filePath(QStringLiteral("notes.termalo")));
    // The worked example as the indicator screen shows it.
    enterInputs(workedExample());
    walkToIndicators();
    const FigureTable shown = figureTable(form(QStringLiteral("Form4")));

    dialogs.fake.openFiles = files;
    trigger(QStringLiteral("Form4"), QStringLiteral("&Porównaj miesiące…"));
    EXPECT_TRUE(dialogs.fake.openSeveral);
    MonthComparisonWindow* window = monthComparisonWindow();
    ASSERT_TRUE(window->isVisible());
    const MonthComparison& c = window->comparison();
    ASSERT_EQ(c.months.size(), 13);
    ASSERT_EQ(c.unreadable.size(), 1);
    EXPECT_TRUE(c.unreadable.first().reason.contains(QStringLiteral("to nie jest plik miesiąca")));
    for (int column = 0; column < c.months.size(); ++column) {
        const int expected = column <= 3 ? column + 1 : column;  // April twice
        EXPECT_EQ(c.months[column].month, expected);
        EXPECT_EQ(c.months[column].duplicate, expected == 4) << column;
    }
    // April with 1300 individual nights differs from the example; the rows
    // that do not depend on them match the indicator screen exactly.
    ASSERT_EQ(c.rows.size(), shown.rows.size());
    for (int row = 0; row < c.rows.size(); ++row) {
        EXPECT_EQ(c.rows[row].group, shown.rows[row].group);
        EXPECT_EQ(c.rows[row].item, shown.rows[row].item);
    }
    const int places = 0;
    EXPECT_EQ(c.value(places, 3), shown.rows[places].value);

    // Ctrl+C in the table copies it (the chart's own Ctrl+C does not get in
    // the way): a heading line and one line a figure, a column a month.
    QGuiApplication::clipboard()->clear();
    window->activateWindow();
    settle();
    window->table()->setFocus();
    QTest::keyClick(window->table(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->mimeData()->text().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.first().split(QLatin1Char('\t')).size(), 2 + 13);
    EXPECT_TRUE(lines.first().contains(QStringLiteral("(miesiąc powtórzony)")));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->html().contains(QStringLiteral("notes.termalo")));

    // The trend of the chosen row: one point a month, read by a screen reader.
    window->chartRow(places);
    ASSERT_EQ(window->trendChart()->series(0)->count(), 13);
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(window->trendChart());
    ASSERT_NE(chart, nullptr);
    ASSERT_NE(chart->tableInterface(), nullptr);
    EXPECT_EQ(chart->tableInterface()->rowCount(), 13);

    // Printed on one page.
    const QString pdf = dir.filePath(QStringLiteral("comparison.pdf"));
    dialogs.fake.confirmPrint = true;
    dialogs.fake.pdfFile = pdf;
    ASSERT_TRUE(window->printTable());
#ifdef Q_OS_WIN
    // poppler-utils, which read the PDF back, are Linux programs: under Wine
    // the printout is checked for being there.
    QFile printout(pdf);
    ASSERT_TRUE(printout.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printout.read(5) == "%PDF-");
#else
    EXPECT_TRUE(runTool(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    const QString printed = printedText(printedWords(pdf));
    EXPECT_TRUE(printed.contains(QStringLiteral("Grudzień"))) << printed.left(3000).toStdString();
#endif
}

}  // namespace
}  // namespace termalo::testing
