// SPDX-License-Identifier: MIT
#pragma once
// The resident memory of this process, as the kernel reports it.
#include <fstream>
#include <string>

// Kibibytes of a line of /proc/self/status ("VmRSS:", "VmHWM:"), or -1.
inline long selfStatusKib(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string name, rest;
    long value = 0;
    while (status >> name) {
        if (name == key && status >> value) return value;
        std::getline(status, rest);
    }
    return -1;
}
