// What the stand-alone measuring programs share (header only, no Qt, so the
// X watcher can use it too): the median of a set of timings, and one field
// of a process's /proc status file.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

// The middle value (the mean of the two middle ones for an even count); 0
// when there are none.
inline double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The number after `field` ("VmRSS:", "voluntary_ctxt_switches:") in a
// status file ("/proc/self/status", "/proc/PID/task/TID/status"); -1 when the
// file or the field is missing.
inline long long StatusField(const std::string& statusFile, const std::string& field)
{
    std::ifstream status(statusFile);
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::strtoll(line.c_str() + field.size(), nullptr, 10);
    return -1;
}

}  // namespace bench
