// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include "platform/tick_source.h"

// A tick count that moves only when the test says so.
class cFakeTickSource : public cTickSource {
public:
    explicit cFakeTickSource(uint32_t start = 5000) : m_now(start) {}
    uint32_t GetTickCount() const override { return m_now; }
    void Set(uint32_t now) { m_now = now; }
    void Advance(uint32_t ms) { m_now += ms; }

private:
    uint32_t m_now;
};
