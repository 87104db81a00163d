#include "results/month_actions.h"

#include "results/month_comparison.h"
#include "shell/application.h"
#include "shell/context_menu.h"
#include "shell/month_files.h"
#include "shell/registry.h"

#include <QAction>

#include <functional>

namespace termalo {
namespace {

void addAction(QWidget* window, const QString& text, const QKeySequence& keys, std::function<void(QWidget*)> run)
{
    auto* action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window,
                     [window, run = std::move(run)] { runGuarded([&] { run(window); }); });
    window->addAction(action);
}

}  // namespace

void offerMonthActions()
{
    for (const char* name : {"Form2", "Form3", "Form4"}) {
        QWidget* window = WindowRegistry::find(QString::fromUtf8(name));
        if (!window)
            continue;
        addAction(window, QStringLiteral("&Zapisz miesiąc…"), QKeySequence::Save, [](QWidget* w) { saveMonth(w); });
        addAction(window, QStringLiteral("&Otwórz miesiąc…"), QKeySequence::Open, [](QWidget* w) { openMonth(w); });
        addAction(window, QStringLiteral("&Porównaj miesiące…"), QKeySequence(),
                  [](QWidget* w) { compareMonthFiles(w); });
        // The indicator screen has its menu already; it lists the window's actions.
        if (QString::fromUtf8(name) != QLatin1String("Form4"))
            offerWindowMenu(window, [window] { return window->actions(); });
    }
    markMonthKept();
}

}  // namespace termalo
