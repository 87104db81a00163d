// Results leaving the program: the indicator screen and the report copied as
// text and HTML, the charts copied as a picture and SVG and saved as files.
#include "tests/results/results_fixture.h"

#include "results/chart_window.h"
#include "shell/chart_saving.h"
#include "shell/decorative_chart.h"
#include "shell/tform1.h"
#include "tests/support/worked_example.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>
#include <utility>

namespace termalo::testing {
namespace {

const QMimeData* clipboard()
{
    return QGuiApplication::clipboard()->mimeData();
}

// The cells of the clipboard's plain text, line by line.
QList<QStringList> clipboardCells()
{
    QList<QStringList> lines;
    for (const QString& line : clipboard()->text().split(QLatin1Char('\n')))
        lines.append(line.split(QLatin1Char('\t')));
    return lines;
}

// Every text element of an SVG document.
QStringList svgTexts(const QByteArray& svg)
{
    QStringList texts;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("text"))
            texts.append(reader.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return texts;
}

QMenu* openMenu()
{
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The right button as the platform delivers it: the request for the menu
// comes with the press (X11, Wayland) or after the release (Windows).
void rightButton(QWidget* widget, QPoint from, QPoint to, bool requestOnPress)
{
    const auto request = [widget](QPoint at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
    };
    QTest::mousePress(widget, Qt::RightButton, {}, from);
    if (requestOnPress)
        request(from);
    if (to != from)
        QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::RightButton, {}, to);
    if (!requestOnPress)
        request(to);
}

void closeMenus()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QApplication::processEvents();
}

QAction* actionNamed(const QWidget* widget, const QString& text)
{
    for (QAction* action : widget->actions()) {
        if (action->text() == text)
            return action;
    }
    ADD_FAILURE() << "no action " << text.toStdString();
    return nullptr;
}

class ExportTest : public ResultsTest {
protected:
    void TearDown() override
    {
        closeMenus();
        ResultsTest::TearDown();
    }

    // The save command of the places chart over the worked example, or none.
    QAction* placesChartSave()
    {
        enterAndShow(workedExampleEntries());
        TForm7* window = openChart("BitBtn6", "Form7");
        return window ? actionNamed(window->chart(), QStringLiteral("&Zapisz wykres…")) : nullptr;
    }

    void copyWithCtrlC(const QString& window)
    {
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(form(window), Qt::Key_C, Qt::ControlModifier);
    }

    // The labels of the indicator screen that show a figure: where the
    // computation writes on Form4, but for the header.
    QStringList figureLabels()
    {
        const core::InputTexts month = workedExample();
        const QList<std::string> header = {month.sanatoriumName, month.town, month.sanatoriumAddress,
                                           month.spaCompanyName, month.monthName, month.yearText};
        QStringList labels;
        for (const core::Output& output : core::computeIndicators(month, {}, {",", " "}).outputs) {
            if (output.target.window == "Form4" && !header.contains(output.text))
                labels.append(QString::fromStdString(output.target.control));
        }
        return labels;
    }

    TForm7* openChart(const char* button, const char* window)
    {
        click(QStringLiteral("Form4"), QString::fromLatin1(button));
        settle();
        return qobject_cast<TForm7*>(form(QString::fromLatin1(window)));
    }
};

TEST_F(ExportTest, IndicatorScreenCopiesExactlyWhatItShowsInEveryState)
{
    const QStringList labels = figureLabels();
    ASSERT_EQ(labels.size(), 34);
    auto* copy = actionNamed(form("Form4"), QStringLiteral("&Kopiuj"));
    ASSERT_NE(copy, nullptr);

    struct State {
        const char* name;
        std::function<void()> reach;
    };
    const State states[] = {
        {"before the first computation", [] {}},
        {"after the worked example", [&] { enterAndShow(workedExampleEntries()); }},
        // A zero divisor stops the run halfway: the figures before it are new,
        // those after it stay from the worked example.
        {"after a failed run", [&] { enterAndShow(withField(workedExampleEntries(), "Form2", "Edit7", "0")); }},
    };
    for (const State& state : states) {
        SCOPED_TRACE(state.name);
        state.reach();
        copy->trigger();
        QStringList shown;
        for (const QString& label : labels)
            shown.append(text(QStringLiteral("Form4"), label));
        QStringList copied;
        bool inTable = false;
        for (const QStringList& cells : clipboardCells()) {
            if (inTable && cells.size() == 3)
                copied.append(cells[2]);
            inTable = inTable || cells.value(2) == QStringLiteral("Wartość");
        }
        shown.sort();
        copied.sort();
        EXPECT_EQ(copied, shown);
        EXPECT_TRUE(clipboard()->html().contains(QStringLiteral("<table")));
    }
}

TEST_F(ExportTest, CtrlCOnTheIndicatorScreenGivesEachFigureInItsRowUnderTheHeader)
{
    enterAndShow(workedExampleEntries());
    copyWithCtrlC(QStringLiteral("Form4"));
    const QList<QStringList> lines = clipboardCells();

    const QStringList header = {
        "Wskaźniki oceny sprawności operacyjnej usług sanatoryjnych",
        "Kwiecień 2009 rok",
        "Sanatorium Sanatorium Zdrój",
        "Krynica",
        "ul. Źródlana 5",
        "Uzdrowisko Południe S.A.",
    };
    for (qsizetype i = 0; i < header.size(); ++i)
        EXPECT_EQ(lines.value(i), QStringList{header[i]});

    struct Row {
        const char* group;
        const char* item;
        const char* label;
    };
    const Row rows[] = {
        {"Wskaźnik pojemności", "- mierzony ilością pokoi:", "Label4"},
        {"Wskaźnik zdolności usługowej:", "- komercyjnych:", "Label26"},
        {"Wskaźnik wykorzystania [w %]", "potencjału przychodów:", "Label74"},
        {"Wskaźnik udziału przychodów: w przychodach całkowitych [w %]", "- kontraktowych:", "Label78"},
        {"Wskaźnik udziału pobytów [w %]:", "Miejsca wolne:", "Label93"},
        {"Wskaźnik przychodów z 1 miejsca do dyspozycji:", "Ogółem [w zł]:", "Label66"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const QStringList expected = {row.group, row.item, text("Form4", row.label)};
        EXPECT_TRUE(lines.contains(expected)) << clipboard()->text().toStdString();
    }

    const QString html = clipboard()->html();
    EXPECT_TRUE(html.contains(QStringLiteral("<td>Wskaźnik wykorzystania miejsc [w %]</td><td>- komercyjnych:</td>"
                                             "<td>%1</td>")
                                  .arg(text("Form4", "Label36"))))
        << html.toStdString();
}

TEST_F(ExportTest, CtrlCOnTheReportCopiesItsTextAsItReads)
{
    enterAndShow(workedExampleEntries());
    click("Form4", "Button3");
    settle();
    copyWithCtrlC(QStringLiteral("Form5"));

    const QStringList lines = clipboard()->text().split(QLatin1Char('\n'));
    // The date as the main window's clock shows it (nothing before its first tick).
    EXPECT_EQ(lines.value(0), (QStringLiteral("Raport z dnia ") + text("Form5", "Label3")).trimmed());
    EXPECT_EQ(lines.value(1), QStringLiteral("Ocena działalności sanatorium Sanatorium Zdrój"));
    EXPECT_EQ(lines.value(3), QString());  // a paragraph begins
    const QString firstLine = QStringLiteral("Sanatorium (w miesiącu obliczeniowym) dysponowało %1 miejscami, w %2 "
                                             "pokojach, co pozwoliło na zaoferowanie")
                                  .arg(text("Form5", "Label10"), text("Form5", "Label11"));
    EXPECT_EQ(lines.value(4), firstLine);
    EXPECT_TRUE(lines.contains(QStringLiteral("do dyspozycji kuracjuszom, to %1").arg(text("Form5", "Label68"))));

    const QString html = clipboard()->html();
    EXPECT_TRUE(html.contains(QStringLiteral("<b>Ocena działalności sanatorium Sanatorium Zdrój</b>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<p>") + firstLine.toHtmlEscaped()));
}

TEST_F(ExportTest, ChartCopiesAsPictureAndAsSvgWithItsTexts)
{
    enterAndShow(workedExampleEntries());
    for (const auto& [button, window] : {std::pair{"BitBtn6", "Form7"}, std::pair{"BitBtn3", "Form14"}}) {
        SCOPED_TRACE(window);
        TForm7* chartWindow = openChart(button, window);
        ASSERT_NE(chartWindow, nullptr);
        chart::ChartWidget* chart = chartWindow->chart();
        copyWithCtrlC(QString::fromLatin1(window));

        const QImage picture = qvariant_cast<QImage>(clipboard()->imageData());
        EXPECT_EQ(picture.size(), chart->size() * chart->devicePixelRatio());
        EXPECT_NE(picture.pixel(2, 2), picture.pixel(picture.width() / 2, picture.height() / 2));

        const QStringList texts = svgTexts(clipboard()->data(QStringLiteral("image/svg+xml")));
        for (const QString& line : chart->chart().title.lines)
            EXPECT_TRUE(texts.contains(line)) << line.toStdString();
        ASSERT_FALSE(chart->scene().marks.isEmpty());
        for (const auto& mark : chart->scene().marks)
            EXPECT_TRUE(texts.contains(mark.text)) << mark.text.toStdString();
        for (const QString& entry : chart->scene().legend)
            EXPECT_TRUE(texts.contains(entry)) << entry.toStdString();
    }
}

TEST_F(ExportTest, RightClickOpensTheChartsMenuAndRightDragPans)
{
    enterAndShow(workedExampleEntries());
    TForm7* window = openChart("BitBtn6", "Form7");
    ASSERT_NE(window, nullptr);
    chart::ChartWidget* chart = window->chart();
    const QPoint centre = chart->rect().center();
    // What a screen reader calls the columns of the chart's table of points.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(chart);
    ASSERT_TRUE(table && table->tableInterface());
    EXPECT_EQ(table->tableInterface()->columnDescription(0), QStringLiteral("Etykieta"));
    EXPECT_EQ(table->tableInterface()->columnDescription(1), QStringLiteral("Wartość"));

    for (const bool onPress : {true, false}) {
        SCOPED_TRACE(onPress ? "menu asked on the press" : "menu asked after the release");
        chart->resetZoom();
        rightButton(chart, centre, centre + QPoint(40, 20), onPress);
        EXPECT_EQ(openMenu(), nullptr);
        EXPECT_TRUE(chart->isZoomed());

        rightButton(chart, centre, centre + QPoint(1, 1), onPress);
        QMenu* menu = openMenu();
        ASSERT_NE(menu, nullptr);
        // What a screen reader reads out for the two items.
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(items, nullptr);
        ASSERT_EQ(items->childCount(), 2);
        EXPECT_EQ(items->child(0)->text(QAccessible::Name), QStringLiteral("Kopiuj wykres"));
        EXPECT_EQ(items->child(1)->text(QAccessible::Name), QStringLiteral("Zapisz wykres…"));
        closeMenus();
    }

    // From the keyboard, with the focus on a button of the window.
    activate(QStringLiteral("Form7"));
    control<QWidget>("Form7", "Button1")->setFocus();
    QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->activeAction(), menu->actions().value(0));
}

TEST_F(ExportTest, MainWindowsChartGoesOnWhileItsMenuIsOpen)
{
    auto* main = qobject_cast<TForm1*>(form("Form1"));
    ASSERT_NE(main, nullptr);
    showForm(main);
    click("Form1", "Button1");
    DecorativeChart* chart = main->chart();
    rightButton(chart, chart->rect().center(), chart->rect().center(), true);
    ASSERT_NE(openMenu(), nullptr);
    const std::size_t before = chart->feeder()->count();
    QTest::qWait(3 * ChartFeeder::kIntervalMs);
    EXPECT_GT(chart->feeder()->count(), before);
    EXPECT_NE(openMenu(), nullptr);
}

TEST_F(ExportTest, SavesEachFormatAndLeavesNothingWhereItCannotWrite)
{
    QAction* save = placesChartSave();
    ASSERT_NE(save, nullptr);
    QTemporaryDir folder;
    QFile blocker(folder.filePath(QStringLiteral("plik")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    struct Case {
        const char* name;
        QString chosen;  // the path the user chooses
        int filter;
        QString written;  // the file expected, empty when nothing may be written
        QByteArray start;
    };
    const Case cases[] = {
        {"PNG", folder.filePath("wykres.png"), 0, folder.filePath("wykres.png"), "\x89PNG"},
        {"SVG", folder.filePath("wykres.SVG"), 0, folder.filePath("wykres.SVG"), "<?xml"},
        {"PDF chosen by its filter", folder.filePath("wykres"), 2, folder.filePath("wykres.pdf"), "%PDF-"},
        // Even root cannot create a file under a regular file or in /proc.
        {"under a regular file", folder.filePath("plik/wykres.png"), 0, {}, {}},
        {"in /proc", QStringLiteral("/proc/termalo-wykres.pdf"), 2, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.fake.calls.clear();
        dialogs.fake.saveFile = c.chosen;
        dialogs.fake.saveFilter = c.filter;
        save->trigger();
        ASSERT_EQ(dialogs.fake.count("save"), 1);
        EXPECT_TRUE(dialogs.fake.calls[0].text.endsWith(QStringLiteral("/Wskaźnik wykorzystania miejsc.png")));
        EXPECT_EQ(dialogs.fake.saveFilters.size(), 3);
        if (c.written.isEmpty()) {
            EXPECT_EQ(messages(), 1);
            EXPECT_EQ(dialogs.fake.calls.last().icon, Dialogs::Icon::Stop);
            EXPECT_FALSE(QFile::exists(c.chosen));
            continue;
        }
        EXPECT_EQ(messages(), 0);
        QFile file(c.written);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(c.start));
    }
    // The PDF is one page.
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {folder.filePath("wykres.pdf")});
    ASSERT_TRUE(info.waitForFinished());
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           1"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 4);  // no temporary file left
}

// The name is settled, extension and all, before anything is replaced: a
// file already there is replaced only when the user says so.
TEST_F(ExportTest, SavingAsksBeforeReplacingTheFileItWouldWrite)
{
    QAction* save = placesChartSave();
    ASSERT_NE(save, nullptr);
    QTemporaryDir folder;
    const auto contents = [&folder](const QString& name) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString existing = QStringLiteral("Wykorzystanie 04.2009.png");
    QFile old(folder.filePath(existing));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("dawny wykres");
    old.close();

    struct Case {
        const char* name;
        QString chosen;  // as the dialog returns it, with the PNG filter chosen
        bool yes;        // the answer to a question
        QString asked;    // the file a question names, if one is asked
        QString written;  // the file holding a new PNG afterwards, if any
    };
    const Case cases[] = {
        {"a dot in the name, the file there, no", QStringLiteral("Wykorzystanie 04.2009"), false, existing, {}},
        {"a dot in the name, the file there, yes", QStringLiteral("Wykorzystanie 04.2009"), true, existing, existing},
        {"another picture's extension", QStringLiteral("x.jpg"), false, {}, QStringLiteral("x.png")},
        {"no extension, that file there now, no", QStringLiteral("x"), false, QStringLiteral("x.png"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.fake.calls.clear();
        dialogs.fake.saveFile = folder.filePath(c.chosen);
        dialogs.fake.saveFilter = 0;
        dialogs.fake.answerYes = c.yes;
        save->trigger();
        ASSERT_EQ(dialogs.fake.count("save"), 1);
        ASSERT_EQ(dialogs.fake.count("question"), c.asked.isEmpty() ? 0 : 1);
        if (!c.asked.isEmpty()) {
            EXPECT_TRUE(dialogs.fake.calls.last().text.contains(c.asked)) << dialogs.fake.calls.last().text.toStdString();
            if (!c.yes) {
                EXPECT_EQ(contents(c.asked).left(4), c.asked == existing ? QByteArray("dawn") : QByteArray("\x89PNG"));
            }
        }
        EXPECT_EQ(messages(), 0);
        if (!c.written.isEmpty()) {
            EXPECT_TRUE(contents(c.written).startsWith("\x89PNG"));
        }
    }
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("x.jpg.png"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("x.jpg"))));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
}

// Two charts in one window: Ctrl+C copies the one the user last clicked.
TEST_F(ExportTest, CtrlCCopiesTheChartLastClickedWhereAWindowHasTwo)
{
    QWidget window;
    auto* first = new chart::ChartWidget(&window);
    auto* second = new chart::ChartWidget(&window);
    first->setGeometry(0, 0, 200, 150);
    second->setGeometry(200, 0, 180, 120);
    offerChartExport(first, &window);
    offerChartExport(second, &window);
    window.resize(400, 160);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    for (chart::ChartWidget* chart : {second, first}) {
        QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center());
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
        ASSERT_NE(clipboard(), nullptr);
        ASSERT_TRUE(clipboard()->hasImage());
        const QImage picture = qvariant_cast<QImage>(clipboard()->imageData());
        EXPECT_EQ(picture.size(), chart->size() * chart->devicePixelRatio());
    }
}

}  // namespace
}  // namespace termalo::testing
