// What a screen reader's queries cost in a field holding 10 MB of text (five
// million characters): each should cost what it returns, the same as in a
// field of ten characters.
//     build/bench/accessible_text
#include "shell/text_field.h"

#include <QAccessible>
#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kCharacters = 5 * 1024 * 1024;

struct Field {
    termalo::TextField field;
    QAccessibleTextInterface* text = nullptr;

    explicit Field(const QString& content)
    {
        field.resize(250, 21);
        field.setText(content);
        text = QAccessible::queryAccessibleInterface(&field)->textInterface();
    }
};

Field& words()
{
    static Field f(QStringLiteral("słowo ").repeated(kCharacters / 6));
    return f;
}

Field& oneWord()
{
    static Field f(QString(kCharacters, QLatin1Char('7')));
    return f;
}

void HundredCharacters(benchmark::State& state)
{
    const int middle = int(kCharacters / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(words().text->text(middle, middle + 100));
}
BENCHMARK(HundredCharacters);

void WordAtTheMiddle(benchmark::State& state)
{
    int start = 0, end = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(words().text->textAtOffset(int(kCharacters / 2), QAccessible::WordBoundary, &start, &end));
}
BENCHMARK(WordAtTheMiddle);

void CharacterBeforeTheMiddleOfOneHugeWord(benchmark::State& state)
{
    int start = 0, end = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            oneWord().text->textBeforeOffset(int(kCharacters / 2), QAccessible::CharBoundary, &start, &end));
}
BENCHMARK(CharacterBeforeTheMiddleOfOneHugeWord);

void PlaceOfTheLastCharacter(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(words().text->characterRect(int(kCharacters / 6 * 6) - 2));
}
BENCHMARK(PlaceOfTheLastCharacter);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
