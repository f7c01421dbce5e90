#pragma once
// Worker processes the logic tests start through their own executable ("--worker NAME ...").
namespace custovia::test {
int runWorker(int argc, char** argv);
}
