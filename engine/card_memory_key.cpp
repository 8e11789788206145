// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/card_memory_key.h"

namespace {

constexpr uint64_t kOffsetBasis = 0xcbf29ce484222325;
constexpr uint64_t kPrime = 0x100000001b3;

uint64_t Add(uint64_t hash, uint32_t unit) {
    return (hash ^ unit) * kPrime;
}

}  // namespace

cCardMemoryKey::cCardMemoryKey(std::u16string_view cue, std::u16string_view answer) {
    // The length keeps "ab" = "c" apart from "a" = "bc".
    uint64_t hash = Add(kOffsetBasis, static_cast<uint32_t>(cue.size()));
    for (const char16_t unit : cue) {
        hash = Add(hash, unit);
    }
    for (const char16_t unit : answer) {
        hash = Add(hash, unit);
    }
    m_value = hash;
}
