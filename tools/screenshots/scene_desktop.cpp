// The about window; the indicator screen started under a dark desktop theme;
// the closing question as Qt's Polish texts show it.
#include "shell/message_box.h"
#include "shell/registry.h"
#include "shell/startup.h"
#include "tests/support/enter_inputs.h"
#include "tests/support/worked_example.h"
#include "tools/screenshots/scenes.h"

#include <QApplication>

namespace termalo::screenshots {
namespace {

void aboutWindowScene()
{
    QWidget* about = WindowRegistry::find(QStringLiteral("Form6"));
    if (!about)
        return;
    showForm(about);
    settle();
    shoot(about, QStringLiteral("form6"));
}

void darkThemeScene()
{
    // The desktop's dark palette is in place before the program starts.
    shutDown();
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(dark);
    startUp();
    settle();
    testing::enterInputs(testing::workedExample());
    if (QWidget* form4 = WindowRegistry::find(QStringLiteral("Form4"))) {
        QMetaObject::invokeMethod(form4, "Timer1Timer");
        showForm(form4);
        settle();
        shoot(form4, QStringLiteral("form4_dark_theme"));
    }
    QApplication::setPalette(before);
}

void closingQuestionScene()
{
    const auto box = makeQuestionBox(QStringLiteral("Uwaga!"), QStringLiteral("Chcesz zakończyc aplikację?"));
    box->show();
    settle();
    shoot(box.get(), QStringLiteral("closing_question"));
    box->hide();
}

const SceneRegistrar about(60, "about window", &aboutWindowScene);
const SceneRegistrar dark(61, "dark desktop theme", &darkThemeScene);
const SceneRegistrar question(62, "closing question", &closingQuestionScene);

}  // namespace
}  // namespace termalo::screenshots
