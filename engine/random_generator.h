// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>

// A small linear congruential generator of integers 0 to 32767. Each teacher owns one,
// so draws do not depend on anything else in the process.
class cRandomGenerator {
public:
    static constexpr uint32_t kMax = 32767;

    explicit cRandomGenerator(uint32_t seed = 1);
    virtual ~cRandomGenerator();

    uint32_t Next();  // 0 to kMax

    // A value 0 to count - 1 for count >= 1 (up to 2^30), each equally likely. Counts
    // beyond kMax + 1 combine two draws, so every entry of a long list can be chosen.
    uint32_t NextBelow(uint32_t count);

private:
    uint32_t m_state;
};
