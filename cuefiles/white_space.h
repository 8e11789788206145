#pragma once

#include <string_view>

// Whether a UTF-16 unit is white space (the Unicode White_Space set).
bool IsWideSpace(char16_t c);

// The same, quick for the common letters and digits.
inline bool IsWideSpaceQuick(char16_t c) { return c > 0x20 && c < 0x85 ? false : IsWideSpace(c); }

// The text without leading and trailing white space.
std::u16string_view TrimWhiteSpace(std::u16string_view text);
