// Printouts that go through a PostScript printer queue (most office printers,
// the CUPS PDF printer) stay drawings: PostScript has no transparency, so one
// picture with a soft mask makes the whole page a bitmap. Each printout goes
// PDF -> pdftops -> ps2pdf, as such a queue handles it, and is read back.
#include "tests/results/results_fixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace termalo::testing {
namespace {

struct PrintedWindow {
    const char* window;
    const char* opener;  // the control of Form4 that shows the window; none for Form4
    const char* printButton;
};

class PostScriptPrintingTest : public ResultsTest, public ::testing::WithParamInterface<PrintedWindow> {
protected:
    // Runs a tool of poppler-utils or ghostscript; a missing tool fails the test.
    QString run(const QString& tool, const QStringList& arguments)
    {
        const QString path = QStandardPaths::findExecutable(tool);
        EXPECT_FALSE(path.isEmpty()) << tool.toStdString() << " is not installed (scripts/setup installs it)";
        if (path.isEmpty())
            return {};
        QProcess process;
        process.start(path, arguments);
        EXPECT_TRUE(process.waitForFinished(120000)) << tool.toStdString();
        EXPECT_EQ(process.exitCode(), 0) << tool.toStdString() << ": " << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

// One row of `pdfimages -list`.
struct ListedImage {
    QString type;  // "image", "mask", "smask", "stencil"
    int width = 0, height = 0;
    double xPpi = 0, yPpi = 0;
};

QList<ListedImage> listedImages(const QString& listing)
{
    QList<ListedImage> images;
    for (const QString& line : listing.split('\n')) {
        const QStringList f = line.simplified().split(' ');
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio;
        // an inline image has "[inline]" for its object and ID.
        bool numbered = false;
        f.value(0).toInt(&numbered);
        if (f.size() < 15 || !numbered)
            continue;
        const qsizetype n = f.size();
        images.append({f[2], f[3].toInt(), f[4].toInt(), f[n - 4].toDouble(), f[n - 3].toDouble()});
    }
    return images;
}

// The page's size in points, as pdfinfo reads it.
QSizeF pageSize(const QString& info)
{
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch m = size.match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

TEST_P(PostScriptPrintingTest, PrintoutStaysADrawingThroughPostScript)
{
    const PrintedWindow& printed = GetParam();
    enterAndShow(workedExampleEntries());
    if (*printed.opener) {
        click("Form4", printed.opener);
        settle();
    }
    QWidget* window = form(printed.window);
    ASSERT_TRUE(window && window->isVisible());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("printout.pdf");
    const QString ps = dir.filePath("printout.ps");
    const QString again = dir.filePath("again.pdf");
    dialogs.fake.confirmPrint = true;
    dialogs.fake.pdfFile = pdf;
    click(printed.window, printed.printButton);
    settle();
    ASSERT_EQ(messages(), 0);

    // The job carries the window's caption, which the queue and a PDF printer show.
    const QString info = run("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(
        QStringLiteral("^Title:\\s+%1$").arg(QRegularExpression::escape(window->windowTitle())),
        QRegularExpression::MultilineOption)))
        << info.toStdString();

    // A soft mask or a cut-out mask is transparency, which PostScript cannot carry.
    for (const ListedImage& image : listedImages(run("pdfimages", {"-list", pdf}))) {
        EXPECT_NE(image.type.toStdString(), "smask") << image.width << " x " << image.height << " picture with a soft mask";
        EXPECT_NE(image.type.toStdString(), "mask") << image.width << " x " << image.height << " picture with a mask";
    }

    run("pdftops", {pdf, ps});
    run("ps2pdf", {ps, again});

    EXPECT_TRUE(run("pdffonts", {again}).contains(QRegularExpression(QStringLiteral("\\n-{10,}[- ]*\\n\\S"))))
        << "no font left after PostScript";
    const QSizeF page = pageSize(run("pdfinfo", {again}));
    ASSERT_FALSE(page.isEmpty());
    // The pictures that remain are the small logos and button icons, never the page.
    for (const ListedImage& image : listedImages(run("pdfimages", {"-list", again}))) {
        const QSizeF shown(image.width / image.xPpi * 72.0, image.height / image.yPpi * 72.0);
        EXPECT_LT(shown.width() * shown.height(), page.width() * page.height() / 20)
            << image.width << " x " << image.height << " picture covers " << shown.width() << " x "
            << shown.height() << " pt";
    }
}

INSTANTIATE_TEST_SUITE_P(Printouts, PostScriptPrintingTest,
                         ::testing::Values(PrintedWindow{"Form4", "", "Button2"},
                                           PrintedWindow{"Form5", "Button3", "Button2"},
                                           PrintedWindow{"Form7", "BitBtn6", "Button1"},
                                           PrintedWindow{"Form13", "BitBtn2", "Button1"}),
                         [](const auto& info) { return std::string(info.param.window); });

}  // namespace
}  // namespace termalo::testing
