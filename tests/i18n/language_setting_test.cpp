// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "i18n/language_setting.h"

#include <gtest/gtest.h>

#include <utility>

#include "locale/thread_locale.h"
#include "platform/memory_profile.h"

// Stored settings are read as they always were: the number after the first underscore,
// read as a 32-bit long (which clamps), of which the low 16 bits count.
TEST(LanguageSettingTest, ReadsTheNumberAfterTheFirstUnderscoreAsA32BitLong) {
    const std::pair<std::u16string_view, uint16_t> cases[] = {
        {u"a_1041_1033", 1041},
        {u"Language_ \t+001041x", 1041},
        {u"Language_-1", 65535},
        {u"Language_2147484689", 65535},
        {u"Language_99999999999999999999999999", 65535},
    };
    for (const auto& [text, id] : cases) {
        EXPECT_EQ(ParseLanguageSetting(text), id) << testing::PrintToString(std::u16string(text));
    }
}

TEST(LanguageSettingTest, ApplyStoresTheLanguageAndMakesItCurrent) {
    cMemoryProfile profile;
    ApplyLanguage(1041, profile);
    EXPECT_EQ(GetThreadLocale(), 1041u);
    EXPECT_EQ(ReadLanguageSetting(profile), 1041);
    ApplyLanguage(65535, profile);  // refused as current, stored all the same
    EXPECT_EQ(GetThreadLocale(), 1041u);
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u""), u"Language_65535");
    SetThreadLocale(1033);
}
