#include "shell/month_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringDecoder>

#include <cmath>

namespace termalo {
namespace {

using core::InputTexts;
using Problem = MonthFileReading::Problem;

const char* const kFormatKey = "format";
const char* const kVersionKey = "version";

// One JSON string, quotes and escapes included.
QByteArray jsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

MonthFileReading refused(Problem problem, const QString& reason)
{
    MonthFileReading reading;
    reading.problem = problem;
    reading.reason = reason;
    return reading;
}

}  // namespace

std::span<const MonthFileField> monthFileFields()
{
    static const MonthFileField fields[] = {
        {"SanatoriumName", &InputTexts::sanatoriumName},
        {"Town", &InputTexts::town},
        {"SanatoriumAddress", &InputTexts::sanatoriumAddress},
        {"SpaCompanyName", &InputTexts::spaCompanyName},
        {"Rooms1", &InputTexts::rooms1},
        {"Rooms2", &InputTexts::rooms2},
        {"Rooms3", &InputTexts::rooms3},
        {"AvgPricePerPlace", &InputTexts::avgPricePerPlace},
        {"MonthName", &InputTexts::monthName},
        {"YearText", &InputTexts::yearText},
        {"ContractedNights", &InputTexts::contractedNights},
        {"ContractNightsGranted", &InputTexts::contractNightsGranted},
        {"ContractGuests", &InputTexts::contractGuests},
        {"ContractRevenue", &InputTexts::contractRevenue},
        {"IndividualNightsGranted", &InputTexts::individualNightsGranted},
        {"IndividualGuests", &InputTexts::individualGuests},
        {"IndividualRevenue", &InputTexts::individualRevenue},
        {"OccupiedDays1", &InputTexts::occupiedDays1},
        {"OccupiedDays2", &InputTexts::occupiedDays2},
        {"OccupiedDays3", &InputTexts::occupiedDays3},
    };
    return fields;
}

QByteArray writeMonthFile(const InputTexts& month)
{
    // Written line by line rather than through QJsonObject, which would sort
    // the fields by name: the file reads in the order of the screens.
    QByteArray out = "{\n";
    out += "    \"" + QByteArray(kFormatKey) + "\": " + jsonString(QString::fromUtf8(kMonthFileFormat)) + ",\n";
    out += "    \"" + QByteArray(kVersionKey) + "\": " + QByteArray::number(kMonthFileVersion);
    for (const MonthFileField& field : monthFileFields()) {
        out += ",\n    \"" + QByteArray(field.name) + "\": " + jsonString(QString::fromStdString(month.*field.text));
    }
    out += "\n}\n";
    return out;
}

MonthFileReading readMonthFile(QByteArrayView bytes)
{
    if (bytes.size() > kMonthFileLimit)
        return refused(Problem::TooLarge, QStringLiteral("plik jest większy niż 1 MB, a plik miesiąca ma kilkaset bajtów"));
    if (bytes.isEmpty())
        return refused(Problem::NotMonthFile, QStringLiteral("plik jest pusty"));

    // A month file is a JSON object: anything else (a picture, a text) is not
    // one, whatever its encoding.
    static const QByteArray bom = "\xEF\xBB\xBF";
    const QByteArrayView body = bytes.startsWith(bom) ? bytes.sliced(bom.size()) : bytes;
    if (!body.trimmed().startsWith('{'))
        return refused(Problem::NotMonthFile, QStringLiteral("to nie jest plik miesiąca programu Termalo"));

    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return refused(Problem::NotUtf8, QStringLiteral("plik nie jest tekstem w kodowaniu UTF-8"));

    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        return refused(Problem::Broken, QStringLiteral("plik jest uszkodzony: błąd zapisu JSON w znaku %1")
                                            .arg(error.offset + 1));
    }
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(QLatin1String(kFormatKey)).toString() != QLatin1String(kMonthFileFormat))
        return refused(Problem::NotMonthFile, QStringLiteral("to nie jest plik miesiąca programu Termalo"));

    const QJsonValue version = object.value(QLatin1String(kVersionKey));
    const double number = version.toDouble(-1);
    if (!version.isDouble() || !(number >= 1) || number != std::floor(number))
        return refused(Problem::Broken, QStringLiteral("plik jest uszkodzony: nie ma poprawnego numeru wersji"));
    if (number > kMonthFileVersion) {
        return refused(Problem::LaterVersion,
                       QStringLiteral("plik zapisała nowsza wersja programu (format w wersji %1, "
                                      "ta wersja czyta format w wersji %2)")
                           .arg(number, 0, 'f', 0)
                           .arg(kMonthFileVersion));
    }

    InputTexts month;
    for (const MonthFileField& field : monthFileFields()) {
        const QJsonValue value = object.value(QLatin1String(field.name));
        if (!value.isString()) {
            return refused(Problem::Broken, value.isUndefined()
                                                ? QStringLiteral("plik jest uszkodzony: brak pola %1").arg(QLatin1String(field.name))
                                                : QStringLiteral("plik jest uszkodzony: pole %1 nie jest tekstem")
                                                      .arg(QLatin1String(field.name)));
        }
        month.*field.text = value.toString().toStdString();
    }
    MonthFileReading reading;
    reading.month = std::move(month);
    return reading;
}

}  // namespace termalo
