// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cuefiles/encoding_test.h"

#include <algorithm>
#include <bitset>
#include <vector>

#include "cuefiles/utf8_validator.h"
#include "text/text_marks.h"
#include "text/unicode.h"

// The guess, in order:
//  1. A byte-order mark decides: FF FE is UTF-16 LE; FE FF (big-endian, not supported)
//     and the UTF-8 mark EF BB BF are 8-bit.
//  2. Read as little-endian units, the sample must look like text: no control character
//     other than tab, LF, VT, FF and CR, no private-use character, no non-character and
//     no unpaired surrogate. Otherwise it is 8-bit.
//  3. Two or more units from U+0001 to U+00FF are ASCII or Latin-1 stored in 16 bits: 8-bit
//     text practically never holds zero bytes, and a cue file's "=", spaces and line ends
//     give such units in almost every UTF-16 line.
//  4. Bytes that form well-formed UTF-8 with a multi-byte sequence are 8-bit.
//  5. East Asian text with at most one ASCII unit: every other unit lies in the CJK, kana,
//     Hangul or full-width blocks, the low bytes vary, and either that ASCII unit is there
//     (its zero byte is never in 8-bit text), or the high bytes cluster (a few script blocks,
//     unlike the even spread of 8-bit text read in pairs) or the bytes are not mostly
//     printable ASCII (which 8-bit text would be).
//  6. Alphabetic text of any other script (Greek, Cyrillic, Hebrew, Arabic, the Indic
//     scripts, Thai, Georgian ...): most units lie in U+0100 to U+1FFF and their high bytes
//     take at most two values, one script block. Those high bytes are control bytes, which
//     8-bit and UTF-8 text never hold, except tab, LF, VT, FF and CR: a block behind one of
//     those (Devanagari, Bengali, Malayalam ...) counts only with more evidence against
//     8-bit text that alternates letters and white space: a zero byte (an ASCII unit),
//     another control byte, or a byte from 0x80 on between them.
//  Anything else is 8-bit.

namespace {

std::vector<char16_t> ToUnits(std::span<const unsigned char> bytes) {
    std::vector<char16_t> units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return units;
}

bool IsUnlikelyInText(char16_t u) {
    const bool control = u < 0x09 || (u > 0x0D && u < 0x20) || (u >= 0x7F && u <= 0x9F);
    const bool privateUse = u >= 0xE000 && u <= 0xF8FF;
    const bool nonCharacter = (u >= 0xFDD0 && u <= 0xFDEF) || u >= 0xFFFE;
    return control || privateUse || nonCharacter;
}

bool HasUnpairedSurrogate(const std::vector<char16_t>& units) {
    for (size_t i = 0; i < units.size(); ++i) {
        if (IsLowSurrogate(units[i])) {
            return true;
        }
        if (IsHighSurrogate(units[i])) {
            // The partner of the last unit lies beyond the sample.
            if (i + 1 < units.size() && !IsLowSurrogate(units[i + 1])) {
                return true;
            }
            ++i;
        }
    }
    return false;
}

bool LooksLikeText(const std::vector<char16_t>& units) {
    for (const char16_t u : units) {
        if (IsUnlikelyInText(u)) {
            return false;
        }
    }
    return !HasUnpairedSurrogate(units);
}

int CountLatinUnits(const std::vector<char16_t>& units) {
    int count = 0;
    for (const char16_t u : units) {
        count += u >= 0x0001 && u <= 0x00FF;
    }
    return count;
}

bool IsMultiByteUtf8(std::span<const unsigned char> bytes) {
    cUtf8Validator validator;
    validator.Feed(bytes);
    // A sequence cut off by the end of the sample still counts as well-formed.
    return validator.IsValid() && validator.HasMultiByte();
}

bool IsEastAsianUnit(char16_t u) {
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x4DBF) ||
           (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xAC00 && u <= 0xD7A3) ||
           (u >= 0xFF00 && u <= 0xFFEF);
}

size_t CountDistinctBytes(const std::vector<char16_t>& units, int shift) {
    std::bitset<256> seen;
    for (const char16_t u : units) {
        seen.set((u >> shift) & 0xFF);
    }
    return seen.count();
}

size_t CountPrintableAscii(std::span<const unsigned char> bytes) {
    size_t count = 0;
    for (const unsigned char b : bytes) {
        count += (b >= 0x20 && b < 0x7F) || b == '\t' || b == '\n' || b == '\r';
    }
    return count;
}

bool LooksLikeEastAsianText(std::span<const unsigned char> bytes,
                            const std::vector<char16_t>& units) {
    bool zeroByte = false;
    for (const char16_t u : units) {
        // One ASCII unit, a line end say, is a zero byte, which 8-bit text never holds.
        zeroByte = zeroByte || u <= 0x7F;
        if (!IsEastAsianUnit(u) && u > 0x7F) {
            return false;
        }
    }
    const size_t highs = CountDistinctBytes(units, 8);
    const size_t lows = CountDistinctBytes(units, 0);
    if (lows < 4) {
        return false;
    }
    const bool clustered = 2 * highs <= lows;
    const bool mostlyAscii = 4 * CountPrintableAscii(bytes) >= 3 * bytes.size();
    return zeroByte || clustered || !mostlyAscii;
}

bool IsAlphabetUnit(char16_t u) {
    return u >= 0x0100 && u <= 0x1FFF;
}

bool IsPunctuationUnit(char16_t u) {
    return u >= 0x2000 && u <= 0x206F;
}

// A control byte that 8-bit text holds now and then: tab, LF, VT, FF, CR.
bool IsWhiteSpaceByte(unsigned b) {
    return b >= 0x09 && b <= 0x0D;
}

bool IsControlByteOutsideText(unsigned b) {
    return b < 0x20 && !IsWhiteSpaceByte(b);
}

bool LooksLikeAlphabeticText(const std::vector<char16_t>& units) {
    std::bitset<256> highs;
    size_t letters = 0;
    bool otherEvidence = false;
    for (const char16_t u : units) {
        if (IsAlphabetUnit(u)) {
            ++letters;
            highs.set(u >> 8);
            const unsigned low = u & 0xFF;
            otherEvidence = otherEvidence || IsControlByteOutsideText(low) || low >= 0x80;
        } else if (u <= 0x00FF) {
            otherEvidence = true;  // a zero high byte
        } else if (!IsPunctuationUnit(u)) {
            return false;
        }
    }
    if (4 * letters < 3 * units.size() || highs.count() > 2 || CountDistinctBytes(units, 0) < 4) {
        return false;
    }
    for (unsigned high = 0; high < 0x20; ++high) {
        if (highs.test(high) && !IsWhiteSpaceByte(high)) {
            return true;
        }
    }
    return otherEvidence;
}

// The first kUnicodeSampleSize bytes as 8-bit text mode reads them.
std::vector<unsigned char> TextModeSample(std::span<const unsigned char> head) {
    std::vector<unsigned char> sample;
    for (size_t i = 0; i < head.size() && sample.size() < kUnicodeSampleSize; ++i) {
        if (head[i] == kEndOfText) {
            break;
        }
        if (head[i] == '\r' && i + 1 < head.size() && head[i + 1] == '\n') {
            ++i;
        }
        sample.push_back(head[i]);
    }
    return sample;
}

}  // namespace

bool IsUnicodeSample(std::span<const unsigned char> sample) {
    if (StartsWithUtf16LeMark(sample)) {
        return true;
    }
    if (sample.size() < 2 || StartsWithUtf16BeMark(sample) || StartsWithUtf8Mark(sample)) {
        return false;
    }
    const std::vector<char16_t> units = ToUnits(sample);
    if (!LooksLikeText(units)) {
        return false;
    }
    if (CountLatinUnits(units) >= 2) {
        return true;
    }
    if (LooksLikeAlphabeticText(units)) {
        return true;
    }
    if (IsMultiByteUtf8(sample)) {
        return false;
    }
    return LooksLikeEastAsianText(sample, units);
}

bool IsUnicodeFileStart(std::span<const unsigned char> head) {
    // The UTF-16 byte-order mark settles it whatever follows: read as 8-bit text, a short
    // marked file, or one with 0x1A among its first bytes (as in U+4E1A), would turn into
    // a mark and stray characters.
    if (StartsWithUtf16LeMark(head)) {
        return true;
    }
    const std::vector<unsigned char> sample = TextModeSample(head);
    if (sample.size() == kUnicodeSampleSize && IsUnicodeSample(sample)) {
        return true;
    }
    // Read as 8-bit text, UTF-16 loses its pairing wherever a unit holds the byte 0x1A
    // (Cyrillic К, Devanagari च) or the bytes CR LF: the sample then ends early or slips by
    // a byte. So the raw bytes get the same test; 8-bit text passes it on neither reading,
    // since it holds no zero bytes and no runs of control bytes.
    return head.size() >= kUnicodeSampleSize && IsUnicodeSample(head.first(kUnicodeSampleSize));
}
