#pragma once
// Today and now. Only SystemClock reads the system clock; tests hand in a fixed one.
#include <chrono>
#include <ctime>
#include <string>

namespace custovia {

struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime at) : at_(at) {}
    DateTime now() const override { return at_; }
    void set(DateTime at) { at_ = at; }

private:
    DateTime at_;
};

// The local date and time of a moment of the system's clock (a file's time, say).
DateTime localDateTime(std::time_t t);
// The moment a local date and time names, to compare with the times files were written.
std::chrono::system_clock::time_point toTimePoint(const DateTime& local);

std::string twoDigits(int n);
std::string formatDate(const DateTime& t);      // dd/mm/yyyy
std::string formatLongTime(const DateTime& t);  // hh:mm:ss

// The closing line of every printed card and list.
std::string printedAtText(const DateTime& t);

}  // namespace custovia
