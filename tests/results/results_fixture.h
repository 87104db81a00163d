#pragma once

#include "tests/support/ui_test.h"

#include <QHash>
#include <QString>
#include <QStringList>

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

class ResultsTest : public UiTest {
protected:
    // Types `entries` into the entry screens (each field cleared first).
    void type(const EntryList& entries);
    // The user's path: Form2 "&Dalej..." then Form3 "&Dalej...", which shows Form4.
    void walkToIndicators();
    // type() then walkToIndicators().
    void enterAndShow(const EntryList& entries);

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
