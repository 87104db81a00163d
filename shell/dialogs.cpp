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

void RecordingDialogs::message(const QString& caption, const QString& text, Icon icon)
{
    calls.append({QStringLiteral("message"), caption, text, icon});
}

bool RecordingDialogs::askYesNo(const QString& caption, const QString& text)
{
    calls.append({QStringLiteral("question"), caption, text, Icon::Question});
    return answerYes;
}

bool RecordingDialogs::choosePrinter(QPrinter& printer, QWidget* /*parent*/)
{
    calls.append({QStringLiteral("print"), QString(), QString(), Icon::None});
    if (confirmPrint && !pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
    }
    return confirmPrint;
}

void RecordingDialogs::openUrl(const QUrl& url)
{
    calls.append({QStringLiteral("url"), QString(), url.toString(), Icon::None});
}

int RecordingDialogs::count(const QString& kind) const
{
    int n = 0;
    for (const Call& call : calls)
        n += call.kind == kind ? 1 : 0;
    return n;
}

}  // namespace termalo
