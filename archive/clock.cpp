#include "archive/clock.h"

#include <chrono>
#include <ctime>

namespace custovia {

DateTime SystemClock::now() const {
    return localDateTime(std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()));
}

DateTime localDateTime(std::time_t t) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::chrono::system_clock::time_point toTimePoint(const DateTime& local) {
    std::tm t{};
    t.tm_year = local.year - 1900;
    t.tm_mon = local.month - 1;
    t.tm_mday = local.day;
    t.tm_hour = local.hour;
    t.tm_min = local.minute;
    t.tm_sec = local.second;
    t.tm_isdst = -1;  // summer time as the date has it
    return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

std::string twoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

std::string formatDate(const DateTime& t) {
    std::string year = std::to_string(t.year);
    while (year.size() < 4) year = "0" + year;
    return twoDigits(t.day) + "/" + twoDigits(t.month) + "/" + year;
}

std::string formatLongTime(const DateTime& t) {
    return twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

std::string printedAtText(const DateTime& t) {
    return "Stampa eseguita in data " + formatDate(t) + " alle ore " + formatLongTime(t);
}

}  // namespace custovia
