// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "engine/answer_grader.h"
#include "engine/card_memory_key.h"
#include "engine/memory_schedule.h"

void PrintTo(const sMemoryState& state, std::ostream* out) {
    *out << "{S " << state.stability << ", D " << state.difficulty << ", at " << state.lastReviewMs
         << ", due " << state.dueDay << ", reps " << state.reps << ", lapses " << state.lapses
         << ", usual " << state.usualAnswerMs << " ms}";
}

namespace {

constexpr int64_t kNoon = 20'000 * cFsrsScheduler::kDayMs + 12 * 3'600'000;
constexpr int64_t kDay = cFsrsScheduler::kDayMs;

TEST(AnswerGraderTest, GradesWhatTheLearnerDidAgainstTheCardsOwnTime) {
    const struct {
        const char* name;
        bool missed;
        uint32_t answerMs;
        uint32_t usualMs;
        eGrade grade;
    } rows[] = {
        {"wrong or Ignored", true, 4000, 4000, eGrade::Again},
        {"missed however fast", true, 100, 8000, eGrade::Again},
        {"first right answer, however slow", false, 50000, 0, eGrade::Good},
        {"half the usual time", false, 2000, 4000, eGrade::Easy},
        {"just over half", false, 2001, 4000, eGrade::Good},
        {"the usual time", false, 4000, 4000, eGrade::Good},
        {"twice the usual time", false, 8000, 4000, eGrade::Good},
        {"over twice the usual time", false, 8001, 4000, eGrade::Hard},
        {"a short card, a second and a half slower", false, 2500, 1000, eGrade::Good},
        {"a short card, three seconds slower", false, 4000, 1000, eGrade::Hard},
        {"times near the top of the range", false, 2'000'000'000, 4'000'000'000u, eGrade::Easy},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cAnswerGrader::Grade(row.missed, row.answerMs, row.usualMs), row.grade);
    }
}

TEST(AnswerGraderTest, TheUsualTimeFollowsRightAnswersAQuarterAtATime) {
    const struct {
        const char* name;
        uint32_t usualMs;
        uint32_t answerMs;
        uint32_t nextMs;
    } rows[] = {
        {"the first answer sets it", 0, 3000, 3000},
        {"faster", 4000, 2000, 3500},
        {"slower", 4000, 8000, 5000},
        {"an instant answer still takes time", 0, 0, 1},
        {"a long absence counts as a minute", 4000, 3'600'000, 18000},
        {"a first long absence too", 0, 3'600'000, 60000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cAnswerGrader::NextUsualMs(row.usualMs, row.answerMs), row.nextMs);
    }
}

class MemoryScheduleTest : public ::testing::Test {
protected:
    // Answers the card right in answerMs on each of the next days.
    void AnswerDaily(cCardMemoryKey key, std::vector<uint32_t> times) {
        for (const uint32_t answerMs : times) {
            memory.Answer(key, false, answerMs, now);
            now += kDay;
        }
    }

    cFsrsScheduler scheduler;
    cMemorySchedule memory{scheduler};
    int64_t now = kNoon;
    const cCardMemoryKey phrase{u"Es regnet in Strömen", u"it is raining cats and dogs"};
    const cCardMemoryKey word{u"Hund", u"dog"};
};

// Three seconds is fast for a long phrase and slow for a short word.
TEST_F(MemoryScheduleTest, EachAnswerIsGradedByItsOwnCardsTimesAndScheduled) {
    AnswerDaily(phrase, {9000, 8000, 8000});
    AnswerDaily(word, {800, 1000, 1000});
    const struct {
        const char* name;
        cCardMemoryKey key;
        bool missed;
        uint32_t answerMs;
        eGrade grade;
        uint32_t usualMs;  // after the answer
    } rows[] = {
        {"phrase, fast for it", phrase, false, 3000, eGrade::Easy, 7173},
        {"word, slow for it", word, false, 4500, eGrade::Hard, 1790},
        {"word, wrong: its time does not count", word, true, 100, eGrade::Again, 1790},
        {"phrase, as usual", phrase, false, 7000, eGrade::Good, 7130},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const sMemoryState before = memory.Find(row.key);
        const sMemoryState& after = memory.Answer(row.key, row.missed, row.answerMs, now);
        sMemoryState expected = scheduler.Review(before, row.grade, now);
        expected.usualAnswerMs = row.usualMs;
        EXPECT_EQ(after, expected);
        EXPECT_EQ(memory.Find(row.key), expected);
        now += 3 * kDay;
    }
    EXPECT_EQ(memory.GetSize(), 2u);
}

TEST_F(MemoryScheduleTest, CountsTheLoadedCardsDueByTheirDay) {
    const cCardMemoryKey unseen{u"Katze", u"cat"};
    const cCardMemoryKey restoredNew{u"Maus", u"mouse"};
    const int32_t today = cFsrsScheduler::DayOf(now);
    sMemoryState dueToday;
    dueToday.stability = 5;
    dueToday.difficulty = 5;
    dueToday.reps = 3;
    dueToday.dueDay = today;
    sMemoryState dueTomorrow = dueToday;
    dueTomorrow.dueDay = today + 1;
    memory.Restore(phrase, dueToday);
    memory.Restore(word, dueTomorrow);
    memory.Restore(restoredNew, sMemoryState{});
    const std::vector<cCardMemoryKey> loaded = {phrase, word, unseen, restoredNew, phrase};
    const struct {
        const char* name;
        int32_t day;
        int due;
    } rows[] = {
        {"yesterday", today - 1, 0},
        {"today: the phrase, loaded twice", today, 2},
        {"tomorrow", today + 1, 3},
        {"in a year: new cards are never due", today + 365, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(memory.CountDue(loaded, row.day), row.due);
    }
    EXPECT_EQ(memory.CountDue({}, today), 0);

    // Keys that share a place in the count's table, and the key 0.
    const std::vector<cCardMemoryKey> odd = {cCardMemoryKey(1), cCardMemoryKey(uint64_t{1} << 32),
                                             cCardMemoryKey(0), cCardMemoryKey(3)};
    for (const cCardMemoryKey key : odd) {
        memory.Restore(key, dueToday);
    }
    EXPECT_EQ(memory.CountDue(odd, today), 4);
    EXPECT_EQ(memory.CountDue({cCardMemoryKey(2), cCardMemoryKey((uint64_t{1} << 32) + 1)}, today),
              0);

    // Memories from a damaged store are learned anew, never due.
    const struct {
        const char* name;
        double stability;
        double difficulty;
    } damaged[] = {
        {"no stability", 0, 5},
        {"stability not a number", std::nan(""), 5},
        {"stability past the longest", 1e9, 5},
        {"difficulty below 1", 10, 0},
        {"difficulty not a number", 10, std::nan("")},
        {"difficulty above 10", 10, 11},
    };
    for (const auto& row : damaged) {
        SCOPED_TRACE(row.name);
        sMemoryState state = dueToday;
        state.stability = row.stability;
        state.difficulty = row.difficulty;
        memory.Restore(phrase, state);
        EXPECT_TRUE(memory.Find(phrase).IsNew());
        EXPECT_EQ(memory.CountDue({phrase}, today), 0);
    }

    // A first answer makes a card due after its interval.
    memory.Answer(unseen, false, 2000, now);
    EXPECT_EQ(memory.CountDue({unseen}, today), 0);
    EXPECT_EQ(memory.CountDue({unseen}, today + scheduler.IntervalDays(3.173)), 1);
}

// The key is kept with each memory, so its values never change; they are FNV-1a over
// 16-bit units of the cue's length and both texts, worked out apart from this code.
TEST(CardMemoryKeyTest, TheTextsAndTheirDirectionMakeAStableKey) {
    const struct {
        const char* name;
        std::u16string cue;
        std::u16string answer;
        uint64_t value;
    } rows[] = {
        {"a word", u"Hund", u"dog", 0xd4e9ac9322de7f34},
        {"the same word reversed", u"dog", u"Hund", 0x197896e103f7f1fd},
        {"a text split one way", u"ab", u"c", 0x6fb5de8fa8b485eb},
        {"the same text split another way", u"a", u"bc", 0xca907677e91e9e04},
        {"Latin-1", u"Mädchen", u"girl", 0xe4eae9ca2996f7b7},
        {"Japanese", u"猫", u"cat", 0x32730185866d48e7},
        {"beyond 16 bits", u"😀", u"smile", 0xf281d4fe858f83bc},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cCardMemoryKey(row.cue, row.answer).GetValue(), row.value);
        // The texts alone decide it: the same card from another file is the same memory.
        EXPECT_EQ(cCardMemoryKey(std::u16string(row.cue), std::u16string(row.answer)),
                  cCardMemoryKey(row.cue, row.answer));
    }
}

}  // namespace
