// "&Drukuj" on the indicator and report screens, printed to a PDF file.
#include "tests/results/results_fixture.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace termalo::testing {
namespace {

struct PrintCase {
    const char* name;
    const char* window;
    const char* caption;  // a caption the printed page must hold as text
};

class PrintingTest : public ResultsTest, public ::testing::WithParamInterface<PrintCase> {
protected:
    // The worked example on the indicator screen, and the report when asked for.
    void bringUp(const QString& window)
    {
        enterAndShow(workedExampleEntries());
        if (window == "Form5") {
            click("Form4", "Button3");
            settle();
        }
        ASSERT_TRUE(form(window)->isVisible());
    }
};

// A word of the printed page and its box in points, as pdftotext reads it.
struct PrintedWord {
    QString text;
    double xMin = 0, yMin = 0;
};

// The words of a PDF with their boxes; fails the test when pdftotext is missing
// (scripts/setup installs it).
QList<PrintedWord> printedWords(const QString& pdf)
{
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    EXPECT_FALSE(tool.isEmpty()) << "pdftotext is not installed";
    QProcess process;
    process.start(tool, {"-bbox", pdf, "-"});
    process.waitForFinished();
    QList<PrintedWord> words;
    static const QRegularExpression word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"[0-9.]+\">([^<]*)</word>");
    auto it = word.globalMatch(QString::fromUtf8(process.readAllStandardOutput()));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        words.append({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

const PrintedWord* findWord(const QList<PrintedWord>& words, const QString& text)
{
    for (const PrintedWord& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

QString printedText(const QList<PrintedWord>& words)
{
    QStringList texts;
    for (const PrintedWord& w : words)
        texts << w.text;
    return texts.join(' ');
}

TEST_P(PrintingTest, ConfirmedPrintsTheWindowOnOnePageAsText)
{
    const QString window = GetParam().window;
    bringUp(window);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    dialogs.fake.confirmPrint = true;
    dialogs.fake.pdfFile = dir.filePath("page.pdf");

    click(window, "Button2");  // "&Drukuj" on both screens
    settle();

    EXPECT_EQ(dialogs.fake.count("print"), 1);
    QFile file(dialogs.fake.pdfFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?![a-zA-Z])")), 1);

    // The captions are text on the page, not pixels of a picture.
    const QString text = printedText(printedWords(dialogs.fake.pdfFile));
    EXPECT_TRUE(text.contains(GetParam().caption)) << text.toStdString();
}

TEST_F(ResultsTest, PrintedIndicatorScreenKeepsItsOnScreenSize)
{
    enterAndShow(workedExampleEntries());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    dialogs.fake.confirmPrint = true;
    dialogs.fake.pdfFile = dir.filePath("page.pdf");
    click("Form4", "Button2");
    settle();
    const QList<PrintedWord> words = printedWords(dialogs.fake.pdfFile);
    EXPECT_TRUE(printedText(words).contains("Termalo 1.0 © jego autorzy, licencja GNU GPL"));

    // Horizontally: along the title's line; vertically: between two captions of one
    // column in the same font. A screen pixel of 1/96 inch is 0.75 points on paper.
    QWidget* form4 = form("Form4");
    const qreal pointsPerPixel = 72.0 / form4->logicalDpiX();
    auto* title = control<QLabel>("Form4", "Label84");
    ASSERT_TRUE(title);
    const PrintedWord* first = findWord(words, "Wskaźniki");
    const PrintedWord* last = findWord(words, "sanatoryjnych");
    ASSERT_TRUE(first && last);
    const QString lead = title->text().left(title->text().indexOf("sanatoryjnych"));
    EXPECT_NEAR(last->xMin - first->xMin, title->fontMetrics().horizontalAdvance(lead) * pointsPerPixel, 1.0);

    auto* upper = control<QLabel>("Form4", "Label5");  // "- mierzony ilością miejsc:"
    auto* lower = control<QLabel>("Form4", "Label7");  // "- mierzony ilością  pokoi:"
    ASSERT_TRUE(upper && lower);
    const PrintedWord* places = findWord(words, "miejsc:");
    const PrintedWord* rooms = findWord(words, "pokoi:");
    ASSERT_TRUE(places && rooms);
    EXPECT_NEAR(rooms->yMin - places->yMin, (lower->y() - upper->y()) * pointsPerPixel, 1.0);
}

TEST_P(PrintingTest, CancelledPrintsNothing)
{
    const QString window = GetParam().window;
    bringUp(window);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    dialogs.fake.confirmPrint = false;
    dialogs.fake.pdfFile = dir.filePath("page.pdf");

    click(window, "Button2");
    settle();

    EXPECT_EQ(dialogs.fake.count("print"), 1);
    EXPECT_FALSE(QFile::exists(dialogs.fake.pdfFile));
    EXPECT_EQ(messages(), 0);
    EXPECT_TRUE(form(window)->isVisible());
}

TEST_P(PrintingTest, PrinterThatCannotStartIsReportedInTheErrorBox)
{
    const QString window = GetParam().window;
    bringUp(window);
    dialogs.fake.confirmPrint = true;
    dialogs.fake.pdfFile = QStringLiteral("/nonexistent-folder/page.pdf");

    click(window, "Button2");
    settle();

    ASSERT_EQ(messages(), 1);
    EXPECT_EQ(dialogs.fake.calls.back().icon, Dialogs::Icon::Stop);
    EXPECT_EQ(dialogs.fake.calls.back().caption, "Termalo 1.0");
    EXPECT_TRUE(form(window)->isVisible());  // the program goes on
}

INSTANTIATE_TEST_SUITE_P(Screens, PrintingTest,
                         ::testing::Values(PrintCase{"IndicatorScreen", "Form4",
                                                   "Wskaźniki oceny sprawności operacyjnej usług sanatoryjnych"},
                                         PrintCase{"ReportScreen", "Form5", "Ocena działalności sanatorium"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace termalo::testing
