#include "shell/month_files.h"

#include "shell/application.h"
#include "shell/combo_field.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/registry.h"
#include "shell/text_field.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace termalo {
namespace {

QString& folderInUse()
{
    static QString folder;
    return folder;
}

std::optional<core::InputTexts>& keptMonth()
{
    static std::optional<core::InputTexts> kept;
    return kept;
}

bool sameTexts(const core::InputTexts& a, const core::InputTexts& b)
{
    for (const MonthFileField& field : monthFileFields()) {
        if (a.*field.text != b.*field.text)
            return false;
    }
    return true;
}

QString quoted(const QString& path)
{
    return QStringLiteral("„%1”").arg(QDir::toNativeSeparators(path));
}

QString withSuffix(QString path)
{
    const QString suffix = QLatin1Char('.') + QLatin1String(kMonthFileSuffix);
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

}  // namespace

core::InputTexts enteredMonth()
{
    core::InputTexts month;
    for (const core::InputField& field : core::inputFields())
        month.*field.text = controlTextUtf8(field.source);
    return month;
}

void enterMonth(const core::InputTexts& month)
{
    for (const core::InputField& field : core::inputFields()) {
        QWidget* control = findControl(field.source, QWidget::staticMetaObject);
        const QString text = QString::fromStdString(month.*field.text);
        if (auto* edit = qobject_cast<TextField*>(control))
            edit->setText(text);
        else if (auto* box = qobject_cast<ComboField*>(control))
            box->setText(text);
    }
}

bool monthChangedSinceKept()
{
    return keptMonth() && !sameTexts(*keptMonth(), enteredMonth());
}

void markMonthKept()
{
    keptMonth() = enteredMonth();
}

MonthFileReading readMonthFileAt(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MonthFileReading reading;
        reading.problem = MonthFileReading::Problem::NotMonthFile;
        reading.reason = QStringLiteral("nie można go odczytać (%1)").arg(file.errorString());
        return reading;
    }
    // One byte past the limit is enough to know the file is over it.
    const QByteArray bytes = file.read(kMonthFileLimit + 1);
    if (file.error() != QFileDevice::NoError) {
        MonthFileReading reading;
        reading.problem = MonthFileReading::Problem::NotMonthFile;
        reading.reason = QStringLiteral("nie można go odczytać (%1)").arg(file.errorString());
        return reading;
    }
    return readMonthFile(bytes);
}

bool saveMonth(QWidget* parent)
{
    const core::InputTexts month = enteredMonth();
    const QByteArray bytes = writeMonthFile(month);
    if (bytes.size() > kMonthFileLimit) {
        throw Error(QStringLiteral("Miesiąc nie został zapisany: jego teksty są dłuższe, "
                                   "niż mieści plik miesiąca (1 MB)"));
    }
    const QString suggested = QDir(monthFolder()).filePath(suggestedMonthFileName(month));
    int chosen = 0;
    const QString answer =
        dialogs().chooseSaveFile(parent, QStringLiteral("Zapisz miesiąc"), suggested, {monthFileFilter()}, &chosen);
    if (answer.isEmpty())
        return false;
    // The dialog adds the extension to a name typed without one before it asks
    // about replacing; a name with another extension gets it here, and the
    // question is asked here, about the name that is written.
    const QString path = withSuffix(answer);
    if (path != answer && QFileInfo::exists(path) &&
        !dialogs().askYesNo(QString::fromUtf8(kApplicationTitle),
                            QStringLiteral("Plik %1 już istnieje. Czy zastąpić go?").arg(quoted(path)))) {
        return false;
    }
    setMonthFolder(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw Error(QStringLiteral("Nie można zapisać miesiąca w pliku %1: %2").arg(quoted(path), file.errorString()));
    }
    markMonthKept();
    return true;
}

void openMonthFile(const QString& path)
{
    const MonthFileReading reading = readMonthFileAt(path);
    if (!reading.month)
        throw Error(QStringLiteral("Nie można otworzyć miesiąca z pliku %1: %2").arg(quoted(path), reading.reason));
    setMonthFolder(QFileInfo(path).absolutePath());
    enterMonth(*reading.month);
    markMonthKept();
    showForm(QStringLiteral("Form2"));
}

bool openMonth(QWidget* parent)
{
    if (monthChangedSinceKept() &&
        !dialogs().askYesNo(QString::fromUtf8(kApplicationTitle),
                            QStringLiteral("Wpisane dane nie zostały zapisane. Czy mimo to otworzyć inny miesiąc "
                                           "w ich miejsce?"))) {
        return false;
    }
    const QStringList paths =
        dialogs().chooseOpenFiles(parent, QStringLiteral("Otwórz miesiąc"), monthFolder(), {monthFileFilter()}, false);
    if (paths.isEmpty())
        return false;
    openMonthFile(paths.constFirst());
    return true;
}

QString monthFolder()
{
    QString& folder = folderInUse();
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
    }
    return folder;
}

void setMonthFolder(const QString& folder)
{
    folderInUse() = folder;
}

QString monthFileFilter()
{
    return QStringLiteral("Miesiąc programu Termalo (*.%1)").arg(QLatin1String(kMonthFileSuffix));
}

QString suggestedMonthFileName(const core::InputTexts& month)
{
    QStringList parts;
    parts.append(QString::fromStdString(month.sanatoriumName).left(80));
    if (monthNumber(month.monthName))
        parts.append(QString::fromStdString(month.monthName));
    const QString year = QString::fromStdString(month.yearText).trimmed();
    bool isNumber = false;
    year.toUInt(&isNumber);
    if (isNumber && year.size() <= 6)
        parts.append(year);
    QString name = parts.join(QLatin1Char(' '));
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            QStringLiteral("/\\:*?\"<>|").contains(c)) {
            c = QLatin1Char(' ');
        }
    }
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("Miesiąc");
    return name + QLatin1Char('.') + QLatin1String(kMonthFileSuffix);
}

std::optional<int> monthNumber(const std::string& monthName)
{
    static const char* const names[] = {"Styczeń", "Luty",     "Marzec",   "Kwiecień",    "Maj",      "Czerwiec",
                                        "Lipiec",  "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"};
    for (int i = 0; i < 12; ++i) {
        if (monthName == names[i])
            return i + 1;
    }
    return std::nullopt;
}

}  // namespace termalo
