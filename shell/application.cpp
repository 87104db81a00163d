#include "shell/application.h"

#include "shell/dialogs.h"

#include <exception>

namespace termalo {

QString errorBoxText(const QString& message)
{
    // Messages that end in a character ordered after "." (letters, digits, "?")
    // get a full stop; ones that end in "." or "!" keep their own punctuation.
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void showErrorBox(const QString& message)
{
    dialogs().message(QString::fromUtf8(kApplicationTitle), errorBoxText(message), Dialogs::Icon::Stop);
}

void showCurrentException()
{
    try {
        throw;
    } catch (const Error& e) {
        showErrorBox(e.message());
    } catch (const std::exception& e) {
        showErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        showErrorBox(QString());
    }
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QString::fromUtf8(kApplicationTitle));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // The event counts as handled: the handler ran and failed; the program goes on.
        showCurrentException();
        return true;
    }
}

}  // namespace termalo
