// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "cuefiles/fastest_time_key.h"
#include "platform/memory_pass_history.h"
#include "tests/support/teacher_fixture.h"
#include "text/file_title.h"

template <typename T>
static bool SameItems(const std::vector<T>& items, const std::vector<T>& expected) {
    return std::is_permutation(items.begin(), items.end(), expected.begin(), expected.end());
}

TEST(FastestTimeKeyTest, KeysAndTitlesFromLoadedFiles) {
    // Only "/" separates folders: a backslash or a colon is part of the name.
    const std::tuple<const char*, std::vector<std::u16string>, std::u16string, std::u16string>
        rows[] = {
            {"Plain", {u"/cards/French Verbs.recallix"}, u"french_verbs_recallix", u"French Verbs"},
            {"Reversed", {u"/A/V.recallix", u"/B/N.recallix-"}, u"v_recallix___n_recallix_", u"N"},
            {"NotAscii", {u"/E/Übung 2.recallix"}, u"_bung_2_recallix", u"Übung 2"},
            {"Relative", {u"Verbs.recallix"}, u"verbs_recallix", u"Verbs"},
            {"Backslash", {u"/cards/a\\b.recallix"}, u"a_b_recallix", u"a\\b"},
            {"Colon", {u"/cards/C:Verbs.recallix"}, u"c_verbs_recallix", u"C:Verbs"},
            {"MoreDots", {u"/cards/unit.3.recallix"}, u"unit_3_recallix", u"unit.3"},
        };
    for (const auto& [name, paths, key, lastTitle] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(MakeFastestTimeKey(JoinFileNames(paths)), key);
        EXPECT_EQ(FileTitleOfPath(paths.back()), lastTitle);
    }
}

// What a finished pass reports to the history and to the fastest times, and the review of
// its missed cards.
class PassReportTest : public TeacherTest {
protected:
    void SetUp() override {
        teacher.SetPassHistory(&history);
        teacher.AddLoadedFile(files[0]);
        AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}});
    }
    void AnswerWrong() { EXPECT_NE(teacher.Next(u"nonsense"), u""); }
    // Runs a pass over two fresh cards that takes ms from the first right answer.
    void RunPass(uint32_t ms) {
        teacher.Clear();
        for (const auto& path : files) {
            teacher.AddLoadedFile(path);
        }
        AddCards({{u"A", u"a"}, {u"B", u"b"}});
        AnswerRight();
        ticks.Advance(ms);
        AnswerRight();
    }
    uint32_t Fastest(const char16_t* key = u"verbs_recallix") const {
        return profile.GetProfileInt(u"FastestTimes", key, 0);
    }

    std::vector<std::u16string> files{u"/cards/Verbs.recallix"};
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
    AnswerTheRest(1000);

    ASSERT_EQ(history.GetPasses().size(), 1u);
    const sPassRecord full = history.GetPasses()[0];
    EXPECT_EQ(std::tuple(full.files, full.wrongAnswers, full.ignoredCards, full.review),
              std::tuple(u"Verbs.recallix", 2, 1, false));
    EXPECT_TRUE(SameItems(full.missed, {{first.GetCue(), first.GetAnswer(), 2, false},
                                        {ignored.GetCue(), ignored.GetAnswer(), 0, true}}));

    ASSERT_TRUE(teacher.StartReview());
    teacher.Restart();  // during a review: a full pass again
    EXPECT_EQ(teacher.GetCuesLeft(), 3);
    ASSERT_TRUE(teacher.StartReview());
    // 100 ms: far faster than any full pass
    EXPECT_TRUE(SameItems(AnswerTheRest(100), {first.GetCue(), ignored.GetCue()}));
    EXPECT_EQ(Fastest(), full.timeMs);
    ASSERT_EQ(history.GetPasses().size(), 2u);
    EXPECT_EQ(std::pair(history.GetPasses()[1].cards, history.GetPasses()[1].review),
              std::pair(2, true));

    // Restart returns to full passes, whose times count again.
    teacher.Restart();
    EXPECT_EQ(teacher.GetCuesLeft(), 3);
    AnswerTheRest(50);
    EXPECT_EQ(Fastest(), 100u);
}

TEST_F(PassReportTest, RestartCountsAnewLoadedCardsJoinAReviewAndClearForgetsTheMisses) {
    AnswerWrong();
    teacher.Restart();  // the misses of an unfinished pass are not carried over
    AnswerTheRest(1000);
    EXPECT_EQ(history.GetPasses().back().wrongAnswers, 0);

    AnswerRight();  // finished: nothing happens
    teacher.Restart();
    teacher.Ignore();
    AnswerTheRest(1000);
    // Cards loaded during a review join it.
    ASSERT_TRUE(teacher.StartReview());
    ASSERT_TRUE(teacher.LoadCueFile(dir.Write("more.recallix", "D = d\n"), false));
    AnswerTheRest(1000);
    EXPECT_EQ(history.GetPasses().back().cards, 2);

    teacher.Restart();
    teacher.Ignore();
    AnswerTheRest(1000);
    EXPECT_TRUE(teacher.HasMissesToReview());
    teacher.Clear();
    EXPECT_FALSE(teacher.StartReview());
}

// Only strictly faster passes are stored, per combination of files; penalties count, but a
// pass that took no time or whose cards come from no file is never stored.
TEST_F(PassReportTest, OnlyStrictlyFasterPassesAreStoredPerCombinationOfFiles) {
    RunPass(0);
    EXPECT_EQ(profile.GetValueCount(), 0);
    teacher.Restart();
    teacher.Ignore();
    teacher.Ignore();
    EXPECT_EQ(Fastest(), 60000u);
    EXPECT_EQ(profile.GetValueCount(), 1);  // the record alone: nothing of the working set
    for (const uint32_t ms : {9000, 12000, 9000}) {
        RunPass(ms);
        EXPECT_EQ(Fastest(), 9000u);
        EXPECT_EQ(teacher.GetFastestText(), u"00 : 09");
    }
    files = {u"/cards/Verbs.recallix-"};
    RunPass(20000);
    EXPECT_EQ(Fastest(u"verbs_recallix_"), 20000u);
    files = {u"/cards/Verbs.recallix"};
    RunPass(8000);
    EXPECT_EQ(Fastest(), 8000u);
    EXPECT_EQ(Fastest(u"verbs_recallix_"), 20000u);
    teacher.SetPassHistory(nullptr);  // the records live in the settings, not in the history
    EXPECT_EQ(teacher.GetFastestText(), u"00 : 08");
    files.clear();  // cards read from no file have no record
    RunPass(5000);
    EXPECT_EQ(profile.GetValueCount(), 2);  // the two records above
}
