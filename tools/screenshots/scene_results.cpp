// The indicator screen with its placeholders, after a run that stops part-way
// and after the worked example; the report of the worked example.
#include "tools/screenshots/scenes.h"

#include "shell/registry.h"
#include "tests/support/enter_inputs.h"
#include "tests/support/worked_example.h"


namespace termalo::screenshots {
namespace {

// Returns to the indicator screen from the stays screen, which recomputes it.
void returnToIndicators(QWidget* form4)
{
    showForm(QStringLiteral("Form3"));
    settle();
    showForm(form4);
    settle();
}

void shootResults()
{
    QWidget* form4 = WindowRegistry::find(QStringLiteral("Form4"));
    QWidget* form5 = WindowRegistry::find(QStringLiteral("Form5"));
    if (!form4 || !form5)
        return;
    for (const char* window : {"Form1", "Form4"})
        if (QWidget* w = WindowRegistry::find(QString::fromLatin1(window)))
            QMetaObject::invokeMethod(w, "Timer1Timer");

    // Empty entry screens: the run fails at once and the placeholders stay.
    showForm(form4);
    settle();
    shoot(form4, QStringLiteral("form4_placeholders"));

    // No 3-person rooms: the run stops at their utilisation; the rest keeps
    // its placeholders.
    core::InputTexts month = testing::workedExample();
    month.rooms3 = "0";
    testing::enterInputs(month);
    returnToIndicators(form4);
    shoot(form4, QStringLiteral("form4_failure"));

    testing::enterInputs(testing::workedExample());
    returnToIndicators(form4);
    shoot(form4, QStringLiteral("form4_example"));

    showForm(form5);
    settle();
    shoot(form5, QStringLiteral("form5_example"));
}

const SceneRegistrar registrar(30, "results", &shootResults);

}  // namespace
}  // namespace termalo::screenshots
