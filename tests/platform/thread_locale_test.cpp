// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/locale/thread_locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace {

TEST(ThreadLocaleTest, LocaleIdFromPosixName) {
    EXPECT_EQ(LocaleIdFromPosixName("ja"), 1041u);
    EXPECT_EQ(LocaleIdFromPosixName("de_DE@euro"), 1031u);
    // A territory we do not list falls back to its language.
    EXPECT_EQ(LocaleIdFromPosixName("de_LU.UTF-8"), 1031u);
    EXPECT_EQ(LocaleIdFromPosixName("C.UTF-8"), 1033u);
    EXPECT_EQ(LocaleIdFromPosixName(""), 1033u);
    EXPECT_EQ(LocaleIdFromPosixName("xx_YY"), 1033u);
}

// Nothing else in this program reads these variables, so they are not put back. LANGUAGE
// is cleared; tests of it set it afterwards.
void SetLocaleVariables(const char* all, const char* messages, const char* lang) {
    unsetenv("LANGUAGE");
    const std::pair<const char*, const char*> variables[] = {
        {"LC_ALL", all}, {"LC_MESSAGES", messages}, {"LANG", lang}};
    for (const auto& [name, value] : variables) {
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
}

TEST(ThreadLocaleTest, FirstNonEmptyOfLcAllLcMessagesLang) {
    SetLocaleVariables("en_GB.UTF-8", "ja_JP.UTF-8", "de_DE.UTF-8");
    EXPECT_EQ(LocaleIdFromEnvironment(), 2057u);
    SetLocaleVariables("", "ja_JP.UTF-8", "de_DE.UTF-8");
    EXPECT_EQ(LocaleIdFromEnvironment(), 1041u);
    SetLocaleVariables(nullptr, nullptr, "de_DE.UTF-8");
    EXPECT_EQ(LocaleIdFromEnvironment(), 1031u);
    SetLocaleVariables("C", nullptr, "ja_JP.UTF-8");
    EXPECT_EQ(LocaleIdFromEnvironment(), 1033u);
    SetLocaleVariables(nullptr, "", nullptr);
    EXPECT_EQ(LocaleIdFromEnvironment(), 1033u);
}

TEST(ThreadLocaleTest, LanguageListGoesFirstExceptUnderTheCLocale) {
    SetLocaleVariables(nullptr, nullptr, "en_US.UTF-8");
    setenv("LANGUAGE", "ja", 1);
    EXPECT_EQ(LocaleIdFromEnvironment(), 1041u);
    // Entries naming no known language are passed over; an empty one too.
    setenv("LANGUAGE", "::xx_YY:en_GB:ja", 1);
    EXPECT_EQ(LocaleIdFromEnvironment(), 2057u);
    setenv("LANGUAGE", "xx", 1);
    EXPECT_EQ(LocaleIdFromEnvironment(), 1033u);
    SetLocaleVariables("C.UTF-8", nullptr, "en_US.UTF-8");
    setenv("LANGUAGE", "ja", 1);
    EXPECT_EQ(LocaleIdFromEnvironment(), 1033u);
    SetLocaleVariables(nullptr, nullptr, nullptr);
    EXPECT_EQ(LocaleIdFromEnvironment(), 1033u);
    unsetenv("LANGUAGE");
}

}  // namespace
