// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/tick_source.h"

#include <chrono>
#include <ctime>

cTickSource::~cTickSource() = default;

uint32_t cSystemTickSource::GetTickCount() const {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
    return static_cast<uint32_t>(ms);  // wraps modulo 2^32 by design
}

int64_t cSystemTickSource::GetUtcMs() const {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
}

int64_t cSystemTickSource::GetLocalMs() const {
    const int64_t utcMs = GetUtcMs();
    const std::time_t now = static_cast<std::time_t>(utcMs / 1000);
    std::tm local{};
    localtime_r(&now, &local);
    return utcMs + static_cast<int64_t>(local.tm_gmtoff) * 1000;  // summer time included
}
