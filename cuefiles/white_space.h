#pragma once

#include <string_view>

// Whether a UTF-16 unit is white space (the Unicode White_Space set).
bool IsWideSpace(char16_t c);

// The text without leading and trailing white space.
std::u16string_view TrimWhiteSpace(std::u16string_view text);
