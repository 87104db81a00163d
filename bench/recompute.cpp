// One activation of the indicator screen: the engine over the worked example and
// every output applied to its label.
#include "results/tform4.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/registry.h"
#include "shell/startup.h"

#include <QComboBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

void setText(const char* window, const char* control, const char* text)
{
    QWidget* w = termalo::WindowRegistry::find(QString::fromLatin1(window));
    if (!w)
        return;
    if (auto* edit = w->findChild<QLineEdit*>(QString::fromLatin1(control)))
        edit->setText(QString::fromUtf8(text));
    else if (auto* box = w->findChild<QComboBox*>(QString::fromLatin1(control)))
        box->setEditText(QString::fromUtf8(text));
}

void enterWorkedExample()
{
    const char* const texts[][3] = {
        {"Form2", "Edit1", "Sanatorium"}, {"Form2", "Edit2", "Zdrojowice"},  {"Form2", "Edit3", "ul. Parkowa 7"},
        {"Form2", "Edit4", "Uzdrowisko"}, {"Form2", "Edit5", "20"},          {"Form2", "Edit6", "40"},
        {"Form2", "Edit7", "10"},         {"Form2", "Edit8", "150"},         {"Form2", "ComboBox1", "Kwiecień"},
        {"Form2", "ComboBox2", "2009"},   {"Form3", "Edit1", "1500"},        {"Form3", "Edit2", "1400"},
        {"Form3", "Edit3", "100"},        {"Form3", "Edit4", "1800"},        {"Form3", "Edit5", "150"},
        {"Form3", "Edit6", "450"},        {"Form3", "Edit7", "900"},         {"Form3", "Edit8", "200"},
        {"Form3", "Edit9", "210000"},     {"Form3", "Edit10", "324000"},
    };
    for (const auto& t : texts)
        setText(t[0], t[1], t[2]);
}

void BM_ActivateIndicatorScreen(benchmark::State& state)
{
    auto* form4 = termalo::WindowRegistry::find<TForm4>(QStringLiteral("Form4"));
    if (!form4) {
        state.SkipWithError("Form4 is not built");
        return;
    }
    enterWorkedExample();
    QWidget* form2 = termalo::WindowRegistry::find(QStringLiteral("Form2"));
    auto* rooms1 = form2 ? form2->findChild<QLineEdit*>(QStringLiteral("Edit5")) : nullptr;
    termalo::ScopedRecordingDialogs dialogs;
    // Two months that differ in every value, in turn, so each run rewrites every
    // label instead of setting the texts it already shows.
    bool other = false;
    for (auto _ : state) {
        if (rooms1)
            rooms1->setText(other ? QStringLiteral("21") : QStringLiteral("20"));
        other = !other;
        form4->FormActivate();
    }
    if (dialogs.fake.count(QStringLiteral("message")) != 0)
        state.SkipWithError("the worked example failed to compute");
}
BENCHMARK(BM_ActivateIndicatorScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    termalo::Application app(argc, argv);
    termalo::startUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    termalo::shutDown();
    return 0;
}
