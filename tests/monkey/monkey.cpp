// The monkey run: from a fixed seed, random clicks, keys, typed and pasted texts
// (Polish letters, emoji, control characters, odd numbers, now and then 1 MB)
// to random visible controls of every window that startUp() creates; windows
// shown, activated and closed at random. Every dialog is answered through the
// dialogs port. A watchdog thread fails the run when one step of the event
// loop takes longer than two seconds; an unexpected error box fails it at the end.
//     monkey [--seconds N] [--seed N]
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/registry.h"
#include "shell/startup.h"
#include "shell/text_field.h"
#include "tests/support/recording_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kStallLimit{2000};

std::atomic<Clock::rep> heartbeat{0};
std::atomic<bool> finished{false};
// What the monkey is doing, for the watchdog's report.
std::atomic<const char*> doing{"start"};

std::atomic<Clock::rep> longestStall{0};

// The event loop is alive: records the time since the last beat.
void beat()
{
    const Clock::rep now = Clock::now().time_since_epoch().count();
    const Clock::rep last = heartbeat.exchange(now);
    if (last != 0 && now - last > longestStall)
        longestStall = now - last;
}

void watchdog()
{
    while (!finished) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const auto last = Clock::time_point(Clock::duration(heartbeat.load()));
        if (Clock::now() - last > kStallLimit) {
            std::fprintf(stderr, "monkey: the event loop stalled for more than 2 s while: %s\n", doing.load());
            std::_Exit(2);
        }
    }
}

class Monkey {
public:
    explicit Monkey(quint32 seed) : random_(seed) {}

    void step()
    {
        const int choice = int(random_.bounded(100));
        if (choice < 30)
            clickButton();
        else if (choice < 50)
            pressKey();
        else if (choice < 70)
            typeText();
        else if (choice < 78)
            showWindow();
        else if (choice < 84)
            closeWindow();
        else if (choice < 88)
            activateWindow();
        else if (choice < 91)
            keepMonth();
        else
            clickAnywhere();
        beat();
        doing = "processing events";
        QApplication::processEvents();
        if (random_.bounded(10) == 0) {
            doing = "letting timers run";
            QTest::qWait(int(random_.bounded(30)));
        }
    }

private:
    template <class T>
    T* pick(const QList<T*>& items)
    {
        return items.isEmpty() ? nullptr : items.at(int(random_.bounded(quint32(items.size()))));
    }

    QList<QWidget*> visibleWindows()
    {
        QList<QWidget*> visible;
        for (QWidget* w : termalo::WindowRegistry::windows()) {
            if (w->isVisible())
                visible << w;
        }
        return visible;
    }

    template <class T>
    QList<T*> visibleControls()
    {
        QList<T*> controls;
        for (QWidget* w : visibleWindows()) {
            for (T* c : w->findChildren<T*>()) {
                if (c->isVisible() && c->isEnabled())
                    controls << c;
            }
        }
        return controls;
    }

    void clickButton()
    {
        doing = "clicking a button";
        if (auto* button = pick(visibleControls<QAbstractButton>()))
            QTest::mouseClick(button, Qt::LeftButton);
    }

    void clickAnywhere()
    {
        doing = "clicking into a window";
        if (QWidget* w = pick(visibleWindows())) {
            const QPoint at(int(random_.bounded(quint32(std::max(1, w->width())))),
                            int(random_.bounded(quint32(std::max(1, w->height())))));
            QWidget* target = w->childAt(at);
            QTest::mouseClick(target ? target : w, Qt::LeftButton, {},
                              target ? target->mapFrom(w, at) : at);
        }
    }

    void pressKey()
    {
        doing = "pressing a key";
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        static const Key keys[] = {
            {Qt::Key_Tab, {}},           {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Backspace, {}},
            {Qt::Key_Delete, {}},        {Qt::Key_Left, {}},                   {Qt::Key_Right, {}},
            {Qt::Key_Home, {}},          {Qt::Key_End, Qt::ShiftModifier},     {Qt::Key_Return, {}},
            {Qt::Key_Escape, {}},        {Qt::Key_Space, {}},                  {Qt::Key_Up, {}},
            {Qt::Key_Down, {}},          {Qt::Key_Z, Qt::ControlModifier},     {Qt::Key_Y, Qt::ControlModifier},
            {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_S, Qt::AltModifier},    {Qt::Key_D, Qt::AltModifier},
            {Qt::Key_W, Qt::AltModifier}, {Qt::Key_M, Qt::AltModifier},        {Qt::Key_R, Qt::AltModifier},
            {Qt::Key_Z, Qt::AltModifier}, {Qt::Key_O, Qt::AltModifier},        {Qt::Key_A, Qt::AltModifier},
            {Qt::Key_K, Qt::AltModifier}, {Qt::Key_F4, Qt::AltModifier},
        };
        QWidget* window = QApplication::activeWindow();
        if (!window || !termalo::WindowRegistry::isRegistered(window))
            window = pick(visibleWindows());
        if (!window)
            return;
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        const Key& k = keys[random_.bounded(quint32(std::size(keys)))];
        QTest::keyClick(target, k.key, k.modifiers);
    }

    QString someText()
    {
        static const char* const texts[] = {
            "Zażółć gęślą jaźń", "ŹDŹBŁO", "😀🏥🇵🇱", "\t\x01\x7f\xc2\x85", "1e308", "-0", "99999999999999999999",
            ",", "1 000", "20", "1500", "0", "-1", "3,99", "2,5E3", "1e-400", "Luty", "Kwiecień", "2004",
            "Wybierz miesiąc", "   ", "\xe2\x80\xae" "abc", "1\xc2\xa0" "000,5",
        };
        if (random_.bounded(150) == 0)
            return QString(1 << 20, QChar(u'0' + int(random_.bounded(10))));
        return QString::fromUtf8(texts[random_.bounded(quint32(std::size(texts)))]);
    }

    void typeText()
    {
        QList<termalo::TextField*> edits = visibleControls<termalo::TextField>();
        termalo::TextField* edit = pick(edits);
        if (!edit)
            return;
        const QString text = someText();
        if (text.size() > 64 || random_.bounded(2) == 0) {
            doing = text.size() > 64 ? "pasting 1 MB" : "pasting a text";
            QApplication::clipboard()->setText(text);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            doing = "typing a text";
            // One key event per character, carrying its text (any character,
            // not only the ones on a keyboard's keys).
            for (qsizetype i = 0; i < text.size();) {
                const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
                const QString character = text.mid(i, n);
                i += n;
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
                QApplication::sendEvent(edit, &press);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
                QApplication::sendEvent(edit, &release);
                beat();  // each key is an event of its own
            }
        }
    }

    // Saves, opens or compares months through a window's menu, in a scratch
    // folder holding the months saved so far and a file that is no month.
    void keepMonth()
    {
        doing = "saving, opening or comparing months";
        QList<QAction*> actions;
        for (QWidget* w : visibleWindows()) {
            for (QAction* action : w->actions()) {
                if (action->text().contains(QStringLiteral("miesi")))
                    actions << action;
            }
        }
        QAction* action = pick(actions);
        if (!action)
            return;
        const QDir dir(monthFolder);
        dialogs_->saveFile = dir.filePath(QStringLiteral("month%1").arg(random_.bounded(4)));
        QStringList files;
        for (const QString& name : dir.entryList(QDir::Files)) {
            if (random_.bounded(2) == 0)
                files << dir.filePath(name);
        }
        dialogs_->openFiles = files;
        dialogs_->answerYes = random_.bounded(2) == 0;
        action->trigger();
    }

    void showWindow()
    {
        doing = "showing a window";
        termalo::showForm(pick(termalo::WindowRegistry::windows()));
    }

    void closeWindow()
    {
        doing = "closing a window";
        QWidget* w = pick(visibleWindows());
        if (!w)
            return;
        dialogs_->answerYes = random_.bounded(2) == 0;
        termalo::closeForm(w);
        // The main window closed after a Yes: the program would end here; the
        // monkey brings it back and goes on.
        if (QWidget* main = termalo::WindowRegistry::windows().value(0); main && !main->isVisible())
            termalo::showForm(main);
    }

    void activateWindow()
    {
        doing = "activating a window";
        if (QWidget* w = pick(visibleWindows())) {
            w->activateWindow();
            QT_WARNING_PUSH
            QT_WARNING_DISABLE_DEPRECATED
            QApplication::setActiveWindow(w);
            QT_WARNING_POP
        }
    }

public:
    termalo::RecordingDialogs* dialogs_ = nullptr;
    QString monthFolder;

private:
    QRandomGenerator random_;
};

}  // namespace

int main(int argc, char** argv)
{
    int seconds = 60;
    quint32 seed = 20261207;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = quint32(std::strtoul(argv[i + 1], nullptr, 10));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    termalo::Application app(argc, argv);
    termalo::setStrictControlLookup(true);
    termalo::ScopedRecordingDialogs dialogs;
    int ends = 0;
    termalo::setEndProgramHandler([&ends] { ++ends; });

    beat();
    std::thread dog(watchdog);
    termalo::startUp();
    termalo::showForm(QStringLiteral("Form1"));

    Monkey monkey(seed);
    monkey.dialogs_ = &dialogs.fake;
    QTemporaryDir months;
    monkey.monthFolder = months.path();
    {
        QFile notAMonth(QDir(months.path()).filePath(QStringLiteral("notes.txt")));
        if (notAMonth.open(QIODevice::WriteOnly))
            notAMonth.write("not a month");
    }
    QElapsedTimer total;
    total.start();
    long steps = 0;
    while (total.elapsed() < qint64(seconds) * 1000) {
        beat();
        monkey.step();
        ++steps;
    }
    beat();
    termalo::shutDown();
    finished = true;
    dog.join();

    // The error boxes the program shows by design: a chart window opened
    // before its values were computed, the file that is no month opened, a
    // month whose megabyte texts do not fit a month file. Any other is a fault.
    static const QRegularExpression expected(QStringLiteral(
        "^('.*' is not a valid integer value|Nie można otworzyć miesiąca z pliku „.*notes\\.txt”: .*|"
        "Miesiąc nie został zapisany: .*)\\.?$"));
    int errorBoxes = 0;
    int expectedBoxes = 0;
    for (const termalo::RecordingDialogs::Call& call : dialogs.fake.calls) {
        if (call.kind != QLatin1String("message") || call.icon != termalo::Dialogs::Icon::Stop)
            continue;
        if (expected.match(call.text).hasMatch()) {
            ++expectedBoxes;
            continue;
        }
        ++errorBoxes;
        std::fprintf(stderr, "monkey: error box: %s\n", qPrintable(call.text));
    }
    const auto longest = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::duration(longestStall.load()));
    std::printf("monkey: seed %u, %d s, %ld events, longest stall %lld ms, %lld dialogs answered, "
                "%d program ends asked, %d chart value errors, %d unexpected error boxes\n",
                seed, seconds, steps, static_cast<long long>(longest.count()),
                static_cast<long long>(dialogs.fake.calls.size()), ends, expectedBoxes, errorBoxes);
    return errorBoxes == 0 ? 0 : 1;
}
