#include "shell/dialogs.h"

#include "shell/message_box.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

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

    QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                           const QStringList& filters, int* chosenFilter) override
    {
        QFileDialog dialog(parent, caption);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The caller settles the name, extension and all, and asks before it
        // replaces a file under the name it settled on.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setNameFilters(filters);
        const int first = chosenFilter && *chosenFilter > 0 && *chosenFilter < filters.size() ? *chosenFilter : 0;
        if (!filters.isEmpty())
            dialog.selectNameFilter(filters[first]);
        dialog.selectFile(suggested);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        if (chosenFilter)
            *chosenFilter = std::max<int>(0, int(filters.indexOf(dialog.selectedNameFilter())));
        return dialog.selectedFiles().constFirst();
    }

    QStringList chooseOpenFiles(QWidget* parent, const QString& caption, const QString& folder,
                                const QStringList& filters, bool several) override
    {
        QFileDialog dialog(parent, caption, folder);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        dialog.setNameFilters(filters);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles();
    }

    QString chooseFolder(QWidget* parent, const QString& caption, const QString& folder) override
    {
        QFileDialog dialog(parent, caption, folder);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
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
