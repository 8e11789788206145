// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <set>

#include "i18n/lexitra/lexitra.h"
#include "tests/support/teacher_fixture.h"

class StudyPassTest : public TeacherTest {
protected:
    void SetUp() override { AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}}); }
};

TEST_F(StudyPassTest, WrongAnswerQueuesTheCardTwiceMore) {
    EXPECT_EQ(teacher.Next(u"x"), LoadTranslatedUiString(40010) + u"\na");
    EXPECT_EQ(ToDoIds(), (std::vector<uint32_t>{100, 100, 102, 101, 100}));  // A stays current
    EXPECT_EQ(teacher.GetProgress(), 0);  // 100 - 500 / 3 is clamped

    // The card must now be answered right three times in all.
    int answersForA = 0;
    while (teacher.GetCuesLeft() > 0) {
        answersForA += teacher.GetCurrentCue() == u"A" ? 1 : 0;
        AnswerRight();
    }
    EXPECT_EQ(answersForA, 3);
    EXPECT_EQ(teacher.GetProgress(), 100);
}

TEST_F(StudyPassTest, IgnoreDropsEveryEntryOfTheCardWithoutADraw) {
    teacher.Next(u"wrong");
    teacher.Ignore();
    EXPECT_EQ(ToDoIds(), (std::vector<uint32_t>{102, 101}));
    EXPECT_EQ(teacher.GetCurrentCue(), u"B");  // the end entry, not a random one
    EXPECT_EQ(teacher.GetElapsedMs(), 90000u);
}

TEST_F(StudyPassTest, CommandsOnAnEmptyToDoListDoNothing) {
    while (teacher.GetCuesLeft() > 0) {
        AnswerRight();
    }
    const uint32_t finished = teacher.GetElapsedMs();
    ticks.Advance(5000);
    EXPECT_EQ(teacher.Next(u"anything"), u"");
    teacher.Ignore();
    EXPECT_EQ(teacher.GetElapsedMs(), finished);
}

TEST_F(StudyPassTest, RestartAndClearQueueEveryCardOnceAndStopTheClock) {
    AnswerRight();
    ticks.Advance(1000);
    teacher.Restart();
    EXPECT_EQ(teacher.GetElapsedText(), u"");
    const std::vector<uint32_t> ids = ToDoIds();
    EXPECT_EQ(std::set<uint32_t>(ids.begin(), ids.end()), (std::set<uint32_t>{100, 101, 102}));

    AnswerRight();
    teacher.Clear();
    EXPECT_EQ(teacher.GetElapsedMs(), 0u);
    EXPECT_EQ(teacher.GetTotalCues(), 0);
    EXPECT_EQ(teacher.GetProgress(), 100);
}

// Teachers seeded from different ticks: the draw after a right answer and after Restart
// must reach every remaining entry, while Ignore takes the entry at the end without one.
TEST(RandomDrawTest, NextAndRestartDrawAnyEntryIgnoreTakesTheEnd) {
    std::set<std::u16string> afterNext;
    std::set<std::u16string> afterRestart;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        cMemoryProfile profile;
        cFakeTickSource ticks(seed * 7919);
        cTeacher teacher(profile, ticks);
        for (const char16_t* cue : {u"A", u"B", u"C", u"D"}) {
            teacher.AddCard(cCueLine(cue, cue));
        }
        teacher.Next(u"A");
        afterNext.insert(teacher.GetCurrentCue());
        const std::vector<cCueLineKey> keys = teacher.GetToDoKeys();
        teacher.Ignore();
        EXPECT_EQ(teacher.GetCurrentKey(), keys[keys.size() - 2]);
        teacher.Restart();
        afterRestart.insert(teacher.GetCurrentCue());
    }
    EXPECT_EQ(afterNext, (std::set<std::u16string>{u"B", u"C", u"D"}));
    EXPECT_EQ(afterRestart, (std::set<std::u16string>{u"A", u"B", u"C", u"D"}));
}
