#pragma once

#include "tests/support/ui_test.h"

#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <ostream>

class QLabel;

namespace termalo::testing {

// One month of data as the user types it: field -> text, by window and control.
struct Entry {
    QString window;
    QString control;
    QString text;
};
using EntryList = QList<Entry>;

// The worked example: 20/40/10 rooms, April, 150 zł a place, and its stays.
EntryList workedExampleEntries();
// The worked example with one field changed.
EntryList withField(EntryList entries, const QString& window, const QString& control, const QString& text);

// ---- printouts, read back with poppler-utils (scripts/setup installs them)

// Runs a tool of poppler-utils or ghostscript and returns what it writes; a
// missing or failing tool fails the test.
QString runTool(const QString& tool, const QStringList& arguments);

// A word of a printed page and its box in points, as `pdftotext -bbox` reads it.
struct PrintedWord {
    QString text;
    QRectF box;
};
QList<PrintedWord> printedWords(const QString& pdf);
const PrintedWord* findWord(const QList<PrintedWord>& words, const QString& text);
QString printedText(const QList<PrintedWord>& words);

// The box of the non-white pixels of a greyscale PGM image, in fractions of its size.
QRectF inkBox(const QString& pgmFile);

// A window that prints, how the user reaches it from the indicator screen and
// its print button.
struct Printout {
    const char* window;
    const char* opener;  // the control of Form4 that shows the window; none for Form4
    const char* printButton;
};
// Test parameters show as the window's name.
void PrintTo(const Printout& printout, std::ostream* out);

class ResultsTest : public UiTest {
protected:
    // Types `entries` into the entry screens (each field cleared first).
    void type(const EntryList& entries);
    // The user's path: Form2 "&Dalej..." then Form3 "&Dalej...", which shows Form4.
    void walkToIndicators();
    // type() then walkToIndicators().
    void enterAndShow(const EntryList& entries);
    // The worked example on the indicator screen, then the printout's window
    // opened from there; nullptr when it does not show.
    QWidget* showWorkedExample(const Printout& printout);

    QString text(const QString& window, const QString& control);
    // Every label text of a window, by objectName.
    QHash<QString, QString> labelTexts(const QString& window);
    int messages() const { return dialogs.fake.count(QStringLiteral("message")); }
    // Makes `window` the active window the way the user would, and lets the
    // activation arrive.
    void activate(const QString& window);
    void click(const QString& window, const QString& button);
};

}  // namespace termalo::testing
