// Test main for the logic tests. The same program doubles as a worker process for tests that
// need a second real process (the concurrent append test starts two of them).
#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/workers.h"

int main(int argc, char** argv) {
    custovia::test::rememberSelf(argv[0]);
    if (argc >= 2 && std::strcmp(argv[1], "--worker") == 0)
        return custovia::test::runWorker(argc - 2, argv + 2);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
