// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "lexitra/lexitra.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "locale/thread_locale.h"

TEST(LexitraTest, EveryIdHasATextThatCallersCanUseInTheLanguageOfTheLocale) {
    const auto notAscii = [](char16_t c) { return c > 0x7F; };
    // Every locale other than Japanese reads English, British English included.
    for (const uint32_t locale : {1033u, 2057u, 1041u}) {
        ASSERT_TRUE(SetThreadLocale(locale));
        for (uint32_t id :
             {40001, 40002, 40003, 40004, 40007, 40008, 40010, 40011, 40012, 40013, 40015, 40016}) {
            EXPECT_FALSE(LoadTranslatedUiString(id).empty()) << "id " << id << " in " << locale;
            EXPECT_EQ(std::ranges::any_of(LoadTranslatedUiString(id), notAscii),
                      locale == 1041 && id != 40003)
                << "id " << id << " in " << locale;
        }
        // The file dialog filter splits at "|", the form splits the message at a line feed.
        for (uint32_t id : {40004, 40015, 40016}) {
            EXPECT_EQ(LoadTranslatedUiString(id).find(u'|'), std::u16string::npos);
        }
        EXPECT_EQ(LoadTranslatedUiString(40010).find(u'\n'), std::u16string::npos);
        EXPECT_EQ(LoadTranslatedUiString(40003), u"https://www.vorlen.com/recallix/");
        // Each reason a file did not load says something of its own.
        for (uint32_t id = 40021; id < 40029; ++id) {
            EXPECT_NE(LoadTranslatedUiString(id), LoadTranslatedUiString(id + 1)) << "id " << id;
        }
    }
    SetThreadLocale(1033);
}
