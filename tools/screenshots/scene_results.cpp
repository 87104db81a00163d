// The indicator screen with its placeholders, after a run that stops part-way
// and after the worked example; the report of the worked example.
#include "tools/screenshots/scenes.h"

#include "shell/registry.h"

#include <QComboBox>
#include <QLineEdit>

namespace termalo::screenshots {
namespace {

void setText(const char* window, const char* control, const char* text)
{
    QWidget* w = WindowRegistry::find(QString::fromLatin1(window));
    if (!w)
        return;
    const QString value = QString::fromUtf8(text);
    if (auto* edit = w->findChild<QLineEdit*>(QString::fromLatin1(control)))
        edit->setText(value);
    else if (auto* box = w->findChild<QComboBox*>(QString::fromLatin1(control)))
        box->setEditText(value);
}

void enterWorkedExample()
{
    const char* const texts[][3] = {
        {"Form2", "Edit1", "Sanatorium „Pod Jodłami”"},
        {"Form2", "Edit2", "Zdrojowice"},
        {"Form2", "Edit3", "ul. Parkowa 7"},
        {"Form2", "Edit4", "Uzdrowisko Zdrojowice S.A."},
        {"Form2", "Edit5", "20"},
        {"Form2", "Edit6", "40"},
        {"Form2", "Edit7", "10"},
        {"Form2", "Edit8", "150"},
        {"Form2", "ComboBox1", "Kwiecień"},
        {"Form2", "ComboBox2", "2009"},
        {"Form3", "Edit1", "1500"},
        {"Form3", "Edit2", "1400"},
        {"Form3", "Edit3", "100"},
        {"Form3", "Edit4", "1800"},
        {"Form3", "Edit5", "150"},
        {"Form3", "Edit6", "450"},
        {"Form3", "Edit7", "900"},
        {"Form3", "Edit8", "200"},
        {"Form3", "Edit9", "210000"},
        {"Form3", "Edit10", "324000"},
    };
    for (const auto& t : texts)
        setText(t[0], t[1], t[2]);
}

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
    enterWorkedExample();
    setText("Form2", "Edit7", "0");
    returnToIndicators(form4);
    shoot(form4, QStringLiteral("form4_failure"));

    setText("Form2", "Edit7", "10");
    returnToIndicators(form4);
    shoot(form4, QStringLiteral("form4_example"));

    showForm(form5);
    settle();
    shoot(form5, QStringLiteral("form5_example"));
}

const SceneRegistrar registrar(30, "results", &shootResults);

}  // namespace
}  // namespace termalo::screenshots
