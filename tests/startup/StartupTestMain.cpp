#include <gtest/gtest.h>

#include <cstdlib>

// The program under test creates its own application object, in a child
// process per test; this process has none.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
