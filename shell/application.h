#pragma once

#include <QApplication>
#include <QString>

#include <stdexcept>
#include <string>

namespace termalo {

// Caption of the program's message boxes and its task-bar name.
inline constexpr const char* kApplicationTitle = "Termalo 1.0";

// The program's own error type: what an event handler throws when it gives up.
// Its message is shown in the error box.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()) {}
    explicit Error(const std::string& message) : std::runtime_error(message) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// The error box's text: a full stop is appended to a non-empty message whose
// last character comes after "." in character order.
QString errorBoxText(const QString& message);

// Shows the error box (application title, stop icon, OK) through the dialogs port.
void showErrorBox(const QString& message);

// The application object: catches an exception that escapes an event handler,
// shows it in the error box and goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an exception in flight (inside a catch block) in the error box:
// termalo::Error and std::exception with their message, anything else with an
// empty message.
void showCurrentException();

// Runs `action`; an exception escaping it is shown in the error box right
// there. Every entry from Qt into the program's handlers goes through this.
template <class Action>
void runGuarded(Action&& action)
{
    try {
        action();
    } catch (...) {
        showCurrentException();
    }
}

// Connects `signal` of `sender` to the handler `slot` of `receiver` so that an
// exception escaping the handler is shown in the error box right there:
//     termalo::connectHandler(ui->Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
// The application object catches what escapes any event handler as well; this
// only keeps the unwinding inside the program's own code.
template <class Sender, class Signal, class Receiver, class Slot>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Receiver* receiver, Slot slot)
{
    return QObject::connect(sender, signal, receiver,
                            [receiver, slot] { runGuarded([&] { (receiver->*slot)(); }); });
}

}  // namespace termalo
