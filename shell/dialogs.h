#pragma once

#include <QString>
#include <QUrl>

class QPrinter;
class QWidget;

namespace termalo {

// Every modal interaction of the program goes through this port, so tests never
// block on a dialog.
class Dialogs {
public:
    enum class Icon { None, Information, Stop, Question };

    virtual ~Dialogs() = default;
    // A message box with an OK button.
    virtual void message(const QString& caption, const QString& text, Icon icon) = 0;
    // A Yes/No question with the question icon, owned by no window; true for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    // The print dialog for `printer`; true when the user confirms.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
    virtual void openUrl(const QUrl& url) = 0;
};

// The port in use: the real dialogs unless a test installed another one.
Dialogs& dialogs();
// Installs `port` (not owned; nullptr restores the real dialogs). Returns the previous one.
Dialogs* setDialogs(Dialogs* port);

}  // namespace termalo
