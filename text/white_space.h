// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <string_view>

// Whether a UTF-16 unit is white space beyond printable ASCII (see IsWideSpace).
bool IsRareWideSpace(char16_t c);

// Whether a UTF-16 unit is white space (the Unicode White_Space set). Inline and quick for
// the printable ASCII that most texts are made of.
inline bool IsWideSpace(char16_t c) {
    return (c > 0x20 && c < 0x85) ? false : IsRareWideSpace(c);
}

// The text without leading and trailing white space.
std::u16string_view TrimWhiteSpace(std::u16string_view text);

// The text trimmed, with every run of white space inside it made one plain space: line
// breaks and indentation are layout, and an answer is typed on one line.
std::u16string CollapseWhiteSpace(std::u16string_view text);
// The same, written over the text itself.
void CollapseWhiteSpaceInPlace(std::u16string& text);
