#include "shell/clock.h"

#include <QLocale>

namespace termalo {
namespace {

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

SystemClock& systemClock()
{
    static SystemClock system;
    return system;
}

Clock* current = nullptr;

// The regional long time format without its time-zone part: Qt's long formats
// end in a zone ("t", "tt", ...), which the clock panel does not show.
QString longTimeFormatWithoutZone()
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result.append(c);
        } else if (!quoted && c == QLatin1Char('t')) {
            continue;
        } else {
            result.append(c);
        }
    }
    return result.trimmed();
}

}  // namespace

Clock& clock()
{
    return current ? *current : systemClock();
}

Clock* setClock(Clock* port)
{
    Clock* previous = current;
    current = port;
    return previous;
}

QString timePanelText(const QDateTime& t)
{
    return QLocale::system().toString(t.time(), longTimeFormatWithoutZone());
}

QString datePanelText(const QDateTime& t)
{
    return t.date().toString(QStringLiteral("dd.MM.yyyy"));
}

}  // namespace termalo
