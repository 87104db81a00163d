#include "shell/controls.h"

#include "shell/application.h"
#include "shell/combo_field.h"
#include "shell/registry.h"
#include "shell/text_field.h"
#include "shell/text_limits.h"

#include <QAbstractButton>
#include <QLabel>

namespace termalo {

namespace {

bool& strictFlag()
{
#ifdef NDEBUG
    static bool strict = false;
#else
    static bool strict = true;
#endif
    return strict;
}

}  // namespace

void setStrictControlLookup(bool strict)
{
    strictFlag() = strict;
}

bool strictControlLookup()
{
    return strictFlag();
}

void reportMissingControl(const QString& where, const QString& what)
{
    const QString message = QStringLiteral("Brak kontrolki %1/%2").arg(where, what);
    if (strictFlag())
        throw Error(message);
    qWarning("%s", qPrintable(message));
}

bool isProgramWindowName(const QString& name)
{
    if (!name.startsWith(QLatin1String("Form")))
        return false;
    bool ok = false;
    const int number = QStringView(name).mid(4).toInt(&ok);
    return ok && number >= 1 && number <= 33 && number != 22
           && name == QStringLiteral("Form%1").arg(number);
}

QWidget* findControl(QWidget* window, const QString& name, const QMetaObject& type)
{
    if (!window) {
        reportMissingControl(QStringLiteral("?"), name);
        return nullptr;
    }
    QWidget* control = window->findChild<QWidget*>(name);
    if (control && type.cast(control))
        return control;
    reportMissingControl(window->objectName(),
                         QStringLiteral("%1 (%2)").arg(name, QString::fromLatin1(type.className())));
    return nullptr;
}

QWidget* findControl(const core::Target& target, const QMetaObject& type)
{
    const QString windowName = QString::fromStdString(target.window);
    QWidget* window = WindowRegistry::find(windowName);
    if (!window) {
        if (!isProgramWindowName(windowName))
            reportMissingControl(windowName, QString::fromStdString(target.control));
        return nullptr;
    }
    return findControl(window, QString::fromStdString(target.control), type);
}

QString controlText(const core::Target& target)
{
    QWidget* control = findControl(target, QWidget::staticMetaObject);
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* field = qobject_cast<TextField*>(control))
        return field->text();
    if (auto* combo = qobject_cast<ComboField*>(control))
        return combo->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return {};
}

std::string controlTextUtf8(const core::Target& target)
{
    return controlText(target).toStdString();
}

std::string shownTextUtf8(const core::Target& target)
{
    return shownPrefix(controlText(target)).toStdString();
}

}  // namespace termalo
