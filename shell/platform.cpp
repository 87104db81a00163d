#include "shell/platform.h"

#include <QApplication>
#include <QFont>
#include <QString>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace termalo::platform {

#ifdef Q_OS_WIN

namespace {

QtMessageHandler qtHandler = nullptr;

void showFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const QString text = QStringLiteral("Nie można uruchomić programu Termalo.\n\n%1\n\n"
                                            "Zainstaluj program ponownie.").arg(message);
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()), L"Termalo",
                    MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    }
    if (qtHandler)
        qtHandler(type, context, message);
}

}  // namespace

void showFatalMessagesToUser()
{
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
