// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include "accents/accent_list.h"
#include "engine/answer_checker.h"

class AnswerCheckTest : public ::testing::Test {
protected:
    bool Check(const std::u16string& expected, const std::u16string& typed) const {
        return checker.IsCorrectAnswer(cCueLine(u"cue", expected), typed);
    }

    const cAccentList accents = MakeStandardAccentList();
    const cAnswerChecker checker{accents};
};

TEST_F(AnswerCheckTest, ExactAfterTrimmingWithOneToleratedCharacterAfterIt) {
    for (const char16_t* typed : {u"dog", u"  dog\t", u"\u3000dog\u00A0", u"dog\\", u"dog'",
                                  u"dog]", u"dog/", u"dog.", u"dog!"}) {
        EXPECT_TRUE(Check(u"dog", typed)) << testing::PrintToString(std::u16string(typed));
    }
    // The rest is not trimmed again, and only one character is tolerated.
    for (const char16_t* typed : {u"Dog", u"", u"dog?", u"dog..", u"dog .", u"do g"}) {
        EXPECT_FALSE(Check(u"dog", typed)) << testing::PrintToString(std::u16string(typed));
    }
    // Typed combinations are substituted before comparing.
    EXPECT_TRUE(Check(u"Grüße", u"Gru:s:e"));
}

TEST_F(AnswerCheckTest, AnswerReadyForNext) {
    for (const char16_t* text : {u"", u".", u"\\"}) {
        EXPECT_FALSE(checker.IsAnswerReady(text));
    }
    for (const char16_t* text : {u" ", u" .", u"..", u"x"}) {
        EXPECT_TRUE(checker.IsAnswerReady(text));
    }
}
