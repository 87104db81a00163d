#include "tests/support/recording_dialogs.h"

#include <QPrinter>
#include <QUrl>

namespace termalo {

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
    if (confirmPrint) {
        if (paper)
            printer.setPageSize(*paper);
        printer.setPageOrientation(orientation);
        if (marginsMm)
            printer.setPageMargins(*marginsMm, QPageLayout::Millimeter);
    }
    return confirmPrint;
}

void RecordingDialogs::openUrl(const QUrl& url)
{
    calls.append({QStringLiteral("url"), QString(), url.toString(), Icon::None});
}

QString RecordingDialogs::chooseSaveFile(QWidget* /*parent*/, const QString& caption, const QString& suggested,
                                         const QStringList& filters, int* chosenFilter)
{
    calls.append({QStringLiteral("save"), caption, suggested, Icon::None});
    saveFilters = filters;
    if (chosenFilter && saveFilter >= 0)
        *chosenFilter = saveFilter;
    return saveFile;
}

QStringList RecordingDialogs::chooseOpenFiles(QWidget* /*parent*/, const QString& caption, const QString& folder,
                                             const QStringList& /*filters*/, bool several)
{
    calls.append({QStringLiteral("open"), caption, folder, Icon::None});
    openSeveral = several;
    return several ? openFiles : openFiles.mid(0, 1);
}

QString RecordingDialogs::chooseFolder(QWidget* /*parent*/, const QString& caption, const QString& folder)
{
    calls.append({QStringLiteral("folder"), caption, folder, Icon::None});
    return openFolder;
}

int RecordingDialogs::count(const QString& kind) const
{
    int n = 0;
    for (const Call& call : calls)
        n += call.kind == kind ? 1 : 0;
    return n;
}

}  // namespace termalo
