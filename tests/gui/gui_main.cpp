#include "gui_harness.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return gui_test::run_with_app(argc, argv, [] { return RUN_ALL_TESTS(); });
}
