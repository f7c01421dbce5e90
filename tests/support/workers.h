#pragma once
// Worker processes the logic tests start through their own executable ("--worker NAME ...").
#include <string>
#include <vector>

namespace custovia::test {
int runWorker(int argc, char** argv);
// Remembers how this test program was started, to start it again as a worker.
void rememberSelf(const char* argv0);
// Runs this test program as the worker `name` with the arguments (no quotes in them) and
// returns its exit status, 0 for success.
int runWorkerProcess(const std::string& name, const std::vector<std::string>& args);
}  // namespace custovia::test
