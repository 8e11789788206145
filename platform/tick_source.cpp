// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/tick_source.h"

#include <chrono>

cTickSource::~cTickSource() = default;

uint32_t cSystemTickSource::GetTickCount() const {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
    return static_cast<uint32_t>(ms);  // wraps modulo 2^32 by design
}
