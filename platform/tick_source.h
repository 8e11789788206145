// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>

// The system tick count: milliseconds as an unsigned 32-bit number that wraps modulo
// 2^32. Behind an interface so tests can drive time exactly.
class cTickSource {
public:
    virtual ~cTickSource();
    virtual uint32_t GetTickCount() const = 0;
    // The wall clock in ms since 1970: in UTC, and as the user's local clock shows it.
    virtual int64_t GetUtcMs() const = 0;
    virtual int64_t GetLocalMs() const = 0;
};

// A steady clock in milliseconds, truncated to 32 bits.
class cSystemTickSource : public cTickSource {
public:
    uint32_t GetTickCount() const override;
    int64_t GetUtcMs() const override;
    int64_t GetLocalMs() const override;
};
