// The two data-entry screens: empty with their instructions typed out, filled
// with a month of a sanatorium, and with huge texts being edited.
#include "tools/screenshots/scenes.h"

#include "shell/combo_field.h"
#include "shell/registry.h"
#include "shell/text_field.h"
#include "shell/typing_label.h"
#include "tests/support/enter_inputs.h"
#include "tests/support/worked_example.h"

#include <QTest>
#include <QTimer>

namespace termalo::screenshots {
namespace {

void finishInstruction(QWidget* window)
{
    auto* label = window->findChild<TTypingLabel*>(QStringLiteral("TypingLabel"));
    if (!label)
        return;
    // Only ticks from here on: the real timer must not add a character of its own.
    label->SetAInterval(1 << 30);
    for (int guard = 0; label->timer()->isActive() && guard < 10000; ++guard)
        label->TimerTimer();
}

void shootEntryScreens()
{
    QWidget* form2 = WindowRegistry::find(QStringLiteral("Form2"));
    QWidget* form3 = WindowRegistry::find(QStringLiteral("Form3"));
    if (!form2 || !form3)
        return;

    showForm(form2);
    settle();
    finishInstruction(form2);
    settle();
    shoot(form2, QStringLiteral("form2_empty"));

    showForm(form3);
    settle();
    finishInstruction(form3);
    settle();
    shoot(form3, QStringLiteral("form3_empty"));

    testing::enterInputs(testing::workedExample());
    showForm(form2);
    settle();
    shoot(form2, QStringLiteral("form2_filled"));

    showForm(form3);
    settle();
    shoot(form3, QStringLiteral("form3_filled"));

    // A megabyte in the name (its end shown), part of the town selected, a
    // month being typed and completed from the list.
    showForm(form2);
    settle();
    auto* name = form2->findChild<TextField*>(QStringLiteral("Edit1"));
    auto* town = form2->findChild<TextField*>(QStringLiteral("Edit2"));
    auto* month = form2->findChild<ComboField*>(QStringLiteral("ComboBox1"));
    if (!name || !town || !month)
        return;
    name->setText(QString(1 << 20, QLatin1Char('7')) + QStringLiteral(" Sanatorium „Zdrój” – koniec"));
    town->setSelection(2, 5);
    month->field()->setText({});
    month->field()->setFocus();
    QTest::keyClicks(month->field(), QStringLiteral("Ma"));
    settle();
    shoot(form2, QStringLiteral("form2_editing"));
}

const SceneRegistrar registrar(20, "entry", shootEntryScreens);

}  // namespace
}  // namespace termalo::screenshots
