// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "engine/pass_clock.h"
#include "lexitra/lexitra.h"
#include "tests/support/teacher_fixture.h"

class StudyPassTest : public TeacherTest {
protected:
    void SetUp() override { AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}}); }
};

TEST_F(StudyPassTest, WrongAnswerQueuesTheCardTwiceMore) {
    EXPECT_EQ(teacher.Next(u"x"), LoadTranslatedUiString(40010) + u"\na");
    // It stays current, queued twice more; the progress, 100 - 500 / 3, is clamped.
    EXPECT_EQ(std::tuple(teacher.GetCurrentCue(), teacher.GetCuesLeft(), teacher.GetProgress()),
              std::tuple(u"A", 5, 0));

    // The card must now be answered right three times in all.
    EXPECT_EQ(AnswerTheRest(), (std::vector<std::u16string>{u"A", u"A", u"A", u"B", u"C"}));
    EXPECT_EQ(teacher.GetProgress(), 100);
}

TEST_F(StudyPassTest, IgnoreDropsEveryEntryOfTheCardWithoutADraw) {
    teacher.Next(u"wrong");
    teacher.Ignore();
    EXPECT_EQ(teacher.GetCurrentCue(), u"B");  // the end entry, not a random one
    EXPECT_EQ(teacher.GetElapsedMs(), 90000u);
    EXPECT_EQ(AnswerTheRest(), (std::vector<std::u16string>{u"B", u"C"}));
}

TEST_F(StudyPassTest, RestartQueuesEveryCardOnceAFinishedPassTakesNoCommandClearEmpties) {
    AnswerRight();
    ticks.Advance(1000);
    teacher.Restart();
    EXPECT_EQ(teacher.GetElapsedText(), u"");
    EXPECT_EQ(AnswerTheRest(), (std::vector<std::u16string>{u"A", u"B", u"C"}));
    // Commands on a finished pass do nothing.
    const uint32_t finished = teacher.GetElapsedMs();
    ticks.Advance(5000);
    EXPECT_EQ(teacher.Next(u"anything"), u"");
    teacher.Ignore();
    EXPECT_EQ(teacher.GetElapsedMs(), finished);

    teacher.Restart();
    AnswerRight();
    teacher.Clear();
    EXPECT_EQ(std::tuple(teacher.GetElapsedMs(), teacher.GetTotalCues(), teacher.GetProgress()),
              std::tuple(0u, 0, 100));
}

TEST(FormatTimeTest, MinutesAndSeconds) {
    EXPECT_EQ(cPassClock::Format(0), u"");
    EXPECT_EQ(cPassClock::Format(999), u"00 : 00");
    EXPECT_EQ(cTeacher::FormatTime((12 * 60 + 34) * 1000), u"12 : 34");
    EXPECT_EQ(cTeacher::FormatTime(100 * 60000), u"100 : 00");
}

TEST_F(StudyPassTest, ClockRunsFromTheFirstRightAnswerUntilTheLast) {
    teacher.Next(u"wrong");
    ticks.Advance(4000);
    EXPECT_EQ(teacher.GetElapsedText(), u"");  // a wrong answer does not start the clock
    AnswerRight();  // the clock starts here: time spent on the first card is not counted
    EXPECT_EQ(teacher.GetElapsedMs(), 0u);
    ticks.Advance(2500);
    EXPECT_EQ(teacher.GetElapsedText(), u"00 : 02");
    AnswerTheRest();
    ticks.Advance(60000);
    EXPECT_EQ(std::pair(teacher.IsClockRunning(), teacher.GetElapsedMs()), std::pair(false, 2500u));
}

// A penalty that moves the start exactly onto tick 0 must not stop the clock, and the time
// survives the wrap of the tick count past 2^32.
TEST_F(StudyPassTest, NeitherAClockStartOnTickZeroNorTheWrapOfTheTickCountLosesTime) {
    ticks.Set(cTeacher::kIgnorePenaltyMs);
    AnswerRight();
    teacher.Ignore();
    ticks.Advance(1000);
    EXPECT_TRUE(teacher.IsClockRunning());
    EXPECT_NEAR(teacher.GetElapsedMs(), 31000u, 1);

    teacher.Restart();
    ticks.Set(UINT32_MAX - 1000);
    AnswerRight();
    ticks.Advance(3000);
    EXPECT_EQ(teacher.GetElapsedMs(), 3000u);
}

// Teachers seeded from different ticks: the draw after a right answer and after Restart
// must reach every remaining entry, while Ignore takes the entry at the end without one.
// With A B C D loaded (queued D C B A, A current), a right answer leaves D C B and moves one
// of them to the end; Ignore then leaves the entry before it current: which one follows
// from the card drawn, never from a second draw.
class CardDrawTest : public TeacherTest {};

TEST_F(CardDrawTest, NextAndRestartDrawAnyEntryIgnoreTakesTheEnd) {
    const std::map<std::u16string, std::u16string> afterIgnore = {
        {u"D", u"B"}, {u"C", u"B"}, {u"B", u"C"}};
    std::set<std::u16string> afterNext, afterRestart;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        ticks.Set(seed * 7919);
        cTeacher seeded(profile, ticks);
        AddCards({{u"A", u"A"}, {u"B", u"B"}, {u"C", u"C"}, {u"D", u"D"}}, &seeded);
        seeded.Next(u"A");
        const std::u16string drawn = seeded.GetCurrentCue();
        afterNext.insert(drawn);
        seeded.Ignore();
        EXPECT_EQ(seeded.GetCurrentCue(), afterIgnore.at(drawn));
        seeded.Restart();
        afterRestart.insert(seeded.GetCurrentCue());
    }
    EXPECT_EQ(afterNext, (std::set<std::u16string>{u"B", u"C", u"D"}));
    EXPECT_EQ(afterRestart, (std::set<std::u16string>{u"A", u"B", u"C", u"D"}));
}
