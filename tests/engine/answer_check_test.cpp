#include <gtest/gtest.h>

#include "tests/support/teacher_fixture.h"

class AnswerCheckTest : public TeacherTest {
protected:
    bool Check(const std::u16string& expected, const std::u16string& typed) const {
        return teacher.IsCorrectAnswer(cCueLine(u"cue", expected), typed);
    }
};

TEST_F(AnswerCheckTest, ExactAfterTrimming) {
    EXPECT_TRUE(Check(u"dog", u"dog"));
    EXPECT_TRUE(Check(u"dog", u"  dog\t"));
    EXPECT_TRUE(Check(u"dog", u"\u3000dog\u00A0"));
    EXPECT_FALSE(Check(u"dog", u"Dog"));
    EXPECT_FALSE(Check(u"ice cream", u"icecream"));
    EXPECT_FALSE(Check(u"dog", u""));
    EXPECT_FALSE(Check(u"dog", u"   "));
}

TEST_F(AnswerCheckTest, OneToleratedCharacterMayFollow) {
    for (const char16_t* suffix : {u"\\", u"'", u"]", u"/", u".", u"!"}) {
        EXPECT_TRUE(Check(u"dog", std::u16string(u"dog") + suffix)) << static_cast<int>(suffix[0]);
    }
    EXPECT_FALSE(Check(u"dog", u"dog?"));
    EXPECT_FALSE(Check(u"dog", u"dog,"));
    EXPECT_FALSE(Check(u"dog", u"dog.."));
    EXPECT_FALSE(Check(u"dog", u"dog .")) << "the rest is not trimmed again";
    EXPECT_FALSE(Check(u"dog", u"dog!."));
}

TEST_F(AnswerCheckTest, ExpectedAnswerEndingInAFullStop) {
    EXPECT_FALSE(Check(u"etc.", u"etc"));
    EXPECT_TRUE(Check(u"etc.", u"etc."));
    EXPECT_TRUE(Check(u"etc.", u"etc.!"));
    EXPECT_FALSE(Check(u"etc.", u"etc!."));
}

TEST_F(AnswerCheckTest, TypedCombinationsAreSubstitutedBeforeComparing) {
    EXPECT_TRUE(Check(u"ä", u"a:"));
    EXPECT_TRUE(Check(u"Grüße", u"Gru:s:e"));
    // A slash after a, A, c, e or E can never be typed as such.
    EXPECT_FALSE(Check(u"a/b", u"a/b"));
}

TEST_F(AnswerCheckTest, AnswerReadyForNext) {
    EXPECT_FALSE(teacher.IsAnswerReady(u""));
    EXPECT_FALSE(teacher.IsAnswerReady(u"."));
    EXPECT_FALSE(teacher.IsAnswerReady(u"\\"));
    EXPECT_TRUE(teacher.IsAnswerReady(u" "));
    EXPECT_TRUE(teacher.IsAnswerReady(u" ."));
    EXPECT_TRUE(teacher.IsAnswerReady(u".."));
    EXPECT_TRUE(teacher.IsAnswerReady(u"x"));
}

TEST_F(AnswerCheckTest, WrongAnswerMessageEndsWithTheStoredAnswer) {
    AddCards({{u"Strasse", u"street, road"}});
    teacher.Next(u"x");  // two queued copies already
    const std::u16string message = teacher.Next(u"y");
    EXPECT_EQ(teacher.GetCuesLeft(), 5);
    EXPECT_EQ(message.substr(message.find(u'\n') + 1), u"street, road");
}
