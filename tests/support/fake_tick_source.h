// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include "platform/tick_source.h"

// A tick count that moves only when the test says so.
class cFakeTickSource : public cTickSource {
public:
    explicit cFakeTickSource(uint32_t start = 5000) : m_now(start) {}
    uint32_t GetTickCount() const override { return m_now; }
    // The wall clock moves with the ticks, from noon UTC on 2026-12-08, in a zone at UTC.
    int64_t GetUtcMs() const override { return kStartUtcMs + m_now + m_days * 86'400'000LL; }
    int64_t GetLocalMs() const override { return GetUtcMs(); }
    void AdvanceDays(int days) { m_days += days; }
    void Set(uint32_t now) { m_now = now; }
    void Advance(uint32_t ms) { m_now += ms; }

private:
    static constexpr int64_t kStartUtcMs = 1'796'731'200'000LL;
    uint32_t m_now;
    int m_days = 0;
};
