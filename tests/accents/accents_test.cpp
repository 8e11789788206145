// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include "accents/accent_list.h"

namespace {

const cAccentList& Accents() {
    static const cAccentList accents = MakeStandardAccentList();
    return accents;
}

std::u16string Substitute(std::u16string_view text) {
    return Accents().SubstituteAccents(text);
}

}  // namespace

TEST(SubstituteAccentsTest, CombinationsBecomeAccentedLettersInOneLeftToRightPass) {
    EXPECT_EQ(Substitute(u"E/cole Gru:s:e"), u"École Grüße");
    EXPECT_EQ(Substitute(u"c/a\\ e\\ e: E: E\\ A\\ A/ a/ o: O: U: A:"),
              u"çà è ë Ë È À Á á ö Ö Ü Ä");
    EXPECT_EQ(Substitute(u"a::a:a:"), u"ä:ää");
    EXPECT_EQ(Substitute(u"ä: :a"), u"ä: :a");
    // Only the eighteen combinations of the table.
    EXPECT_EQ(Substitute(u"S: C/ i: o/ u\\ I/"), u"S: C/ i: o/ u\\ I/");
    // Bars become slashes that form no combination in the same pass.
    EXPECT_EQ(Substitute(u"|er|sie| A|"), u"/er/sie/ A/");
    EXPECT_EQ(Substitute(u"a:| A|"), u"ä/ A/");
    // Substituting again, as the answer box does, turns the pair into the letter.
    EXPECT_EQ(Substitute(Substitute(u"e|")), u"é");
}
