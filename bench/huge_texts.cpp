// Texts of any length: every field of both entry screens filled by pasting a
// huge text (10 MB of digits unless an argument gives another size in MB; with
// "distinct" each field gets a text of its own instead of the same clipboard),
// then the indicator screen and the report activated and repainted. Also
// pasting and deleting 1 MB fifty times in one field. Prints the timings, the
// growth of the resident set and the peak.
//     build/bench/huge_texts [MB] [distinct]
#include "core/indicator_engine.h"
#include "shell/application.h"
#include "shell/registry.h"
#include "shell/startup.h"
#include "shell/combo_field.h"
#include "shell/text_field.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/worked_example.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// A line of /proc/self/status in MB ("VmRSS", "VmHWM").
double statusMb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::atof(line.c_str() + std::char_traits<char>::length(key) + 1) / 1024.0;
    }
    return 0;
}

termalo::TextField* field(const termalo::core::InputField& f)
{
    QWidget* window = termalo::WindowRegistry::find(QString::fromStdString(f.source.window));
    const QString name = QString::fromStdString(f.source.control);
    if (auto* box = window->findChild<termalo::ComboField*>(name))
        return box->field();
    return window->findChild<termalo::TextField*>(name);
}

// As the user does it: select everything, then paste.
void pasteOver(termalo::TextField* edit, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

template <class Action>
double milliseconds(Action&& action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    return double(clock.nsecsElapsed()) / 1e6;
}

// A keystroke at the end of a full field, on average: with nothing selected
// before it, or right after a character was selected and let go again.
double keystroke(termalo::TextField* edit, bool afterASelection)
{
    constexpr int kKeys = 10;
    double total = 0;
    QTest::keyClick(edit, Qt::Key_End);
    for (int i = 0; i < kKeys; ++i) {
        if (afterASelection) {
            QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
            QTest::keyClick(edit, Qt::Key_Right);
        }
        total += milliseconds([&] { QTest::keyClick(edit, Qt::Key_5); });
    }
    return total / kKeys;
}

// Typing after a selection costs what typing anywhere else costs: the
// selection offered to other programs (the X11 PRIMARY selection) is not a
// copy of the whole text, and keeps no copy of it alive.
void typingAfterASelection(termalo::TextField* edit)
{
    const bool offered = QGuiApplication::clipboard()->supportsSelection();
    const double anywhere = keystroke(edit, false);
    const double before = statusMb("VmRSS:");
    const double afterASelection = keystroke(edit, true);
    std::printf("  a keystroke in a full field: %.2f ms; right after a selection: %.2f ms, resident set %+.0f MB\n",
                anywhere, afterASelection, statusMb("VmRSS:") - before);
    if (!offered)
        std::printf("    (this platform offers no selection to other programs; on X11: "
                    "xvfb-run -a env QT_QPA_PLATFORM=xcb build/bench/huge_texts)\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    termalo::Application app(argc, argv);
    termalo::ScopedRecordingDialogs dialogs;
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 10;
    const bool distinct = argc > 2 && std::string(argv[2]) == "distinct";
    termalo::startUp();
    termalo::showForm(QStringLiteral("Form1"));
    termalo::showForm(QStringLiteral("Form2"));
    settle();

    // Paste and delete 1 MB fifty times in one field.
    termalo::TextField* edit = field(termalo::core::inputFields()[0]);
    const double before = statusMb("VmRSS:");
    double afterTen = 0;
    for (int round = 0; round < 50; ++round) {
        pasteOver(edit, QString(1 << 20, QLatin1Char('a' + round % 26)));
        settle();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        settle();
        if (round == 9)
            afterTen = statusMb("VmRSS:");
    }
    const double afterFifty = statusMb("VmRSS:");
    std::printf("Paste and delete 1 MB: resident set %.0f MB before, +%.0f MB after 10 rounds, +%.0f MB after 50\n",
                before, afterTen - before, afterFifty - before);

    // Every field filled with the huge text, as pasted.
    const qsizetype size = qsizetype(megabytes) * 1024 * 1024;
    termalo::showForm(QStringLiteral("Form3"));
    settle();
    double fill = 0;
    int index = 0;
    const QString same = distinct ? QString() : QString(size, QLatin1Char('7'));
    for (const termalo::core::InputField& f : termalo::core::inputFields()) {
        termalo::TextField* e = field(f);
        // A distinct text is made before the clock starts, as another program would.
        const QString huge = distinct ? QString(size, QLatin1Char(char('0' + index % 10))) : same;
        ++index;
        termalo::showForm(e->window());
        fill += milliseconds([&] {
            pasteOver(e, huge);
            settle();
        });
    }
    std::printf("%d MB in each of the 20 fields (%s): pasting took %.0f ms in all; resident set %.0f MB\n",
                megabytes, distinct ? "a text of its own" : "the same clipboard", fill, statusMb("VmRSS:"));
    QWidget* form2 = termalo::WindowRegistry::find(QStringLiteral("Form2"));
    QWidget* form3 = termalo::WindowRegistry::find(QStringLiteral("Form3"));
    std::printf("  repaint of the basic information screen: %.0f ms, of the stays screen: %.0f ms\n",
                milliseconds([&] { (void)form2->grab(); }), milliseconds([&] { (void)form3->grab(); }));
    termalo::TextField* last = field(termalo::core::inputFields().back());
    const double typing = milliseconds([&] {
        QTest::keyClick(last, Qt::Key_End);
        QTest::keyClick(last, Qt::Key_5);
        QTest::keyClick(last, Qt::Key_Backspace);
        QTest::keyClick(last, Qt::Key_Home);
        (void)form3->grab();
    });
    std::printf("  End, a digit, Backspace, Home and a repaint in a full field: %.0f ms\n", typing);
    typingAfterASelection(last);

    QWidget* form4 = termalo::WindowRegistry::find(QStringLiteral("Form4"));
    const double show4 = milliseconds([&] {
        termalo::showForm(form4);
        settle();
    });
    const double activate4 =
        milliseconds([&] { QMetaObject::invokeMethod(form4, "FormActivate", Qt::DirectConnection); });
    const double paint4 = milliseconds([&] { (void)form4->grab(); });
    std::printf("Indicator screen: first show with activation %.0f ms, activation %.0f ms, repaint %.0f ms\n", show4,
                activate4, paint4);
    for (const auto& call : dialogs.fake.calls)
        std::printf("  message: %s\n", qPrintable(call.text));
    if (auto* name = form4->findChild<QLabel*>(QStringLiteral("Label80")))
        std::printf("  sanatorium name shown: %lld characters\n", static_cast<long long>(name->text().size()));

    QWidget* form5 = termalo::WindowRegistry::find(QStringLiteral("Form5"));
    const double show5 = milliseconds([&] {
        termalo::showForm(form5);
        settle();
    });
    const double activate5 =
        milliseconds([&] { QMetaObject::invokeMethod(form5, "FormActivate", Qt::DirectConnection); });
    const double paint5 = milliseconds([&] { (void)form5->grab(); });
    std::printf("Report: first show with activation %.0f ms, activation %.0f ms, repaint %.0f ms\n", show5, activate5,
                paint5);

    // The numbers and the period of the worked example typed over the huge
    // texts: the indicators are computed and the header shows the beginning of
    // the huge name, town, address and company.
    using termalo::core::InputTexts;
    const InputTexts example = termalo::testing::workedExample();
    for (const termalo::core::InputField& f : termalo::core::inputFields()) {
        if (!f.textOnly || f.text == &InputTexts::monthName || f.text == &InputTexts::yearText)
            pasteOver(field(f), QString::fromStdString(example.*f.text));
    }
    dialogs.fake.calls.clear();
    const double computed = milliseconds([&] {
        QMetaObject::invokeMethod(form4, "FormActivate", Qt::DirectConnection);
        (void)form4->grab();
    });
    std::printf("With the example's numbers: activation and repaint of the indicator screen %.0f ms, %lld messages\n",
                computed, static_cast<long long>(dialogs.fake.calls.size()));
    if (auto* name = form4->findChild<QLabel*>(QStringLiteral("Label80")))
        std::printf("  sanatorium name shown: %lld characters, ending in \"%s\"\n",
                    static_cast<long long>(name->text().size()), qPrintable(name->text().right(3)));
    const double report = milliseconds([&] {
        QMetaObject::invokeMethod(form5, "FormActivate", Qt::DirectConnection);
        (void)form5->grab();
    });
    std::printf("  activation and repaint of the report %.0f ms\n", report);
    std::printf("Goals: each activation under 1000 ms, each repaint under 100 ms\n");
    std::printf("Peak resident set: %.0f MB (goal: under 500 MB)\n", statusMb("VmHWM:"));
    termalo::shutDown();
    return 0;
}
