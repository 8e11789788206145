// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/card_memory_key.h"

namespace {

constexpr uint64_t kOffsetBasis = 0xcbf29ce484222325;
constexpr uint64_t kPrime = 0x100000001b3;

uint64_t AddByte(uint64_t hash, uint32_t byte) {
    return (hash ^ (byte & 0xFF)) * kPrime;
}

uint64_t AddText(uint64_t hash, std::u16string_view text) {
    for (const char16_t unit : text) {
        hash = AddByte(hash, unit);
        hash = AddByte(hash, unit >> 8);
    }
    return hash;
}

}  // namespace

cCardMemoryKey::cCardMemoryKey(std::u16string_view cue, std::u16string_view answer) {
    // The length keeps "ab" = "c" apart from "a" = "bc".
    const auto length = static_cast<uint32_t>(cue.size());
    uint64_t hash = kOffsetBasis;
    for (int shift = 0; shift < 32; shift += 8) {
        hash = AddByte(hash, length >> shift);
    }
    m_value = AddText(AddText(hash, cue), answer);
}
