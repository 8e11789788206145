// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cuefiles/utf8_validator.h"

#include <cstring>

#include "text/text_marks.h"
#include "text/unicode.h"

namespace {

constexpr uint64_t kEveryByte = 0x0101010101010101u;
constexpr uint64_t kHighBits = 0x8080808080808080u;

bool HasZeroByte(uint64_t word) {
    return ((word - kEveryByte) & ~word & kHighBits) != 0;
}

}  // namespace

size_t SkipPlainAscii(std::span<const unsigned char> bytes, size_t from) {
    size_t i = from;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if ((word & kHighBits) != 0 || HasZeroByte(word ^ (kEveryByte * kEndOfText))) {
            break;
        }
    }
    while (i < bytes.size() && bytes[i] < 0x80 && bytes[i] != kEndOfText) {
        ++i;
    }
    return i;
}

void cUtf8Validator::Feed(std::span<const unsigned char> bytes) {
    size_t i = 0;
    while (i < bytes.size() && !IsDone()) {
        if (m_remaining == 0) {
            i = SkipPlainAscii(bytes, i);
            if (i == bytes.size()) {
                break;
            }
        }
        FeedByte(bytes[i++]);
    }
}

void cUtf8Validator::FeedByte(unsigned char byte) {
    if (m_remaining > 0) {
        FeedContinuation(byte);
    } else if (byte >= 0x80) {
        FeedLead(byte);
    } else if (byte == kEndOfText) {
        m_ended = true;
    }
}

void cUtf8Validator::Finish() {
    if (!m_ended && m_remaining > 0) {
        m_invalid = true;
    }
    m_ended = true;
}

void cUtf8Validator::FeedContinuation(unsigned char byte) {
    if (byte < m_low || byte > m_high) {
        m_invalid = true;
        return;
    }
    --m_remaining;
    m_low = 0x80;
    m_high = 0xBF;
}

void cUtf8Validator::FeedLead(unsigned char byte) {
    sUtf8Lead lead;
    if (!ReadUtf8Lead(byte, lead)) {
        m_invalid = true;
        return;
    }
    m_multiByte = true;
    m_remaining = lead.continuations;
    m_low = lead.firstLow;
    m_high = lead.firstHigh;
}
