#pragma once

#include <QString>
#include <QStringList>
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

    // The file dialog for saving: `filters` as "Obraz PNG (*.png)", one per
    // format; `suggested` is the path offered and `chosenFilter` the filter
    // chosen at first. Returns the path as the user chose it (empty when the
    // user cancels) and, in `chosenFilter`, the index of the filter chosen.
    // It neither adds an extension nor asks before a file is replaced: the
    // caller settles the final name first and then asks (askYesNo()).
    virtual QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                                   const QStringList& filters, int* chosenFilter) = 0;

    // The file dialog for opening, showing `folder` and the files that
    // `filters` name. Returns the chosen paths (none when the user cancels);
    // with `several`, the user may choose more than one.
    virtual QStringList chooseOpenFiles(QWidget* parent, const QString& caption, const QString& folder,
                                        const QStringList& filters, bool several) = 0;
    // The folder dialog, starting in `folder`; empty when the user cancels.
    virtual QString chooseFolder(QWidget* parent, const QString& caption, const QString& folder) = 0;
};

// The port in use: the real dialogs unless a test installed another one.
Dialogs& dialogs();
// Installs `port` (not owned; nullptr restores the real dialogs). Returns the previous one.
Dialogs* setDialogs(Dialogs* port);

}  // namespace termalo
