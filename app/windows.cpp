// The program's windows in creation order. Windows join this list as they are built.
#include "shell/startup.h"
#include "entry/tform2.h"
#include "entry/tform3.h"
#include "help/methodology_windows.h"
#include "help/tform15.h"
#include "help/tform6.h"
#include "results/chart_window.h"
#include "results/month_actions.h"
#include "results/tform4.h"
#include "results/tform5.h"
#include "shell/application.h"
#include "shell/month_files.h"
#include "shell/tform1.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>

namespace termalo {

void startUp()
{
    startUpWith({
        [] { return new TForm1; },
        [] { return new TForm2; },
        [] { return new TForm3; },
        [] { return new TForm4; },
        [] { return new TForm5; },
        [] { return new TForm6; },
        // The chart windows.
        [] { return new TForm7; },
        [] { return new TForm8; },
        [] { return new TForm9; },
        [] { return new TForm10; },
        [] { return new TForm11; },
        [] { return new TForm12; },
        [] { return new TForm13; },
        [] { return new TForm14; },
        // The methodology browser: the menu and its pages (there is no Form22).
        [] { return new TForm15; },
        [] { return new TForm16; },
        [] { return new TForm17; },
        [] { return new TForm18; },
        [] { return new TForm19; },
        [] { return new TForm20; },
        [] { return new TForm21; },
        [] { return new TForm23; },
        [] { return new TForm24; },
        [] { return new TForm25; },
        [] { return new TForm26; },
        [] { return new TForm27; },
        [] { return new TForm28; },
        [] { return new TForm29; },
        [] { return new TForm30; },
        [] { return new TForm31; },
        [] { return new TForm32; },
        [] { return new TForm33; },
    });
    offerMonthActions();
}

}  // namespace termalo

namespace termalo {

int runProgram()
{
    // `termalo FILE.termalo`: the month is opened once the main window is up.
    const QStringList arguments = QCoreApplication::arguments();
    const QString file = arguments.size() > 1 ? arguments.at(1) : QString();
    return runProgramUsing([file] {
        startUp();
        if (!file.isEmpty())
            QTimer::singleShot(0, [file] { runGuarded([&file] { openMonthFile(file); }); });
    });
}

}  // namespace termalo
