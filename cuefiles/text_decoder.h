// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <span>
#include <string>

#include "cuefiles/cue_file_reader.h"

// Turns the bytes of a cue file into UTF-16 text, fed in pieces of any size: a sequence
// split between two pieces is carried over. A leading byte-order mark is skipped.
//
// U+0000 is dropped in every encoding: a cue text cannot hold it anyway (it would cut the
// text short further on), and dropping it lets a UTF-16 big-endian file without a mark,
// which is read as 8-bit text, keep its ASCII characters.
class cTextDecoder {
public:
    explicit cTextDecoder(eCueEncoding encoding = eCueEncoding::Latin1);
    virtual ~cTextDecoder() = default;

    // Starts afresh for new data in the encoding.
    void Reset(eCueEncoding encoding);

    // Appends the text of the bytes to out. In 8-bit encodings a byte 0x1A ends the data:
    // it and everything after it, also in later pieces, is ignored.
    void Decode(std::span<const unsigned char> bytes, std::u16string& out);
    // Says the data is over: an unfinished UTF-8 sequence becomes U+FFFD, an odd last byte
    // of UTF-16 is ignored.
    void Finish(std::u16string& out);

    bool HasReachedEndMark() const { return m_ended; }

private:
    char16_t* DecodeLatin1(std::span<const unsigned char> bytes, char16_t* out);
    template <bool bigEndian>
    char16_t* DecodeUtf16(std::span<const unsigned char> bytes, char16_t* out);
    char16_t* DecodeUtf8(std::span<const unsigned char> bytes, char16_t* out);
    // Decodes one byte that is not plain ASCII outside a sequence; false when the byte
    // broke the open sequence and has to be looked at again as the start of a new one.
    bool DecodeUtf8Byte(unsigned char byte, char16_t*& out);
    char16_t* PutUtf16Unit(char16_t unit, char16_t* out);
    char16_t* PutCodePoint(char32_t code, char16_t* out);

    eCueEncoding m_encoding;
    bool m_atStart = true;
    bool m_ended = false;
    int m_pendingByte = -1;
    int m_remaining = 0;
    unsigned char m_low = 0x80;
    unsigned char m_high = 0xBF;
    char32_t m_code = 0;
};
