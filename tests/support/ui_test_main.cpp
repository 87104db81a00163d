// main() of the UI tests: the program's own application object around GoogleTest.
#include "shell/application.h"
#include "shell/controls.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    termalo::Application app(argc, argv);
    // A control missing from a window or a table is a fault the tests must see.
    termalo::setStrictControlLookup(true);
    return RUN_ALL_TESTS();
}
