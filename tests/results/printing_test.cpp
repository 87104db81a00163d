// "&Drukuj" on the indicator and report screens, printed to a PDF file.
#include "tests/results/results_fixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace termalo::testing {
namespace {

struct PrintCase {
    const char* name;
    const char* window;
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

// One image per page as pdfimages lists it: width, height, resolution.
struct PlacedImage {
    int width = 0, height = 0, xPpi = 0, yPpi = 0;
};

QList<PlacedImage> listImages(const QString& pdf)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable("pdfimages"), {"-list", pdf});
    process.waitForFinished();
    QList<PlacedImage> images;
    const auto lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    for (const QString& line : lines) {
        const QStringList f = line.simplified().split(' ');
        if (f.size() >= 14 && f[2] == "image")
            images.append({f[3].toInt(), f[4].toInt(), f[12].toInt(), f[13].toInt()});
    }
    return images;
}

TEST_P(PrintingTest, ConfirmedPrintsTheWindowOnOnePageAtItsScreenSize)
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
    EXPECT_TRUE(pdf.contains("/Subtype /Image"));
    EXPECT_TRUE(pdf.contains("/Width 642"));
    EXPECT_TRUE(pdf.contains("/Height 433"));

    ASSERT_FALSE(QStandardPaths::findExecutable("pdfimages").isEmpty())
        << "pdfimages (poppler-utils) is needed to check the placement";
    const QList<PlacedImage> images = listImages(dialogs.fake.pdfFile);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images[0].width, 642);
    EXPECT_EQ(images[0].height, 433);
    // 96 image pixels per printed inch: the page shows the window at its screen size.
    EXPECT_EQ(images[0].xPpi, form(window)->logicalDpiX());
    EXPECT_EQ(images[0].yPpi, form(window)->logicalDpiY());
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
                         ::testing::Values(PrintCase{"IndicatorScreen", "Form4"}, PrintCase{"ReportScreen", "Form5"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace termalo::testing
