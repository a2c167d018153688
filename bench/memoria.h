#pragma once
// Peak resident memory of one measured step above what the process held
// before it, read from /proc/self (Linux).
#include <fstream>
#include <malloc.h>
#include <string>

namespace bench {

// A field of /proc/self/status in kB, -1 when it is missing.
inline long statusKb(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

// Starts a measurement: freed memory goes back to the system and the peak is
// reset to the current size, which is returned as the baseline (kB).
inline long inizioPicco()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    return statusKb("VmRSS");
}

// The peak since inizioPicco above its baseline, in kB.
inline long piccoSopra(long baseline) { return statusKb("VmHWM") - baseline; }

} // namespace bench
