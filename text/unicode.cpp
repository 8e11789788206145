#include "text/unicode.h"

namespace {

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

void AppendUtf16(char32_t code, std::u16string& out) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
        return;
    }
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

bool Utf16ToUtf8(std::u16string_view text, std::string& result) {
    result.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsLowSurrogate(unit)) {
            result.clear();
            return false;
        }
        if (!IsHighSurrogate(unit)) {
            AppendUtf8(unit, result);
            continue;
        }
        if (i + 1 == text.size() || !IsLowSurrogate(text[i + 1])) {
            result.clear();
            return false;
        }
        const char32_t high = unit - 0xD800u;
        const char32_t low = text[++i] - 0xDC00u;
        AppendUtf8(0x10000 + (high << 10) + low, result);
    }
    return true;
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i++]);
        if (byte < 0x80) {
            result += static_cast<char16_t>(byte);
            continue;
        }
        sUtf8Lead lead;
        if (!ReadUtf8Lead(byte, lead) || text.size() - i < static_cast<size_t>(lead.continuations)) {
            return std::nullopt;
        }
        char32_t code = lead.bits;
        unsigned char low = lead.firstLow;
        unsigned char high = lead.firstHigh;
        for (int k = 0; k < lead.continuations; ++k) {
            const auto next = static_cast<unsigned char>(text[i++]);
            if (next < low || next > high) {
                return std::nullopt;
            }
            code = (code << 6) | (next & 0x3Fu);
            low = 0x80;
            high = 0xBF;
        }
        AppendUtf16(code, result);
    }
    return result;
}
