// Test runner: GoogleTest on the GUI thread of a Windows process.
#include <gtest/gtest.h>

#include "tests/support.h"

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    printf("Platform %d (%s mode), ANSI code page %u\n", GetOSPlatform(), rzt::Win95Mode() ? "Windows 95" : "NT",
           GetACP());
    return RUN_ALL_TESTS();
}
