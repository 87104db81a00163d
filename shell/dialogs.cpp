#include "shell/dialogs.h"

#include "shell/message_box.h"

#include <QDesktopServices>
#include <QPrintDialog>
#include <QPrinter>

namespace termalo {
namespace {

class RealDialogs : public Dialogs {
public:
    void message(const QString& caption, const QString& text, Icon icon) override
    {
        makeMessageBox(caption, text, icon)->exec();
    }

    bool askYesNo(const QString& caption, const QString& text) override
    {
        return makeQuestionBox(caption, text)->exec() == QMessageBox::Yes;
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
