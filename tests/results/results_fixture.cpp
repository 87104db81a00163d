#include "tests/results/results_fixture.h"

#include "shell/combo_field.h"
#include "shell/controls.h"
#include "shell/text_field.h"
#include "tests/support/worked_example.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace termalo::testing {

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
