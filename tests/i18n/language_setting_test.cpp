// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "i18n/language_setting.h"

#include <gtest/gtest.h>

#include "platform/locale/thread_locale.h"
#include "platform/memory_profile.h"

TEST(LanguageSettingTest, ReadsTheNumberAfterTheFirstUnderscoreAsA32BitLong) {
    EXPECT_EQ(ParseLanguageSetting(u"Language_1033x"), 1033);
    EXPECT_EQ(ParseLanguageSetting(u"a_1041_1033"), 1041);
    EXPECT_EQ(ParseLanguageSetting(u"_1041"), 1041);
    EXPECT_EQ(ParseLanguageSetting(u"Language_  \t+1041"), 1041);
    EXPECT_EQ(ParseLanguageSetting(u"Language_\u30001041"), 1041);  // ideographic space
    EXPECT_EQ(ParseLanguageSetting(u"Language_001041"), 1041);
    // No language without an underscore or digits after it.
    EXPECT_EQ(ParseLanguageSetting(u""), 0);
    EXPECT_EQ(ParseLanguageSetting(u"Language1041"), 0);
    EXPECT_EQ(ParseLanguageSetting(u"Language_"), 0);
    EXPECT_EQ(ParseLanguageSetting(u"Language_x1041"), 0);
    EXPECT_EQ(ParseLanguageSetting(u"Language_+"), 0);
    EXPECT_EQ(ParseLanguageSetting(u"Language_- 1041"), 0);
    EXPECT_EQ(ParseLanguageSetting(u"Language_\uFF11\uFF10\uFF14\uFF11"), 0);  // full-width
    // The low 16 bits of a 32-bit long.
    EXPECT_EQ(ParseLanguageSetting(u"Language_66577"), 1041);
    EXPECT_EQ(ParseLanguageSetting(u"Language_-1"), 65535);
    EXPECT_EQ(ParseLanguageSetting(u"Language_2147483647"), 65535);
    // Out of range numbers clamp to LONG_MAX / LONG_MIN first.
    EXPECT_EQ(ParseLanguageSetting(u"Language_2147484689"), 65535);
    EXPECT_EQ(ParseLanguageSetting(u"Language_99999999999999999999999999"), 65535);
    EXPECT_EQ(ParseLanguageSetting(u"Language_-2147483648"), 0);
    EXPECT_EQ(ParseLanguageSetting(u"Language_-99999999999999999999999999"), 0);
}

TEST(ApplyLanguageTest, StoresTheLanguageAndMakesItCurrent) {
    cMemoryProfile profile;
    ApplyLanguage(1041, profile);
    EXPECT_EQ(GetThreadLocale(), 1041u);
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u""), u"Language_1041");
    EXPECT_EQ(ReadLanguageSetting(profile), 1041);

    ApplyLanguage(65535, profile);  // refused as current, stored all the same
    EXPECT_EQ(GetThreadLocale(), 1041u);
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u""), u"Language_65535");
    SetThreadLocale(1033);
}
