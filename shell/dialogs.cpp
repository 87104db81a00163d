#include "shell/dialogs.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace termalo {
namespace {

QMessageBox::Icon toMessageBoxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Stop: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

class RealDialogs : public Dialogs {
public:
    void message(const QString& caption, const QString& text, Icon icon) override
    {
        QMessageBox box(toMessageBoxIcon(icon), caption, text, QMessageBox::Ok);
        box.exec();
    }

    bool askYesNo(const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }

    bool choosePrinter(QPrinter& printer, QWidget* parent) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void openUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

RealDialogs& realDialogs()
{
    static RealDialogs real;
    return real;
}

Dialogs* current = nullptr;

}  // namespace

Dialogs& dialogs()
{
    return current ? *current : realDialogs();
}

Dialogs* setDialogs(Dialogs* port)
{
    Dialogs* previous = current;
    current = port;
    return previous;
}

}  // namespace termalo
