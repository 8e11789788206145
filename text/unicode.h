// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The UTF-16 and UTF-8 rules every part of the program shares.

inline bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
inline bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// What a UTF-8 lead byte promises: how many continuation bytes follow, the range the
// first of them must lie in (which rules out overlong forms, surrogates and values above
// U+10FFFF), and the code point bits the lead byte carries.
struct sUtf8Lead {
    int continuations = 0;
    unsigned char firstLow = 0x80;
    unsigned char firstHigh = 0xBF;
    char32_t bits = 0;
};

// False when the byte cannot start a well-formed sequence of two or more bytes (ASCII
// bytes, continuation bytes, C0, C1, F5..FF).
bool ReadUtf8Lead(unsigned char byte, sUtf8Lead& lead);

// The length of the well-formed multi-byte UTF-8 sequence at text[i], with its code point
// in code; 0 when none starts there.
size_t ReadUtf8Sequence(std::string_view text, size_t i, char32_t& code);

// The code point at text[i] and how many units (1 or 2) it takes; 0 for an unpaired
// surrogate.
size_t ReadUtf16CodePoint(std::u16string_view text, size_t i, char32_t& code);

void AppendUtf8(char32_t code, std::string& out);
void AppendUtf16(char32_t code, std::u16string& out);

// Whether bytes that are not well-formed UTF-8 may travel in UTF-16, each as the
// unpaired surrogate U+DC80..U+DCFF, so that any bytes come back as they were.
enum class eByteEscapes { None, LoneSurrogates };

// The text as UTF-8. False, with result cleared, when the text holds an unpaired
// surrogate (other than an escaped byte, when escapes are allowed).
bool Utf16ToUtf8(std::u16string_view text, std::string& result,
                 eByteEscapes escapes = eByteEscapes::None);

// UTF-8 to UTF-16. Without escapes strict: nullopt for any ill-formed sequence (overlong
// forms, surrogates, values above U+10FFFF, cut sequences); with them never nullopt.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text,
                                          eByteEscapes escapes = eByteEscapes::None);
