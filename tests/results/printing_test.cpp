// "&Drukuj" on the indicator and report screens, printed to a PDF file; and
// every printout on smaller and turned paper.
#include "tests/results/results_fixture.h"

#include "chart/chart_widget.h"
#include "results/chart_window.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

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
    EXPECT_NEAR(last->box.left() - first->box.left(), title->fontMetrics().horizontalAdvance(lead) * pointsPerPixel, 1.0);

    auto* upper = control<QLabel>("Form4", "Label5");  // "- mierzony ilością miejsc:"
    auto* lower = control<QLabel>("Form4", "Label7");  // "- mierzony ilością  pokoi:"
    ASSERT_TRUE(upper && lower);
    const PrintedWord* places = findWord(words, "miejsc:");
    const PrintedWord* rooms = findWord(words, "pokoi:");
    ASSERT_TRUE(places && rooms);
    EXPECT_NEAR(rooms->box.top() - places->box.top(), (lower->y() - upper->y()) * pointsPerPixel, 1.0);
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


// ---------------------------------------------------------- any paper

struct Paper {
    const char* name;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
    qreal marginMm;
};

void PrintTo(const Paper& paper, std::ostream* out)
{
    *out << paper.name << " with " << paper.marginMm << " mm margins";
}

using PaperCase = std::tuple<Printout, Paper>;

class PaperTest : public ResultsTest, public ::testing::WithParamInterface<PaperCase> {
protected:
    // Prints the window with the paper and margins chosen in the dialog (none:
    // the printer's defaults) and returns the file.
    QString print(const QString& file, const Paper* paper)
    {
        const Printout& printout = std::get<0>(GetParam());
        dialogs.fake.confirmPrint = true;
        dialogs.fake.pdfFile = file;
        dialogs.fake.paper.reset();
        dialogs.fake.marginsMm.reset();
        dialogs.fake.orientation = QPageLayout::Portrait;
        if (paper) {
            dialogs.fake.paper = QPageSize(paper->size);
            dialogs.fake.orientation = paper->orientation;
            dialogs.fake.marginsMm = QMarginsF(paper->marginMm, paper->marginMm, paper->marginMm, paper->marginMm);
        }
        click(printout.window, printout.printButton);
        settle();
        EXPECT_EQ(messages(), 0);
        return file;
    }
};

QRectF boxOf(const QList<PrintedWord>& words)
{
    QRectF box;
    for (const PrintedWord& w : words)
        box |= w.box;
    return box;
}

// A printed chart (its panel is all ink, read back at 30 dots per inch): as
// large as 15 % of the drawing area beside its longer side allows, never
// nearer than that to any edge, in its on-screen proportions, centred.
void expectChartWithRoomOnEverySide(const QString& pdf, const QSizeF& page, const QRectF& inside, const QSize& onScreen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    runTool("pdftoppm", {"-r", "30", "-gray", "-singlefile", pdf, dir.filePath("page")});
    const QRectF fraction = inkBox(dir.filePath("page.pgm"));
    ASSERT_FALSE(fraction.isEmpty());
    const QRectF ink(fraction.left() * page.width(), fraction.top() * page.height(), fraction.width() * page.width(),
                     fraction.height() * page.height());
    const qreal pixel = 72.0 / 30;
    const qreal left = ink.left() - inside.left(), right = inside.right() - ink.right();
    const qreal top = ink.top() - inside.top(), bottom = inside.bottom() - ink.bottom();
    const auto where = [&] {
        return "chart at " + std::to_string(ink.left()) + ", " + std::to_string(ink.top()) + " - " +
               std::to_string(ink.right()) + ", " + std::to_string(ink.bottom()) + " pt";
    };
    EXPECT_GT(left, 0.15 * inside.width() - 2 * pixel) << where();
    EXPECT_GT(right, 0.15 * inside.width() - 2 * pixel) << where();
    EXPECT_GT(top, 0.15 * inside.height() - 2 * pixel) << where();
    EXPECT_GT(bottom, 0.15 * inside.height() - 2 * pixel) << where();
    EXPECT_NEAR(std::min(left / inside.width(), top / inside.height()), 0.15, 2 * pixel / inside.height()) << where();
    EXPECT_NEAR(left, right, 2 * pixel);
    EXPECT_NEAR(top, bottom, 2 * pixel);
    EXPECT_NEAR(ink.width() / ink.height(), qreal(onScreen.width()) / onScreen.height(), 0.03);
}

TEST_P(PaperTest, EveryWordIsPrintedInsideTheChosenMargins)
{
    const auto& [printout, paper] = GetParam();
    QWidget* window = showWorkedExample(printout);
    ASSERT_TRUE(window);
    // The clock panels show the fixed clock from their first tick on; tick now,
    // so that both printouts show them however slowly the machine runs.
    QMetaObject::invokeMethod(window, "Timer1Timer");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // On the default A4 every word is there: the reference.
    const QList<PrintedWord> reference = printedWords(print(dir.filePath("a4.pdf"), nullptr));
    const QString pdf = print(dir.filePath("paper.pdf"), &paper);
    const QList<PrintedWord> words = printedWords(pdf);
    ASSERT_FALSE(reference.isEmpty());

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page(?![a-zA-Z])")), 1);
    const QSizeF sheet = QPageSize(paper.size).size(QPageSize::Point);
    const QSizeF page = paper.orientation == QPageLayout::Landscape ? sheet.transposed() : sheet;
    const qreal margin = paper.marginMm * 72 / 25.4;
    const QRectF inside = QRectF(QPointF(), page).adjusted(margin, margin, -margin, -margin);

    // Nothing lost, nothing outside the margins.
    QStringList expected, printed;
    for (const PrintedWord& w : reference)
        expected << w.text;
    for (const PrintedWord& w : words) {
        printed << w.text;
        EXPECT_TRUE(inside.adjusted(-0.5, -0.5, 0.5, 0.5).contains(w.box))
            << w.text.toStdString() << " at " << w.box.x() << ", " << w.box.y() << " - " << w.box.right() << ", "
            << w.box.bottom() << " pt";
    }
    std::sort(expected.begin(), expected.end());
    std::sort(printed.begin(), printed.end());
    EXPECT_EQ(printed.join(' ').toStdString(), expected.join(' ').toStdString());

    if (auto* chartWindow = qobject_cast<TForm7*>(window)) {
        expectChartWithRoomOnEverySide(pdf, page, inside, chartWindow->chart()->size());
        return;
    }
    // A window as large as fits, at most its on-screen size (where the A4
    // reference has it), in proportion.
    const QSizeF onPaper = QSizeF(window->size()) * 72.0 / window->logicalDpiX();
    const qreal fit = std::min({1.0, inside.width() / onPaper.width(), inside.height() / onPaper.height()});
    const QRectF before = boxOf(reference), after = boxOf(words);
    EXPECT_NEAR(after.width() / before.width(), fit, 0.01);
    EXPECT_NEAR(after.height() / before.height(), fit, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Printouts, PaperTest,
    ::testing::Combine(::testing::Values(Printout{"Form4", "", "Button2"}, Printout{"Form5", "Button3", "Button2"},
                                         Printout{"Form7", "BitBtn6", "Button1"},
                                         Printout{"Form13", "BitBtn2", "Button1"}),
                       ::testing::Values(Paper{"A5", QPageSize::A5, QPageLayout::Portrait, 20},
                                         Paper{"LetterLandscape", QPageSize::Letter, QPageLayout::Landscape, 15})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).window) + "_" + std::get<1>(info.param).name;
    });

// On landscape paper a chart that is nearly square would fill the whole
// height if it took 70 % of the width.
TEST_F(ResultsTest, NearlySquareChartOnLandscapePaperKeepsRoomOnEverySide)
{
    auto* window = qobject_cast<TForm7*>(showWorkedExample({"Form7", "BitBtn6", "Button1"}));
    ASSERT_NE(window, nullptr);
    window->chart()->resize(300, 290);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    dialogs.fake.confirmPrint = true;
    dialogs.fake.pdfFile = dir.filePath("landscape.pdf");
    dialogs.fake.paper = QPageSize(QPageSize::A4);
    dialogs.fake.orientation = QPageLayout::Landscape;
    dialogs.fake.marginsMm = QMarginsF(10, 10, 10, 10);
    click("Form7", "Button1");
    settle();
    ASSERT_EQ(messages(), 0);
    const QSizeF page = QPageSize(QPageSize::A4).size(QPageSize::Point).transposed();
    const qreal margin = 10 * 72 / 25.4;
    const QRectF inside = QRectF(QPointF(), page).adjusted(margin, margin, -margin, -margin);
    expectChartWithRoomOnEverySide(dialogs.fake.pdfFile, page, inside, window->chart()->size());
}

}  // namespace
}  // namespace termalo::testing
