// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "text/white_space.h"

bool IsRareWideSpace(char16_t c) {
    if (c <= 0x20) {
        return c == 0x20 || (c >= 0x09 && c <= 0x0D);
    }
    switch (c) {
        case 0x0085:
        case 0x00A0:
        case 0x1680:
        case 0x2028:
        case 0x2029:
        case 0x202F:
        case 0x205F:
        case 0x3000:
            return true;
        default:
            return c >= 0x2000 && c <= 0x200A;
    }
}

std::u16string_view TrimWhiteSpace(std::u16string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsWideSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && IsWideSpace(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

void CollapseWhiteSpaceInPlace(std::u16string& text) {
    size_t written = 0;
    bool pendingSpace = false;
    for (const char16_t c : text) {
        if (IsWideSpace(c)) {
            pendingSpace = written > 0;  // leading white space goes
            continue;
        }
        if (pendingSpace) {
            text[written++] = u' ';
            pendingSpace = false;
        }
        text[written++] = c;
    }
    text.resize(written);  // and so does trailing white space
}

std::u16string CollapseWhiteSpace(std::u16string_view text) {
    std::u16string result(text);
    CollapseWhiteSpaceInPlace(result);
    return result;
}
