// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/font_setting.h"

#include <cstdint>

#include "platform/profile.h"

namespace {

constexpr std::u16string_view kFontEntry = u"Font";

}  // namespace

int ReadFontSetting(const cProfile& profile, int fallback) {
    return static_cast<int>(
        profile.GetProfileInt(u"", kFontEntry, static_cast<uint32_t>(fallback)));
}

std::u16string ReadFontSettingText(const cProfile& profile) {
    const std::string number = std::to_string(profile.GetProfileInt(u"", kFontEntry, 0));
    return profile.GetProfileString(u"", kFontEntry, std::u16string(number.begin(), number.end()));
}

bool WriteFontSetting(cProfile& profile, int index) {
    return profile.WriteProfileInt(u"", kFontEntry, static_cast<uint32_t>(index));
}
