#include "tests/results/results_fixture.h"

#include "shell/combo_field.h"
#include "shell/controls.h"
#include "shell/text_field.h"
#include "tests/support/worked_example.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace termalo::testing {

QString runTool(const QString& tool, const QStringList& arguments)
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

QList<PrintedWord> printedWords(const QString& pdf)
{
    QList<PrintedWord> words;
    static const QRegularExpression word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    auto it = word.globalMatch(runTool("pdftotext", {"-bbox", pdf, "-"}));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.append({m.captured(5), QRectF(topLeft, bottomRight)});
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

QRectF inkBox(const QString& pgmFile)
{
    QFile file(pgmFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> header = file.readLine().trimmed().split(' ');
    QByteArray sizeLine = file.readLine();
    while (sizeLine.startsWith('#'))
        sizeLine = file.readLine();
    const QList<QByteArray> size = sizeLine.trimmed().split(' ');
    file.readLine();  // maximum value
    const int w = size.value(0).toInt(), h = size.value(1).toInt();
    const QByteArray pixels = file.readAll();
    if (header.value(0) != "P5" || pixels.size() < w * h)
        return {};
    int left = w, right = -1, top = h, bottom = -1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (quint8(pixels[y * w + x]) < 240) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return QRectF(double(left) / w, double(top) / h, double(right + 1 - left) / w, double(bottom + 1 - top) / h);
}

EntryList workedExampleEntries()
{
    const core::InputTexts month = testing::workedExample();
    EntryList entries;
    for (const core::InputField& field : core::inputFields()) {
        entries.append({QString::fromStdString(field.source.window), QString::fromStdString(field.source.control),
                         QString::fromStdString(month.*field.text)});
    }
    return entries;
}

EntryList withField(EntryList entries, const QString& window, const QString& control, const QString& text)
{
    for (Entry& e : entries) {
        if (e.window == window && e.control == control)
            e.text = text;
    }
    return entries;
}

void ResultsTest::type(const EntryList& entries)
{
    for (const Entry& e : entries) {
        QWidget* w = control<QWidget>(e.window, e.control);
        if (auto* edit = qobject_cast<TextField*>(w)) {
            edit->clear();
            // Qt Test types ASCII keys only; other letters go in as they would from an input method.
            bool ascii = true;
            for (QChar c : e.text)
                ascii = ascii && c.unicode() < 128;
            if (ascii)
                QTest::keyClicks(edit, e.text);
            else
                edit->insert(e.text);
            EXPECT_EQ(edit->text(), e.text) << e.control.toStdString();
        } else if (auto* combo = qobject_cast<ComboField*>(w)) {
            // Typing into the combo box would run its completion; set its text.
            combo->setText(e.text);
            EXPECT_EQ(combo->text(), e.text) << e.control.toStdString();
        } else {
            ADD_FAILURE() << "not an entry field: " << e.control.toStdString();
        }
    }
}

void ResultsTest::walkToIndicators()
{
    showForm(QStringLiteral("Form2"));
    settle();
    click("Form2", "Button1");
    settle();
    click("Form3", "Button1");
    settle();
}

void ResultsTest::enterAndShow(const EntryList& entries)
{
    type(entries);
    walkToIndicators();
}

void PrintTo(const Printout& printout, std::ostream* out)
{
    *out << printout.window;
}

QWidget* ResultsTest::showWorkedExample(const Printout& printout)
{
    enterAndShow(workedExampleEntries());
    if (*printout.opener) {
        click(QStringLiteral("Form4"), QString::fromLatin1(printout.opener));
        settle();
    }
    QWidget* window = form(QString::fromLatin1(printout.window));
    return window && window->isVisible() ? window : nullptr;
}

QString ResultsTest::text(const QString& window, const QString& control)
{
    return controlText(core::Target{window.toStdString(), control.toStdString()});
}

QHash<QString, QString> ResultsTest::labelTexts(const QString& window)
{
    QHash<QString, QString> texts;
    if (QWidget* w = form(window)) {
        for (QLabel* label : w->findChildren<QLabel*>())
            texts.insert(label->objectName(), label->text());
    }
    return texts;
}

void ResultsTest::activate(const QString& window)
{
    QWidget* w = form(window);
    ASSERT_NE(w, nullptr);
    w->show();
    w->raise();
    w->activateWindow();
    settle();
}

void ResultsTest::click(const QString& window, const QString& button)
{
    auto* b = control<QPushButton>(window, button);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace termalo::testing
