// The two data-entry screens: empty with their instructions typed out, and
// filled with a month of a sanatorium.
#include "tools/screenshots/scenes.h"

#include "shell/registry.h"
#include "shell/typing_label.h"

#include <QComboBox>
#include <QLineEdit>
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

void setTexts(QWidget* window, std::initializer_list<std::pair<const char*, const char*>> texts)
{
    for (const auto& [name, text] : texts) {
        const QString value = QString::fromUtf8(text);
        if (auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(name)))
            edit->setText(value);
        else if (auto* box = window->findChild<QComboBox*>(QString::fromLatin1(name)))
            box->setEditText(value);
    }
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

    setTexts(form2, {{"Edit1", "Sanatorium „Pod Jodłami”"},
                     {"Edit2", "Zdrojowice"},
                     {"Edit3", "ul. Parkowa 7"},
                     {"Edit4", "Uzdrowisko Zdrojowice S.A."},
                     {"Edit5", "20"},
                     {"Edit6", "40"},
                     {"Edit7", "10"},
                     {"ComboBox1", "Kwiecień"},
                     {"ComboBox2", "2005"},
                     {"Edit8", "150"}});
    showForm(form2);
    settle();
    shoot(form2, QStringLiteral("form2_filled"));

    setTexts(form3, {{"Edit1", "1500"},
                     {"Edit2", "1400"},
                     {"Edit3", "100"},
                     {"Edit9", "210000"},
                     {"Edit4", "1800"},
                     {"Edit5", "150"},
                     {"Edit10", "324000"},
                     {"Edit6", "450"},
                     {"Edit7", "900"},
                     {"Edit8", "200"}});
    showForm(form3);
    settle();
    shoot(form3, QStringLiteral("form3_filled"));
}

const SceneRegistrar registrar(20, "entry", shootEntryScreens);

}  // namespace
}  // namespace termalo::screenshots
