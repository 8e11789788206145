// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The stored form of the user-interface language: "Language_" and the language id in
// decimal, e.g. "Language_1041".

// The language id of a stored setting; 0 (no language) when the text has no "_" or no
// number after its first "_". Only the text after the first "_" is read, like wcstol in
// base 10: leading white space, an optional sign, then digits up to the first non-digit.
// The result keeps the low 16 bits, so "Language_-1" gives 65535.
uint16_t ParseLanguageSetting(std::u16string_view text);

// The text stored for a language id: "Language_" + decimal id.
std::u16string FormatLanguageSetting(uint16_t id);

class cProfile;

// The language stored as "Language" in the application's own settings; 0 when none.
uint16_t ReadLanguageSetting(const cProfile& profile);

// Makes the language current for the translation library and the program's resources,
// and stores it as "Language" (also when the language is refused as current).
void ApplyLanguage(uint16_t id, cProfile& profile);
