#pragma once

#include "core/indicator_engine.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <span>

namespace termalo {

// A month kept as a file: the texts of the two entry screens exactly as typed,
// in a small JSON document with a format name and a version number:
//
//   {
//       "format": "termalo-month",
//       "version": 1,
//       "SanatoriumName": "Sanatorium Zdrój",
//       ...
//   }
//
// Every field of the input record is there under its record name, as a string.
// Only Qt Core and the calculation core are used here, so the reader can be
// driven on its own (tests/fuzz).

inline constexpr const char* kMonthFileFormat = "termalo-month";
inline constexpr int kMonthFileVersion = 1;
inline constexpr const char* kMonthFileSuffix = "termalo";
// A month file is a few hundred bytes; anything larger than this is refused
// unread (and a month whose texts would make it larger is not saved).
inline constexpr qsizetype kMonthFileLimit = 1024 * 1024;

// A field of the file: its record name and where its text is held.
struct MonthFileField {
    const char* name;  // "SanatoriumName"
    std::string core::InputTexts::*text;
};
// The twenty fields in the order they are written: the basic information
// screen's, then the stays screen's as its groups show them.
std::span<const MonthFileField> monthFileFields();

// The file's bytes for `month`: UTF-8, fields in the order above, one a line.
QByteArray writeMonthFile(const core::InputTexts& month);

struct MonthFileReading {
    enum class Problem { None, TooLarge, NotUtf8, Broken, NotMonthFile, LaterVersion };
    std::optional<core::InputTexts> month;  // set when the whole file is sound
    Problem problem = Problem::None;
    QString reason;  // what is wrong, in words for the error box (no full stop)
};

// Reads a month file's bytes. Checks everything before it gives a month: the
// size, the encoding, the JSON, the format name, the version and every field.
MonthFileReading readMonthFile(QByteArrayView bytes);

}  // namespace termalo
