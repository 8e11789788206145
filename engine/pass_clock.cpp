// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/pass_clock.h"

#include <cstdio>

#include "platform/tick_source.h"

void cPassClock::SetStartTick(uint32_t tick) {
    // Tick 0 would read as "not started"; one millisecond earlier is as good.
    m_startTick = tick != 0 ? tick : UINT32_MAX;
}

void cPassClock::Start() {
    if (m_startTick == 0) {
        SetStartTick(m_ticks.GetTickCount());
    }
}

void cPassClock::Finish() {
    m_frozenTime = GetElapsedMs();
    m_finished = true;
}

void cPassClock::Reset() {
    m_startTick = 0;
    m_frozenTime = 0;
    m_finished = false;
}

void cPassClock::Resume() {
    const uint32_t reached = GetElapsedMs();
    SetStartTick(m_ticks.GetTickCount() - reached);
    m_frozenTime = 0;
    m_finished = false;
}

void cPassClock::AddPenalty(uint32_t ms) {
    if (m_startTick != 0) {
        SetStartTick(m_startTick - ms);
    }
}

uint32_t cPassClock::GetElapsedMs() const {
    if (m_finished) {
        return m_frozenTime;
    }
    if (m_startTick != 0) {
        return m_ticks.GetTickCount() - m_startTick;  // modulo 2^32 across the wrap
    }
    return 0;
}

std::u16string cPassClock::Format(uint32_t ms) {
    if (ms == 0) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof text, "%02u : %02u", ms / 60000, (ms / 1000) % 60);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}
