#include "shell/application.h"
#include "shell/startup.h"

int main(int argc, char** argv)
{
    termalo::Application app(argc, argv);
    return termalo::runProgram();
}
