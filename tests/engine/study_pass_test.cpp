// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "lexitra/lexitra.h"
#include "tests/support/teacher_fixture.h"

class StudyPassTest : public TeacherTest {
protected:
    void SetUp() override { AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}}); }
};

TEST_F(StudyPassTest, WrongAnswerQueuesTheCardTwiceMore) {
    EXPECT_EQ(teacher.Next(u"x"), LoadTranslatedUiString(40010) + u"\na");
    EXPECT_EQ(teacher.GetCurrentCue(), u"A");  // it stays current
    EXPECT_EQ(teacher.GetCuesLeft(), 5);
    EXPECT_EQ(teacher.GetProgress(), 0);  // 100 - 500 / 3 is clamped

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
    EXPECT_EQ(teacher.GetElapsedMs(), 0u);
    EXPECT_EQ(teacher.GetTotalCues(), 0);
    EXPECT_EQ(teacher.GetProgress(), 100);
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
    std::set<std::u16string> afterNext;
    std::set<std::u16string> afterRestart;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        ticks.Set(seed * 7919);
        cTeacher teacher(profile, ticks);
        AddCards(teacher, {{u"A", u"A"}, {u"B", u"B"}, {u"C", u"C"}, {u"D", u"D"}});
        teacher.Next(u"A");
        const std::u16string drawn = teacher.GetCurrentCue();
        afterNext.insert(drawn);
        teacher.Ignore();
        EXPECT_EQ(teacher.GetCurrentCue(), afterIgnore.at(drawn));
        teacher.Restart();
        afterRestart.insert(teacher.GetCurrentCue());
    }
    EXPECT_EQ(afterNext, (std::set<std::u16string>{u"B", u"C", u"D"}));
    EXPECT_EQ(afterRestart, (std::set<std::u16string>{u"A", u"B", u"C", u"D"}));
}
