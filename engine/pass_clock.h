// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <string>

class cTickSource;

// The time of a pass, in milliseconds of the tick count (modulo 2^32 across its wrap): not
// started, running, or finished with its time frozen. Ignore penalties move the start back.
class cPassClock {
public:
    explicit cPassClock(const cTickSource& ticks) : m_ticks(ticks) {}
    virtual ~cPassClock() = default;

    // Starts the clock unless it has started already.
    void Start();
    // Freezes the time reached; the pass counts as finished even at 0 ms.
    void Finish();
    // Back to not started and not finished.
    void Reset();
    // Goes on counting from the time reached (a finished pass from its frozen time).
    void Resume();
    // Adds ms to the time of a started pass; a clock not started takes no penalty.
    void AddPenalty(uint32_t ms);

    uint32_t GetElapsedMs() const;
    bool IsStarted() const { return m_startTick != 0; }
    bool IsFinished() const { return m_finished; }
    // True while the time counts on: started and not yet finished.
    bool IsRunning() const { return IsStarted() && !m_finished; }

    // "mm : ss", or the empty string for 0.
    static std::u16string Format(uint32_t ms);

private:
    // A started clock never holds tick 0, which means "not started".
    void SetStartTick(uint32_t tick);

    const cTickSource& m_ticks;
    uint32_t m_startTick = 0;   // 0: not started
    uint32_t m_frozenTime = 0;  // the time of a finished pass
    bool m_finished = false;
};
