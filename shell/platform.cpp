#include "shell/platform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QString>
#include <QtGlobal>

#include <string>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace termalo::platform {

#ifdef Q_OS_WIN

namespace {

QtMessageHandler qtHandler = nullptr;

void showStartFailure(const QString& reason)
{
    const QString text = QStringLiteral("Nie można uruchomić programu Termalo.\n\n%1\n\n"
                                        "Zainstaluj program ponownie.").arg(reason);
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()), L"Termalo",
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

void showFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg)
        showStartFailure(message);
    if (qtHandler)
        qtHandler(type, context, message);
}

// The file of Windows' platform plugin that the installed program's folder
// (the one with qt.conf beside termalo.exe) lacks, or nothing. Without it Qt
// would end with a box of its own, in English, before this program's.
QString missingPlatformPlugin()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return {};
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (length == 0 || length >= path.size())
        return {};
    const QDir folder = QFileInfo(QString::fromWCharArray(path.data(), int(length))).absoluteDir();
    const QString plugin = QStringLiteral("plugins/platforms/qwindows.dll");
    if (!folder.exists(QStringLiteral("qt.conf")) || folder.exists(plugin))
        return {};
    return QDir::toNativeSeparators(folder.filePath(plugin));
}

}  // namespace

void showFatalMessagesToUser()
{
    if (const QString missing = missingPlatformPlugin(); !missing.isEmpty()) {
        showStartFailure(QStringLiteral("Brak pliku %1.").arg(missing));
        ExitProcess(1);
    }
    qtHandler = qInstallMessageHandler(showFatalMessage);
}

void keepTextWidthsUnrounded()
{
    QFont font = QApplication::font();
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QApplication::setFont(font);
}

#else

void showFatalMessagesToUser() {}

void keepTextWidthsUnrounded() {}

#endif

}  // namespace termalo::platform
