#pragma once

#include <QLocale>
#include <QString>

namespace termalo::chart {

// Writes `value` by a number pattern between literal texts, as the charts'
// value formats are written: "#,##0.##%" is digit groups from 1000 up, at
// least one integer digit, at most two decimals (none when they are zero) and
// then "%". A '0' is a digit always written, a '#' one written when needed and
// a ',' asks for digit groups; numbers are rounded half away from zero and
// written in the notation of `locale`.
QString formatValue(double value, const QString& format, const QLocale& locale = QLocale::system());

}  // namespace termalo::chart
