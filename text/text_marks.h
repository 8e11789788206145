// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <span>

// Marks that text files carry at their start or end.

// A byte 0x1A ends the data of 8-bit text, as text-mode reading has it.
inline constexpr unsigned char kEndOfText = 0x1A;

// U+FEFF at the start of a text: the byte-order mark, not part of the text.
inline constexpr char16_t kByteOrderMark = 0xFEFF;

inline bool StartsWithUtf16LeMark(std::span<const unsigned char> bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}

inline bool StartsWithUtf16BeMark(std::span<const unsigned char> bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF;
}

inline bool StartsWithUtf8Mark(std::span<const unsigned char> bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
}
