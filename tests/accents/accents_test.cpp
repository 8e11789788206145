#include <gtest/gtest.h>

#include "accents/accents_help.h"

namespace {

const cAccentList& Accents() {
    static const cAccentList accents = MakeStandardAccentList();
    return accents;
}

std::u16string Substitute(std::u16string_view text) { return Accents().SubstituteAccents(text); }

}  // namespace

TEST(SubstituteAccentsTest, CombinationsBecomeAccentedLetters) {
    EXPECT_EQ(Substitute(u"Mu:ller"), u"Müller");
    EXPECT_EQ(Substitute(u"E/cole"), u"École");
    EXPECT_EQ(Substitute(u"Gru:s:e"), u"Grüße");
    EXPECT_EQ(Substitute(u"c/a\\ e\\ e: E: E\\ A\\ A/ a/ o: O: U: A:"),
              u"çà è ë Ë È À Á á ö Ö Ü Ä");
    EXPECT_EQ(Substitute(u""), u"");
}

TEST(SubstituteAccentsTest, OneLeftToRightPass) {
    EXPECT_EQ(Substitute(u"a::"), u"ä:");
    EXPECT_EQ(Substitute(u"ä:"), u"ä:");
    EXPECT_EQ(Substitute(u"a"), u"a");
    EXPECT_EQ(Substitute(u"a:a"), u"äa");
    EXPECT_EQ(Substitute(u":a"), u":a");
}

TEST(SubstituteAccentsTest, OnlyTheEighteenCombinations) {
    EXPECT_EQ(Substitute(u"S: C/ i: o/ u\\ I/"), u"S: C/ i: o/ u\\ I/");
    EXPECT_EQ(Substitute(u"s:"), u"ß");
}

TEST(SubstituteAccentsTest, BarsBecomeSlashesThatFormNoCombination) {
    EXPECT_EQ(Substitute(u"|er|sie|"), u"/er/sie/");
    EXPECT_EQ(Substitute(u"A|"), u"A/");
    EXPECT_EQ(Substitute(u"he|she"), u"he/she");
    // Substituting again, as the answer box does, turns the pair into the letter.
    EXPECT_EQ(Substitute(Substitute(u"e|")), u"é");
}

TEST(AccentsHelpTest, ListsEveryCombinationInTableOrder) {
    const std::u16string text = BuildAccentsHelpText(u"Intro", Accents());
    EXPECT_EQ(text.substr(0, 12), u"Intro\na:\tä\nA");
    EXPECT_EQ(std::count(text.begin(), text.end(), u'\n'), 19);
    EXPECT_TRUE(text.ends_with(u"s:\tß\n"));
}

TEST(SubstituteAccentsTest, AnyListOfCombinations) {
    cAccentList list;
    list.Append(std::make_unique<cAccent>(u"x", u"y"));     // a single key
    list.Append(std::make_unique<cAccent>(u"ä:", u"Ä"));    // starting with a non-ASCII letter
    list.Append(std::make_unique<cAccent>(u"", u"never"));  // ignored
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.SubstituteAccents(u"xäx ä: ä"), u"yäy Ä ä");
}
