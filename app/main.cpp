#include "shell/application.h"
#include "shell/platform.h"
#include "shell/startup.h"

int main(int argc, char** argv)
{
    termalo::platform::showFatalMessagesToUser();
    termalo::Application app(argc, argv);
    return termalo::runProgram();
}
