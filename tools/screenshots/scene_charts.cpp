// The eight chart windows after the worked example; Form8 after a computation
// that stopped at the room-utilisation group; Form7 with a utilisation above 100 %.
#include "tools/screenshots/scenes.h"

#include "shell/dialogs.h"
#include "shell/registry.h"
#include "tests/support/enter_inputs.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/worked_example.h"

#include <QPushButton>

#include <cstdio>

namespace termalo::screenshots {
namespace {

// The indicator screen computed from `month`, as the user reaches it.
QWidget* indicatorsFor(const core::InputTexts& month)
{
    testing::enterInputs(month);
    showForm(QStringLiteral("Form3"));
    settle();
    QWidget* form4 = WindowRegistry::find(QStringLiteral("Form4"));
    showForm(form4);
    settle();
    return form4;
}

// Opens a chart window through its button on the indicator screen.
QWidget* openChart(QWidget* form4, const char* button, const char* window)
{
    if (auto* b = form4->findChild<QPushButton*>(QString::fromLatin1(button)))
        b->click();
    settle();
    return WindowRegistry::find(QString::fromLatin1(window));
}

// Error boxes shown since the scene began, for the log.
void logMessages()
{
    if (auto* recording = dynamic_cast<RecordingDialogs*>(&dialogs())) {
        for (const RecordingDialogs::Call& call : std::as_const(recording->calls)) {
            if (call.kind == QLatin1String("message"))
                std::printf("message box: %s\n", qPrintable(call.text));
        }
        recording->calls.clear();
    }
}

void forgetMessages()
{
    if (auto* recording = dynamic_cast<RecordingDialogs*>(&dialogs()))
        recording->calls.clear();
}

void chartsAfterWorkedExample()
{
    forgetMessages();
    QWidget* form4 = indicatorsFor(testing::workedExample());
    const struct {
        const char* button;
        const char* window;
    } charts[] = {
        {"BitBtn6", "Form7"}, {"BitBtn7", "Form8"}, {"BitBtn4", "Form9"},  {"BitBtn5", "Form10"},
        {"BitBtn8", "Form11"}, {"Button4", "Form12"}, {"BitBtn2", "Form13"}, {"BitBtn3", "Form14"},
    };
    for (const auto& chart : charts) {
        QWidget* window = openChart(form4, chart.button, chart.window);
        shoot(window, QString::fromLatin1(chart.window).toLower() + QStringLiteral("_example"));
        closeForm(window);
        settle();
    }
    logMessages();
}

void chartsAfterStoppedComputation()
{
    forgetMessages();
    // No 3-person rooms: the computation stops at the room utilisation.
    core::InputTexts month = testing::workedExample();
    month.rooms3 = "0";
    QWidget* form4 = indicatorsFor(month);
    shoot(openChart(form4, "BitBtn7", "Form8"), QStringLiteral("form8_stopped"));
    logMessages();
    shoot(openChart(form4, "BitBtn6", "Form7"), QStringLiteral("form7_stopped"));
    logMessages();
}

void placeUtilisationAbove100()
{
    forgetMessages();
    core::InputTexts month = testing::workedExample();
    month.individualNightsGranted = "3500";
    QWidget* form4 = indicatorsFor(month);
    shoot(openChart(form4, "BitBtn6", "Form7"), QStringLiteral("form7_above_100"));
    logMessages();
}

const SceneRegistrar examples(40, "charts after the worked example", &chartsAfterWorkedExample);
const SceneRegistrar stopped(41, "charts after a stopped computation", &chartsAfterStoppedComputation);
const SceneRegistrar above(42, "a place utilisation above 100 %", &placeUtilisationAbove100);

}  // namespace
}  // namespace termalo::screenshots
