// The program's windows in creation order. Windows join this list as they are built.
#include "shell/startup.h"
#include "shell/tform1.h"

namespace termalo {

void startUp()
{
    startUpWith({
        [] { return new TForm1; },
    });
}

}  // namespace termalo
