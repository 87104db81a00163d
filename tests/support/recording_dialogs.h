#pragma once

#include "shell/dialogs.h"

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace termalo {

// A fake that records every call and answers as the test says.
class RecordingDialogs : public Dialogs {
public:
    struct Call {
        QString kind;  // "message", "question", "print", "url", "save", "open", "folder"
        QString caption;
        QString text;
        Icon icon = Icon::None;
    };

    QList<Call> calls;
    bool answerYes = false;
    bool confirmPrint = false;
    // When confirming a print, the printer is switched to PDF output into this file.
    QString pdfFile;
    // The save dialog's answer: the path chosen (empty: cancelled) and the
    // index of the filter chosen (-1: the one offered).
    QString saveFile;
    int saveFilter = -1;
    // What the last save dialog offered.
    QStringList saveFilters;
    // The open dialog's answer (none: cancelled) and the folder dialog's
    // (empty: cancelled); whether the last open dialog let several be chosen.
    QStringList openFiles;
    QString openFolder;
    bool openSeveral = false;
    // What the user chooses in the print dialog's page setup before confirming:
    // the paper, its orientation and the margins in millimetres (unset: the
    // printer's defaults).
    std::optional<QPageSize> paper;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::optional<QMarginsF> marginsMm;

    void message(const QString& caption, const QString& text, Icon icon) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    void openUrl(const QUrl& url) override;
    // Records the caption and the suggested path (as the call's text).
    QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                           const QStringList& filters, int* chosenFilter) override;

    // Record the caption and the folder shown (as the call's text).
    QStringList chooseOpenFiles(QWidget* parent, const QString& caption, const QString& folder,
                                const QStringList& filters, bool several) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& folder) override;

    int count(const QString& kind) const;
};

// Installs a RecordingDialogs for the lifetime of the guard.
class ScopedRecordingDialogs {
public:
    ScopedRecordingDialogs() : previous_(setDialogs(&fake)) {}
    ~ScopedRecordingDialogs() { setDialogs(previous_); }
    ScopedRecordingDialogs(const ScopedRecordingDialogs&) = delete;
    ScopedRecordingDialogs& operator=(const ScopedRecordingDialogs&) = delete;
    RecordingDialogs fake;

private:
    Dialogs* previous_;
};

}  // namespace termalo
