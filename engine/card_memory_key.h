// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <string_view>

// Which memory a card is: a 64-bit hash of the cue as shown and the answer to type. The
// texts alone decide it, so the same card in two files is one memory, and it stays the
// same when the files move or are renamed. The order is the direction: a reversed load
// shows the answer as the cue, which is another card (and a card written the other way
// round in a second file is the same question and answer, so the same memory).
//
// A hash rather than the texts themselves keeps the key a fixed 8 bytes for the history
// and for lookups over half a million loaded cards; 64 bits make a clash between two of a
// million cards about a 1 in 40 million chance. The value is stored, so it must never
// change: FNV-1a taking 16-bit units rather than bytes (twice as fast on our UTF-16
// texts), over the cue's length in UTF-16 units (one 32-bit step),
// then every UTF-16 unit of the cue and of the answer.
class cCardMemoryKey {
public:
    cCardMemoryKey() = default;
    cCardMemoryKey(std::u16string_view cue, std::u16string_view answer);
    explicit cCardMemoryKey(uint64_t value) : m_value(value) {}

    uint64_t GetValue() const { return m_value; }

    friend bool operator==(cCardMemoryKey, cCardMemoryKey) = default;

private:
    uint64_t m_value = 0;
};
