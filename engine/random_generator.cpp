// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/random_generator.h"

cRandomGenerator::cRandomGenerator(uint32_t seed) : m_state(seed) {}

cRandomGenerator::~cRandomGenerator() = default;

uint32_t cRandomGenerator::Next() {
    m_state = m_state * 214013u + 2531011u;
    return (m_state >> 16) & kMax;
}

uint32_t cRandomGenerator::NextBelow(uint32_t count) {
    const bool wide = count > kMax + 1;
    const uint32_t range = wide ? (kMax + 1) * (kMax + 1) : kMax + 1;  // 2^30 or 2^15
    // Values from the incomplete last round of count are drawn again, or the entries at
    // the front would be chosen more often than the others.
    const uint32_t limit = range - range % count;
    for (;;) {
        uint32_t value = Next();
        if (wide) {
            value = value * (kMax + 1) + Next();  // 30 random bits
        }
        if (value < limit) {
            return value % count;
        }
    }
}
