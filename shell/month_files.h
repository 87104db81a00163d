#pragma once

#include "core/indicator_engine.h"
#include "shell/month_file.h"

#include <QString>

#include <optional>

class QWidget;

namespace termalo {

// The month on the entry screens: every field's whole text, as typed.
core::InputTexts enteredMonth();
// Puts the texts of `month` into the entry screens' fields.
void enterMonth(const core::InputTexts& month);

// Whether the entry screens hold texts other than at start-up or at the last
// save or open of a month.
bool monthChangedSinceKept();
// Takes what the entry screens hold now as kept (start-up does).
void markMonthKept();

// Reads the month file at `path`: the whole file, refused unread when it is
// over the limit. The reason of a file that cannot be read includes the
// system's word for why it could not be opened.
MonthFileReading readMonthFileAt(const QString& path);

// "Zapisz miesiąc…": asks for a file through the dialogs port, under a name
// made of the sanatorium, the month and the year, and writes the month there
// through QSaveFile. A name without the extension gets it before the question
// about replacing a file. Returns false when the user cancels; throws
// termalo::Error when the file cannot be written (the old file stays whole).
bool saveMonth(QWidget* parent);

// "Otwórz miesiąc…": asks first when typed inputs are not saved, then for a
// file; reads and checks it before any field changes, then fills both entry
// screens and shows the first. Returns false when the user cancels; throws
// termalo::Error saying what is wrong with a file that cannot be read, every
// field keeping its text.
bool openMonth(QWidget* parent);

// Opens the month file at `path` as "Otwórz miesiąc…" does, without asking.
void openMonthFile(const QString& path);

// The folder of the month file saved or opened last in this run; at first the
// documents folder (or the home folder where there is none).
QString monthFolder();
void setMonthFolder(const QString& folder);

// The file dialogs' filter of month files.
QString monthFileFilter();

// "Sanatorium Zdrój Kwiecień 2009.termalo": the name, the month when it is one
// of the twelve and the year when it is a number; blanks for what a file name
// cannot hold.
QString suggestedMonthFileName(const core::InputTexts& month);

// The month's number (1 for "Styczeń") when `monthName` is exactly one of the
// twelve names.
std::optional<int> monthNumber(const std::string& monthName);

}  // namespace termalo
