// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <algorithm>

#include "accents/accent_list.h"
#include "accents/accents_help.h"

const cAccentList accents = MakeStandardAccentList();

TEST(SubstituteAccentsTest, CombinationsBecomeAccentedLettersInOneLeftToRightPass) {
    EXPECT_EQ(accents.SubstituteAccents(u"E/cole Gru:s:e"), u"École Grüße");
    EXPECT_EQ(accents.SubstituteAccents(u"c/a\\ e\\ e: E: E\\ A\\ A/ a/ o: O: U: A:"),
              u"çà è ë Ë È À Á á ö Ö Ü Ä");
    EXPECT_EQ(accents.SubstituteAccents(u"a::a:a:"), u"ä:ää");
    // Bars become slashes that form no combination in the same pass.
    EXPECT_EQ(accents.SubstituteAccents(u"|er|sie| A|"), u"/er/sie/ A/");
    EXPECT_EQ(accents.SubstituteAccents(u"a:| A|"), u"ä/ A/");
}

// ChangesText lets a reader skip the substitution, so it must see a combination or a bar
// wherever it stands, in every lane of its four-unit scan.
TEST(SubstituteAccentsTest, ChangesTextSeesEveryCombinationAndBarWhereverItIs) {
    for (size_t position = 0; position < 11; ++position) {
        for (const std::u16string_view inserted : {u"o:", u"A\\", u"c/", u"|"}) {
            std::u16string text(11, u'x');
            text.insert(position, inserted);
            EXPECT_TRUE(accents.ChangesText(text)) << position;
        }
    }
}

// Help > Accents lists every combination with its letter, in the table's order.
TEST(AccentsHelpTest, ListsEveryCombinationWithItsLetter) {
    const std::u16string help = BuildAccentsHelpText(u"Intro", accents);
    EXPECT_TRUE(help.starts_with(u"Intro\na:\tä\n")) << testing::PrintToString(help.substr(0, 20));
    EXPECT_TRUE(help.ends_with(u"s:\tß\n"));
    EXPECT_EQ(std::count(help.begin(), help.end(), u'\n'), accents.GetCount() + 1);
}
