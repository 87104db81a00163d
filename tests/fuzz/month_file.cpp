// The month file reader over any bytes. Held against: a refusal always says
// why, and a month that is read, written again and read back is the same month
// (the writer's output is a file the reader takes whole).
#include "shell/month_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace termalo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const MonthFileReading reading = readMonthFile(QByteArrayView(data, qsizetype(size)));
    if (!reading.month) {
        if (reading.problem == MonthFileReading::Problem::None || reading.reason.isEmpty())
            std::abort();
        return 0;
    }
    if (reading.problem != MonthFileReading::Problem::None)
        std::abort();
    const QByteArray again = writeMonthFile(*reading.month);
    const MonthFileReading back = readMonthFile(again);
    if (!back.month) {
        // Escapes written longer than they were read may pass the limit; nothing else may fail.
        if (back.problem != MonthFileReading::Problem::TooLarge)
            std::abort();
        return 0;
    }
    for (const MonthFileField& field : monthFileFields()) {
        if ((*back.month).*field.text != (*reading.month).*field.text)
            std::abort();
    }
    return 0;
}
