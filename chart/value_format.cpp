#include "chart/value_format.h"

#include <algorithm>
#include <cmath>

namespace termalo::chart {

namespace {

bool isPatternCharacter(QChar c)
{
    return c == u'#' || c == u'0' || c == u',' || c == u'.';
}

}  // namespace

QString formatValue(double value, const QString& format, const QLocale& locale)
{
    if (!std::isfinite(value))
        return QString::number(value);
    qsizetype begin = 0;
    while (begin < format.size() && !isPatternCharacter(format[begin]))
        ++begin;
    qsizetype end = begin;
    while (end < format.size() && isPatternCharacter(format[end]))
        ++end;
    const QString prefix = format.left(begin);
    const QString suffix = format.mid(end);
    const QString pattern = format.mid(begin, end - begin);

    const qsizetype point = pattern.indexOf(u'.');
    const QString integerPart = point < 0 ? pattern : pattern.left(point);
    const QString decimalPart = point < 0 ? QString() : pattern.mid(point + 1);
    const bool grouped = integerPart.contains(u',');
    const int minimumIntegers = int(integerPart.count(u'0'));
    const int minimumDecimals = int(decimalPart.count(u'0'));
    const int maximumDecimals = minimumDecimals + int(decimalPart.count(u'#'));

    // Half away from zero at the last decimal kept.
    const double scale = std::pow(10.0, maximumDecimals);
    double magnitude = std::fabs(value);
    if (magnitude * scale < 9.0e15)
        magnitude = std::round(magnitude * scale) / scale;
    QString digits = QString::number(magnitude, 'f', maximumDecimals);
    QString decimals;
    if (const qsizetype dot = digits.indexOf(u'.'); dot >= 0) {
        decimals = digits.mid(dot + 1);
        digits.truncate(dot);
    }
    while (decimals.size() > minimumDecimals && decimals.endsWith(u'0'))
        decimals.chop(1);
    if (digits == u"0" && minimumIntegers == 0)
        digits.clear();
    while (digits.size() < minimumIntegers)
        digits.prepend(u'0');

    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (grouped && i > 0 && (digits.size() - i) % 3 == 0)
            text += locale.groupSeparator();
        text += digits[i];
    }
    if (!decimals.isEmpty())
        text += locale.decimalPoint() + decimals;
    if (text.isEmpty())
        text = QStringLiteral("0");
    const bool negative = value < 0 && std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    return prefix + (negative ? QStringLiteral("-") : QString()) + text + suffix;
}

}  // namespace termalo::chart
