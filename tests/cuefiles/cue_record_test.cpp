// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "cuefiles/cue_record.h"

namespace {

using Pair = std::pair<std::u16string, std::u16string>;

// The pair, or two empty texts when the line is no card.
Pair Split(std::u16string_view line, bool reversed = false) {
    std::u16string_view cue;
    std::u16string_view answer;
    return SplitCueRecord(line, reversed, cue, answer) ? Pair(cue, answer) : Pair();
}

}  // namespace

TEST(CueRecordTest, SplitsAtTheFirstEqualsSign) {
    EXPECT_EQ(Split(u"1 + 1 = 2 = two"), Pair(u"1 + 1", u"2 = two"));
    EXPECT_EQ(Split(u"1 + 1 = 2 = two", true), Pair(u"2 = two", u"1 + 1"));
    EXPECT_EQ(Split(u"\t\u3000cue\r =\v answer \r\u00A0"), Pair(u"cue", u"answer"));
    EXPECT_EQ(Split(u"a==b"), Pair(u"a", u"=b"));
    for (const std::u16string_view line :
         {u"Vocabulary, chapter 3", u"= nothing", u"nothing =", u"  =  ", u"    ", u""}) {
        EXPECT_EQ(Split(line), Pair());
        EXPECT_EQ(Split(line, true), Pair());
    }
}
