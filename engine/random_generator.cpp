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
    uint32_t value = Next();
    if (count > kMax + 1) {
        value = value * (kMax + 1) + Next();  // 30 random bits
    }
    return value % count;
}
