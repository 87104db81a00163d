#pragma once

#include <QDateTime>
#include <QString>

namespace termalo {

// The current date and time, replaceable in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

Clock& clock();
// Installs `port` (not owned; nullptr restores the system clock). Returns the previous one.
Clock* setClock(Clock* port);

// Clock panel texts: the time in the regional long time format, the date as dd.mm.yyyy.
QString timePanelText(const QDateTime& t);
QString datePanelText(const QDateTime& t);

}  // namespace termalo
