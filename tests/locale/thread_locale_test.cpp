// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "locale/thread_locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace {

// Nothing else in this program reads these variables, so they are not put back.
TEST(ThreadLocaleTest, LocaleIdFromTheEnvironmentAsTheDesktopChoosesIt) {
    struct sCase {
        const char* all;
        const char* messages;
        const char* lang;
        const char* language;
        uint32_t id;
    };
    const sCase cases[] = {
        // The first non-empty of LC_ALL, LC_MESSAGES and LANG.
        {"en_GB.UTF-8", "ja_JP.UTF-8", "de_DE.UTF-8", nullptr, 2057},
        {"", "ja_JP.UTF-8", "de_DE.UTF-8", nullptr, 1041},
        {nullptr, nullptr, "de_LU.UTF-8", nullptr, 1031},  // an unlisted territory: its language
        // LANGUAGE goes first with its first known entry, but not under the C locale.
        {nullptr, nullptr, "en_US.UTF-8", "::xx_YY:en_GB:ja", 2057},
        {"C.UTF-8", nullptr, "en_US.UTF-8", "ja", 1033},
        {"POSIX", nullptr, nullptr, "ja", 1033},
        {nullptr, nullptr, nullptr, "ja", 1033},        // no locale at all is the C locale
        {nullptr, nullptr, "de_DE.UTF-8", "ja", 1041},  // a language without a territory
    };
    for (const sCase& c : cases) {
        const std::pair<const char*, const char*> variables[] = {{"LC_ALL", c.all},
                                                                 {"LC_MESSAGES", c.messages},
                                                                 {"LANG", c.lang},
                                                                 {"LANGUAGE", c.language}};
        for (const auto& [name, value] : variables) {
            value != nullptr ? setenv(name, value, 1) : unsetenv(name);
        }
        EXPECT_EQ(LocaleIdFromEnvironment(), c.id) << "row " << &c - cases;
    }
    unsetenv("LANGUAGE");
}

}  // namespace
