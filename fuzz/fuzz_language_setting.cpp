// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The stored language setting, read from arbitrary UTF-16 text (little-endian units). The
// parse is compared with a plain reading of the number after the first "_" the way a
// 32-bit wcstol reads it, and every id must survive being written and read back.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "i18n/language_setting.h"
#include "text/white_space.h"

namespace {

// White space, a sign, then digits; out of range clamps to the 32-bit limits; the id is
// the low 16 bits of that.
uint16_t PlainParse(std::u16string_view text) {
    const size_t underscore = text.find(u'_');
    if (underscore == std::u16string_view::npos) {
        return 0;
    }
    std::u16string_view rest = text.substr(underscore + 1);
    while (!rest.empty() && IsWideSpace(rest.front())) {
        rest.remove_prefix(1);
    }
    bool negative = false;
    if (!rest.empty() && (rest.front() == u'+' || rest.front() == u'-')) {
        negative = rest.front() == u'-';
        rest.remove_prefix(1);
    }
    size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= u'0' && rest[digits] <= u'9') {
        ++digits;
    }
    std::u16string_view number = rest.substr(0, digits);
    while (!number.empty() && number.front() == u'0') {
        number.remove_prefix(1);
    }
    int64_t value = 0;
    if (number.size() > 10) {
        value = negative ? INT32_MIN : INT32_MAX;
    } else {
        for (const char16_t digit : number) {
            value = value * 10 + (digit - u'0');
        }
        value = negative ? -value : value;
        value = std::clamp<int64_t>(value, INT32_MIN, INT32_MAX);
    }
    return static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFF);
}

std::u16string Widen(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }

    const uint16_t id = ParseLanguageSetting(text);
    FUZZ_CHECK(id == PlainParse(text));
    if (text.find(u'_') == std::u16string::npos) {
        FUZZ_CHECK(id == 0);
    } else {
        // Only what follows the first "_" counts.
        FUZZ_CHECK(ParseLanguageSetting(text.substr(text.find(u'_'))) == id);
    }

    // Whatever was read is written back in the stored form and reads the same.
    const std::u16string stored = FormatLanguageSetting(id);
    FUZZ_CHECK(stored == u"Language_" + Widen(std::to_string(id)));
    FUZZ_CHECK(ParseLanguageSetting(stored) == id);

    // Any 32-bit number written in decimal keeps its low 16 bits.
    if (size >= 4) {
        int32_t number = 0;
        for (int i = 3; i >= 0; --i) {
            number = static_cast<int32_t>(static_cast<uint32_t>(number) << 8 | data[i]);
        }
        FUZZ_CHECK(ParseLanguageSetting(u"Language_" + Widen(std::to_string(number))) ==
                   static_cast<uint16_t>(static_cast<uint32_t>(number) & 0xFFFF));
    }
    return 0;
}
