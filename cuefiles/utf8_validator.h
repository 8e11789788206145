// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The index of the first byte at or after from that is not plain ASCII (0x80 and above, or
// the end mark 0x1A); bytes.size() when there is none. Skips eight bytes at a time.
size_t SkipPlainAscii(std::span<const unsigned char> bytes, size_t from);

// Checks 8-bit data for well-formed UTF-8, fed in pieces of any size. The data ends at a
// byte 0x1A, as 8-bit text does; the check stops at the first ill-formed sequence.
class cUtf8Validator {
public:
    cUtf8Validator() = default;
    virtual ~cUtf8Validator() = default;

    void Feed(std::span<const unsigned char> bytes);
    // Says the data is over: a sequence still open is ill-formed.
    void Finish();

    // True once nothing further can change the verdict (ill-formed, or 0x1A met).
    bool IsDone() const { return m_invalid || m_ended; }
    bool IsValid() const { return !m_invalid; }
    bool HasMultiByte() const { return m_multiByte; }

private:
    void FeedByte(unsigned char byte);
    void FeedContinuation(unsigned char byte);
    void FeedLead(unsigned char byte);

    int m_remaining = 0;
    unsigned char m_low = 0x80;
    unsigned char m_high = 0xBF;
    bool m_multiByte = false;
    bool m_invalid = false;
    bool m_ended = false;
};
