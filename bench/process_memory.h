// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <fstream>
#include <string>

// Resident memory of this process in MiB, read from /proc/self/status ("VmRSS" now,
// "VmHWM" at its peak).
inline double ReadProcessMemoryMiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stod(line.substr(field.size() + 1)) / 1024.0;  // value in kB
        }
    }
    return 0.0;
}
