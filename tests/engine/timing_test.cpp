// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include "engine/pass_clock.h"
#include "tests/support/teacher_fixture.h"

TEST(FormatTimeTest, MinutesAndSeconds) {
    EXPECT_EQ(cPassClock::Format(0), u"");
    EXPECT_EQ(cPassClock::Format(999), u"00 : 00");
    EXPECT_EQ(cTeacher::FormatTime((12 * 60 + 34) * 1000), u"12 : 34");
    EXPECT_EQ(cTeacher::FormatTime(100 * 60000), u"100 : 00");
}

using PassClockTest = TeacherTest;

TEST_F(PassClockTest, RunsFromTheFirstRightAnswerUntilTheLast) {
    AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}});
    teacher.Next(u"wrong");
    ticks.Advance(4000);
    EXPECT_EQ(teacher.GetElapsedText(), u"");  // a wrong answer does not start the clock
    AnswerRight();  // the clock starts here: time spent on the first card is not counted
    EXPECT_EQ(teacher.GetElapsedMs(), 0u);
    ticks.Advance(2500);
    EXPECT_EQ(teacher.GetElapsedText(), u"00 : 02");
    AnswerTheRest();
    ticks.Advance(60000);
    EXPECT_FALSE(teacher.IsClockRunning());
    EXPECT_EQ(teacher.GetElapsedMs(), 2500u);
}

// A penalty that moves the start exactly onto tick 0 must not stop the clock, and the time
// survives the wrap of the tick count past 2^32.
TEST_F(PassClockTest, NeitherAStartOnTickZeroNorTheWrapOfTheTickCountLosesTime) {
    AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}});
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
