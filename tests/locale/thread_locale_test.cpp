// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "locale/thread_locale.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <utility>

// Nothing else in this program reads these variables, so they are not put back.
TEST(ThreadLocaleTest, LocaleIdFromTheEnvironmentAsTheDesktopChoosesIt) {
    const char* const variables[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    const std::pair<std::array<const char*, 4>, uint32_t> cases[] = {
        // The first non-empty of LC_ALL, LC_MESSAGES and LANG.
        {{"en_GB.UTF-8", "ja_JP.UTF-8", "de_DE.UTF-8", nullptr}, 2057},
        {{"", "ja_JP.UTF-8", "de_DE.UTF-8", nullptr}, 1041},
        {{nullptr, nullptr, "de_LU.UTF-8", nullptr}, 1031},  // an unlisted territory: its language
        // LANGUAGE goes first with its first known entry, but not under the C locale.
        {{nullptr, nullptr, "en_US.UTF-8", "::xx_YY:en_GB:ja"}, 2057},
        {{"C.UTF-8", nullptr, "en_US.UTF-8", "ja"}, 1033},
        {{"POSIX", nullptr, nullptr, "ja"}, 1033},
        {{nullptr, nullptr, nullptr, "ja"}, 1033},        // no locale at all is the C locale
        {{nullptr, nullptr, "de_DE.UTF-8", "ja"}, 1041},  // a language without a territory
    };
    for (const auto& [values, id] : cases) {
        for (size_t i = 0; i < values.size(); ++i) {
            values[i] != nullptr ? setenv(variables[i], values[i], 1) : unsetenv(variables[i]);
        }
        EXPECT_EQ(LocaleIdFromEnvironment(), id) << testing::PrintToString(values);
    }
    unsetenv("LANGUAGE");
}
