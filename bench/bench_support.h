#pragma once
// What every benchmark file shares: the best of several timed runs, the report line and the
// raw read of a file that each area's ratios divide by.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

namespace custovia::bench {

// Runs per figure (BENCH_REPEATS).
int repeats();
// The best of several runs of work, in seconds: the least disturbed by the rest of the machine.
double bestSeconds(const std::function<void()>& work);
// Prints "bench: NAME SECONDS xRATIO", RATIO being seconds over raw.
void report(const std::string& name, double seconds, double raw);
// Reads a whole file in large blocks; returns a value derived from the bytes so the read
// cannot be left out.
std::size_t rawRead(const std::filesystem::path& file);

// A work area's figures: each runs over files it generates inside folder.
using AreaBench = void (*)(const std::filesystem::path& folder);
// Registers an area's figures from a static object in its own file:
//   static const bool registered = custovia::bench::addArea("clients", &runClientBench);
bool addArea(const char* name, AreaBench run);

}  // namespace custovia::bench
