// Printouts that go through a PostScript printer queue (most office printers,
// the CUPS PDF printer) stay drawings: PostScript has no transparency, so one
// picture with a soft mask makes the whole page a bitmap. Each printout goes
// PDF -> pdftops -> ps2pdf, as such a queue handles it, and is read back.
#include "tests/results/results_fixture.h"

#include "results/print_flattening.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPrinter>
#include <QStyle>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace termalo::testing {
namespace {

class PostScriptPrintingTest : public ResultsTest, public ::testing::WithParamInterface<Printout> {};

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

// The constant alphas (/ca for fills, /CA for lines) that a PDF's graphics states set.
QList<double> constantAlphas(const QString& pdf)
{
    QFile file(pdf);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << pdf.toStdString();
    static const QRegularExpression alpha(QStringLiteral("/(?:ca|CA)\\s+([0-9.]+)"));
    QList<double> alphas;
    auto it = alpha.globalMatch(QString::fromLatin1(file.readAll()));
    while (it.hasNext())
        alphas << it.next().captured(1).toDouble();
    return alphas;
}

// What would be translucent goes to the printer as the colours it results in.
TEST(FlatteningTest, TranslucentFillsLinesAndTextReachThePrinterOpaque)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("flat.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setFullPage(true);
        QPainter target(&printer);
        FlatteningPaintDevice device(target, 96);
        QPainter painter(&device);
        painter.scale(printer.logicalDpiX() / 72.0, printer.logicalDpiY() / 72.0);  // in points
        painter.fillRect(QRectF(0, 0, 300, 800), QColor(0, 0, 255));          // blue left, paper right
        painter.fillRect(QRectF(50, 50, 100, 100), QColor(255, 0, 0, 128));   // on blue alone
        painter.setPen(QPen(QColor(0, 0, 0, 128), 10, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(250, 300), QPointF(350, 300));  // half on blue, half on paper
        QLinearGradient fade(QPointF(350, 0), QPointF(450, 0));
        fade.setColorAt(0, QColor(255, 0, 0, 128));
        fade.setColorAt(1, QColor(255, 0, 0, 0));
        painter.fillRect(QRectF(350, 200, 100, 50), fade);
        painter.setOpacity(0.5);
        painter.setPen(Qt::black);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(60);
        painter.setFont(font);
        painter.drawText(QPointF(320, 120), QStringLiteral("IIII"));
    }

    for (double alpha : constantAlphas(pdf))
        EXPECT_EQ(alpha, 1.0) << "translucent graphics state";
    for (const ListedImage& image : listedImages(runTool("pdfimages", {"-list", pdf})))
        EXPECT_TRUE(image.type == "image") << image.type.toStdString() << " " << image.width << " x " << image.height;
    EXPECT_TRUE(runTool("pdftotext", {pdf, "-"}).contains("IIII")) << "text stays text";

    runTool("pdftoppm", {"-r", "72", "-singlefile", pdf, dir.filePath("page")});
    const QImage page(dir.filePath("page.ppm"));
    ASSERT_FALSE(page.isNull());
    const auto near = [&page](QPoint at, QColor expected) {
        const QColor c = page.pixelColor(at);
        return std::abs(c.red() - expected.red()) <= 4 && std::abs(c.green() - expected.green()) <= 4
               && std::abs(c.blue() - expected.blue()) <= 4;
    };
    EXPECT_TRUE(near({100, 100}, QColor(128, 0, 127))) << "red on blue";
    EXPECT_TRUE(near({270, 300}, QColor(0, 0, 127))) << "black on blue";
    EXPECT_TRUE(near({330, 300}, QColor(127, 127, 127))) << "black on paper";
    EXPECT_TRUE(near({351, 225}, QColor(255, 128, 128))) << "the fading red at its start";
    EXPECT_TRUE(near({449, 225}, QColor(255, 255, 255))) << "the fading red at its end";
    int darkest = 255;
    for (int x = 320; x < 400; ++x)
        for (int y = 70; y < 120; ++y)
            darkest = std::min(darkest, qGray(page.pixel(x, y)));
    EXPECT_NEAR(darkest, 127, 6) << "black text at half opacity";
}

TEST_P(PostScriptPrintingTest, PrintoutStaysADrawingThroughPostScript)
{
    const Printout& printed = GetParam();
    QWidget* window = showWorkedExample(printed);
    ASSERT_TRUE(window);
    // ctest starts these printouts under QT_STYLE_OVERRIDE=Adwaita; the
    // program's own style draws them all the same.
    EXPECT_EQ(QApplication::style()->name().toStdString(), "fusion");

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
    const QString info = runTool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(
        QStringLiteral("^Title:\\s+%1$").arg(QRegularExpression::escape(window->windowTitle())),
        QRegularExpression::MultilineOption)))
        << info.toStdString();

    // Translucent fills and lines, a soft mask or a cut-out mask are
    // transparency, which PostScript cannot carry.
    for (double alpha : constantAlphas(pdf))
        EXPECT_EQ(alpha, 1.0) << "translucent graphics state";
    for (const ListedImage& image : listedImages(runTool("pdfimages", {"-list", pdf}))) {
        EXPECT_NE(image.type.toStdString(), "smask") << image.width << " x " << image.height << " picture with a soft mask";
        EXPECT_NE(image.type.toStdString(), "mask") << image.width << " x " << image.height << " picture with a mask";
    }

    runTool("pdftops", {pdf, ps});
    runTool("ps2pdf", {ps, again});

    EXPECT_TRUE(runTool("pdffonts", {again}).contains(QRegularExpression(QStringLiteral("\\n-{10,}[- ]*\\n\\S"))))
        << "no font left after PostScript";
    const QSizeF page = pageSize(runTool("pdfinfo", {again}));
    ASSERT_FALSE(page.isEmpty());
    // The pictures that remain are the small logos and button icons, never the page.
    for (const ListedImage& image : listedImages(runTool("pdfimages", {"-list", again}))) {
        const QSizeF shown(image.width / image.xPpi * 72.0, image.height / image.yPpi * 72.0);
        EXPECT_LT(shown.width() * shown.height(), page.width() * page.height() / 20)
            << image.width << " x " << image.height << " picture covers " << shown.width() << " x "
            << shown.height() << " pt";
    }
}

INSTANTIATE_TEST_SUITE_P(Printouts, PostScriptPrintingTest,
                         ::testing::Values(Printout{"Form4", "", "Button2"},
                                           Printout{"Form5", "Button3", "Button2"},
                                           Printout{"Form7", "BitBtn6", "Button1"},
                                           Printout{"Form13", "BitBtn2", "Button1"}),
                         [](const auto& info) { return std::string(info.param.window); });

}  // namespace
}  // namespace termalo::testing
