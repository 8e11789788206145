// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/memory_pass_history.h"
#include "tests/support/teacher_fixture.h"

namespace {

template <typename T>
bool SameItems(const std::vector<T>& items, const std::vector<T>& expected) {
    return std::is_permutation(items.begin(), items.end(), expected.begin(), expected.end());
}

}  // namespace

// What a finished pass reports to the history, and the review of its missed cards.
class PassReportTest : public TeacherTest {
protected:
    void SetUp() override {
        teacher.SetPassHistory(&history);
        teacher.AddLoadedFile(u"/cards/Verbs.recallix");
        AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}});
    }
    void AnswerWrong() { EXPECT_NE(teacher.Next(u"nonsense"), u""); }
    // Answers every card left right, a second apart.
    void AnswerAllRight() { AnswerTheRest(1000); }
    uint32_t Fastest() const {
        return profile.GetProfileInt(u"FastestTimes", u"verbs_recallix", 0);
    }

    cMemoryPassHistory history;
};

TEST_F(PassReportTest, FullPassReportsItsMissesWhoseReviewNeverRecordsAFastestTime) {
    const cCueLine first = teacher.GetCurrentCard();
    AnswerWrong();
    AnswerWrong();  // the same card, twice wrong
    AnswerRight();  // starts the clock
    ticks.Advance(2000);
    const cCueLine ignored = teacher.GetCurrentCard();
    teacher.Ignore();  // one entry: 30 s
    EXPECT_TRUE(history.GetPasses().empty());
    AnswerAllRight();

    ASSERT_EQ(history.GetPasses().size(), 1u);
    const sPassRecord full = history.GetPasses()[0];
    EXPECT_EQ(full.files, u"Verbs.recallix");
    EXPECT_EQ(full.wrongAnswers, 2);
    EXPECT_EQ(full.ignoredCards, 1);
    EXPECT_FALSE(full.review);
    EXPECT_TRUE(SameItems(full.missed, {{first.GetCue(), first.GetAnswer(), 2, false},
                                        {ignored.GetCue(), ignored.GetAnswer(), 0, true}}));

    ASSERT_TRUE(teacher.StartReview());
    teacher.Restart();  // during a review: a full pass again
    EXPECT_EQ(teacher.GetCuesLeft(), 3);
    ASSERT_TRUE(teacher.StartReview());
    std::vector<std::u16string> reviewed = {teacher.GetCurrentCue()};
    AnswerRight();
    ticks.Advance(100);
    reviewed.push_back(teacher.GetCurrentCue());
    AnswerRight();  // 100 ms: far faster than any full pass
    EXPECT_TRUE(SameItems(reviewed, {first.GetCue(), ignored.GetCue()}));
    EXPECT_EQ(Fastest(), full.timeMs);
    ASSERT_EQ(history.GetPasses().size(), 2u);
    EXPECT_EQ(std::pair(history.GetPasses()[1].cards, history.GetPasses()[1].review),
              std::pair(2, true));

    // Restart returns to full passes, whose times count again.
    teacher.Restart();
    EXPECT_EQ(teacher.GetCuesLeft(), 3);
    AnswerRight();
    ticks.Advance(100);
    AnswerRight();
    AnswerRight();
    EXPECT_EQ(Fastest(), 100u);
}

TEST_F(PassReportTest, RestartCountsAnewLoadedCardsJoinAReviewAndClearForgetsTheMisses) {
    AnswerWrong();
    teacher.Restart();  // the misses of an unfinished pass are not carried over
    AnswerAllRight();
    EXPECT_EQ(history.GetPasses().back().wrongAnswers, 0);

    AnswerRight();  // finished: nothing happens
    teacher.Restart();
    teacher.Ignore();
    AnswerAllRight();
    // Cards loaded during a review join it.
    ASSERT_TRUE(teacher.StartReview());
    ASSERT_TRUE(teacher.LoadCueFile(dir.Write("more.recallix", "D = d\n"), false));
    AnswerAllRight();
    EXPECT_EQ(history.GetPasses().back().cards, 2);

    teacher.Restart();
    teacher.Ignore();
    AnswerAllRight();
    EXPECT_TRUE(teacher.HasMissesToReview());
    teacher.Clear();
    EXPECT_FALSE(teacher.StartReview());
}
