// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "i18n/language_setting.h"

#include <cstdint>
#include <string>

#include "locale/thread_locale.h"
#include "platform/profile.h"
#include "text/white_space.h"

namespace {

// Settings written on Windows went through a 32-bit long, which clamps on overflow. Linux's
// long is 64 bits, so the clamping is done here to give the same ids on both systems.
constexpr int64_t kLongMax = INT32_MAX;
constexpr int64_t kLongMin = INT32_MIN;

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// wcstol(text, nullptr, 10) with a 32-bit long.
int32_t ToLong(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && IsWideSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // The magnitude stops growing once past the limit, so it cannot overflow itself.
    int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (magnitude <= kLongMax + 1) {
            magnitude = magnitude * 10 + (text[i] - u'0');
        }
    }
    if (negative) {
        return static_cast<int32_t>(-magnitude < kLongMin ? kLongMin : -magnitude);
    }
    return static_cast<int32_t>(magnitude > kLongMax ? kLongMax : magnitude);
}

}  // namespace

uint16_t ParseLanguageSetting(std::u16string_view text) {
    const size_t underscore = text.find(u'_');
    if (underscore == std::u16string_view::npos) {
        return 0;
    }
    return static_cast<uint16_t>(ToLong(text.substr(underscore + 1)));
}

std::u16string FormatLanguageSetting(uint16_t id) {
    std::u16string text = u"Language_";
    for (char c : std::to_string(id)) {
        text += static_cast<char16_t>(c);
    }
    return text;
}

uint16_t ReadLanguageSetting(const cProfile& profile) {
    return ParseLanguageSetting(profile.GetProfileString(u"", u"Language", u""));
}

void ApplyLanguage(uint16_t id, cProfile& profile) {
    SetThreadLocale(id);
    profile.WriteProfileString(u"", u"Language", FormatLanguageSetting(id));
}
