// main() of the UI tests: the program's own application object around GoogleTest.
#include "shell/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    termalo::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
