// The program's windows in creation order. Windows join this list as they are built.
#include "shell/startup.h"
#include "entry/tform2.h"
#include "entry/tform3.h"
#include "help/tform6.h"
#include "results/tform4.h"
#include "results/tform5.h"
#include "shell/tform1.h"

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
    });
}

}  // namespace termalo

namespace termalo {

int runProgram()
{
    return runProgramUsing(startUp);
}

}  // namespace termalo
