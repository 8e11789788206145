// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cuefiles/text_decoder.h"

#include <cstring>

#include "cuefiles/utf8_validator.h"
#include "text/text_marks.h"
#include "text/unicode.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Writes the unit and moves on unless it is U+0000; branch-free for the hot loops.
inline char16_t* PutUnlessNul(char16_t unit, char16_t* out) {
    *out = unit;
    return out + (unit != 0);
}

}  // namespace

cTextDecoder::cTextDecoder(eCueEncoding encoding) : m_encoding(encoding) {}

void cTextDecoder::Reset(eCueEncoding encoding) {
    m_encoding = encoding;
    m_atStart = true;
    m_ended = false;
    m_pendingByte = -1;
    m_remaining = 0;
    m_code = 0;
}

void cTextDecoder::Decode(std::span<const unsigned char> bytes, std::u16string& out) {
    if (m_ended || bytes.empty()) {
        return;
    }
    // One carried-over UTF-8 sequence can give two units for its last byte; otherwise no
    // encoding gives more units than bytes.
    const size_t used = out.size();
    out.resize(used + bytes.size() + 1);
    char16_t* const begin = out.data() + used;
    char16_t* end = begin;
    switch (m_encoding) {
        case eCueEncoding::Utf16Le:
            end = DecodeUtf16<false>(bytes, begin);
            break;
        case eCueEncoding::Utf16Be:
            end = DecodeUtf16<true>(bytes, begin);
            break;
        case eCueEncoding::Utf8:
            end = DecodeUtf8(bytes, begin);
            break;
        case eCueEncoding::Latin1:
            end = DecodeLatin1(bytes, begin);
            break;
    }
    out.resize(used + static_cast<size_t>(end - begin));
}

void cTextDecoder::Finish(std::u16string& out) {
    if (!m_ended && m_remaining > 0) {
        out += kReplacement;
    }
    m_remaining = 0;
    m_pendingByte = -1;
    m_ended = true;
}

char16_t* cTextDecoder::DecodeLatin1(std::span<const unsigned char> bytes, char16_t* out) {
    size_t size = bytes.size();
    if (const void* mark = std::memchr(bytes.data(), kEndOfText, size)) {
        size = static_cast<size_t>(static_cast<const unsigned char*>(mark) - bytes.data());
        m_ended = true;
    }
    for (size_t i = 0; i < size; ++i) {
        out = PutUnlessNul(bytes[i], out);
    }
    return out;
}

template <bool bigEndian>
char16_t* cTextDecoder::DecodeUtf16(std::span<const unsigned char> bytes, char16_t* out) {
    const auto unit = [](unsigned first, unsigned second) {
        return static_cast<char16_t>(bigEndian ? (first << 8) | second : first | (second << 8));
    };
    size_t i = 0;
    if (m_pendingByte >= 0) {
        const char16_t joined = unit(static_cast<unsigned>(m_pendingByte), bytes[0]);
        m_pendingByte = -1;
        out = PutUtf16Unit(joined, out);
        i = 1;
    }
    if (m_atStart && i + 1 < bytes.size()) {
        out = PutUtf16Unit(unit(bytes[i], bytes[i + 1]), out);
        i += 2;
    }
    for (; i + 1 < bytes.size(); i += 2) {
        out = PutUnlessNul(unit(bytes[i], bytes[i + 1]), out);
    }
    if (i < bytes.size()) {
        m_pendingByte = bytes[i];
    }
    return out;
}

char16_t* cTextDecoder::DecodeUtf8(std::span<const unsigned char> bytes, char16_t* out) {
    size_t i = 0;
    while (i < bytes.size()) {
        if (m_remaining == 0) {
            const size_t runEnd = SkipPlainAscii(bytes, i);
            if (runEnd > i) {
                m_atStart = false;
            }
            for (; i < runEnd; ++i) {
                out = PutUnlessNul(bytes[i], out);
            }
            if (i == bytes.size()) {
                break;
            }
            if (bytes[i] == kEndOfText) {
                m_ended = true;
                break;
            }
        }
        if (DecodeUtf8Byte(bytes[i], out)) {
            ++i;
        }
    }
    return out;
}

bool cTextDecoder::DecodeUtf8Byte(unsigned char byte, char16_t*& out) {
    if (m_remaining == 0) {
        sUtf8Lead lead;
        if (!ReadUtf8Lead(byte, lead)) {
            out = PutCodePoint(kReplacement, out);
            return true;
        }
        m_remaining = lead.continuations;
        m_low = lead.firstLow;
        m_high = lead.firstHigh;
        m_code = lead.bits;
        return true;
    }
    if (byte < m_low || byte > m_high) {
        // The broken sequence so far becomes one replacement character.
        m_remaining = 0;
        out = PutCodePoint(kReplacement, out);
        return false;
    }
    m_code = (m_code << 6) | (byte & 0x3Fu);
    m_low = 0x80;
    m_high = 0xBF;
    if (--m_remaining == 0) {
        out = PutCodePoint(m_code, out);
    }
    return true;
}

char16_t* cTextDecoder::PutUtf16Unit(char16_t unit, char16_t* out) {
    if (m_atStart) {
        m_atStart = false;
        if (unit == kByteOrderMark) {
            return out;
        }
    }
    return PutUnlessNul(unit, out);
}

char16_t* cTextDecoder::PutCodePoint(char32_t code, char16_t* out) {
    if (code < 0x10000) {
        return PutUtf16Unit(static_cast<char16_t>(code), out);
    }
    m_atStart = false;
    code -= 0x10000;
    *out++ = static_cast<char16_t>(0xD800 + (code >> 10));
    *out++ = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    return out;
}
