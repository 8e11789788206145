// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "text/unicode.h"

namespace {

// The stand-in for a byte that is not part of well-formed UTF-8.
constexpr char16_t kEscapedByteBase = 0xDC00;
bool IsEscapedByte(char16_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}

}  // namespace

bool ReadUtf8Lead(unsigned char byte, sUtf8Lead& lead) {
    lead = sUtf8Lead{};
    if (byte >= 0xC2 && byte <= 0xDF) {
        lead.continuations = 1;
        lead.bits = byte & 0x1Fu;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        lead.continuations = 2;
        lead.bits = byte & 0x0Fu;
        lead.firstLow = byte == 0xE0 ? 0xA0 : 0x80;
        lead.firstHigh = byte == 0xED ? 0x9F : 0xBF;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        lead.continuations = 3;
        lead.bits = byte & 0x07u;
        lead.firstLow = byte == 0xF0 ? 0x90 : 0x80;
        lead.firstHigh = byte == 0xF4 ? 0x8F : 0xBF;
    } else {
        return false;
    }
    return true;
}

size_t ReadUtf8Sequence(std::string_view text, size_t i, char32_t& code) {
    sUtf8Lead lead;
    if (!ReadUtf8Lead(static_cast<unsigned char>(text[i]), lead) ||
        i + lead.continuations >= text.size()) {
        return 0;
    }
    code = lead.bits;
    unsigned char low = lead.firstLow;
    unsigned char high = lead.firstHigh;
    for (int k = 1; k <= lead.continuations; ++k) {
        const auto byte = static_cast<unsigned char>(text[i + k]);
        if (byte < low || byte > high) {
            return 0;
        }
        code = (code << 6) | (byte & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    return static_cast<size_t>(lead.continuations) + 1;
}

size_t ReadUtf16CodePoint(std::u16string_view text, size_t i, char32_t& code) {
    const char16_t unit = text[i];
    if (IsLowSurrogate(unit)) {
        return 0;
    }
    if (!IsHighSurrogate(unit)) {
        code = unit;
        return 1;
    }
    if (i + 1 == text.size() || !IsLowSurrogate(text[i + 1])) {
        return 0;
    }
    code = 0x10000 + ((unit - 0xD800u) << 10) + (text[i + 1] - 0xDC00u);
    return 2;
}

void AppendUtf8(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendUtf16(char32_t code, std::u16string& out) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
        return;
    }
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

bool Utf16ToUtf8(std::u16string_view text, std::string& result, eByteEscapes escapes) {
    result.clear();
    for (size_t i = 0; i < text.size();) {
        if (escapes == eByteEscapes::LoneSurrogates && IsEscapedByte(text[i])) {
            result += static_cast<char>(text[i++] - kEscapedByteBase);
            continue;
        }
        char32_t code = 0;
        const size_t units = ReadUtf16CodePoint(text, i, code);
        if (units == 0) {
            result.clear();
            return false;
        }
        AppendUtf8(code, result);
        i += units;
    }
    return true;
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view text, eByteEscapes escapes) {
    std::u16string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t code = static_cast<unsigned char>(text[i]);
        size_t length = 1;
        if (code >= 0x80 && (length = ReadUtf8Sequence(text, i, code)) == 0) {
            if (escapes == eByteEscapes::None) {
                return std::nullopt;
            }
            code = kEscapedByteBase + static_cast<unsigned char>(text[i]);
            length = 1;
        }
        AppendUtf16(code, result);
        i += length;
    }
    return result;
}
