// The two data-entry screens: empty with their instructions typed out, and
// filled with a month of a sanatorium.
#include "tools/screenshots/scenes.h"

#include "shell/registry.h"
#include "shell/typing_label.h"
#include "tests/support/enter_inputs.h"
#include "tests/support/worked_example.h"

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
}

const SceneRegistrar registrar(20, "entry", shootEntryScreens);

}  // namespace
}  // namespace termalo::screenshots
