// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The memory schedule: the model's reviews, days and intervals, the grades of a pass, the
// memories kept by card and the due count, and the card keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "engine/answer_grader.h"
#include "engine/card_memory_key.h"
#include "engine/memory_schedule.h"

void PrintTo(const sMemoryState& state, std::ostream* out) {
    *out << "{S " << state.stability << ", D " << state.difficulty << ", at " << state.lastReviewMs
         << ", due " << state.dueDay << ", first " << state.firstDay << ", reps " << state.reps
         << ", lapses " << state.lapses << ", usual " << state.usualAnswerMs << " ms}";
}

namespace {

constexpr int32_t kToday = 20'000;
constexpr int64_t kDay = cFsrsScheduler::kDayMs;

// The local time at hour:minute on the calendar date that day begins on (day 0 began on
// 1970-01-01 at 04:00, so At(d, 3) still belongs to day d - 1, and At(d, 27) to day d).
int64_t At(int32_t day, int hour, int minute = 0) {
    return day * kDay + (hour * 60 + minute) * 60'000;
}

// Review sequences and what ts-fsrs 4.7.1 (an independent implementation of the same
// model) makes of them, in the format of fsrs_reference.mjs: first the name and the desired
// retention, then one review a line: the days since the review before, the grade, the
// recall before it, the stability and difficulty after it, and the interval.
const std::vector<std::vector<std::string>> kReferenceSequences = {
    {"FirstHard 0.9", "0 2 0 1.18385 6.48830527 1"},
    {"EveryGradeWithSameDayRepeatsAndALongGap 0.9", "0 3 0 3.173 5.28243442 3",
     "3 3 0.90469821 10.73892592 5.27296793 11", "0 1 1 5.38050821 6.79056769 5",
     "1 2 0.97888985 5.81827927 7.29255206 6", "0 4 1 13.72971298 6.83653139 14",
     "10 4 0.92416591 60.88146129 6.30895184 61", "40 1 0.9308411 4.43137614 7.48712134 4",
     "2 3 0.95093007 7.56788844 7.46751329 8", "800 3 0.19688959 132.43743061 7.44799544 132",
     "5 1 0.99560129 5.11717331 8.25296815 5"},
    {"EasyForDecadesReachesTheLongestInterval 0.8", "0 4 0 15.69105 3.22450159 38",
     "20 4 0.87740127 179.74814532 2.13012146 431", "90 4 0.94598943 861.37588898 1 2066",
     "400 4 0.94961705 3706.05791187 1 8887", "2000 4 0.94214508 15562.09404461 1 36500",
     "6000 4 0.95763382 36500 1 36500", "20000 4 0.9413332 36500 1 36500"},
    {"ForgottenAllDayKeepsTheLeastStabilityAndADay 0.9", "0 1 0 0.40255 7.1949 1",
     "0 1 1 0.20168903 8.08279701 1", "0 1 1 0.10105196 8.67978303 1",
     "0 1 1 0.05062991 9.08117226 1", "0 1 1 0.02536703 9.35105013 1",
     "0 1 1 0.01270961 9.53250508 1", "0 1 1 0.01 9.65450804 1", "3 1 0.11836983 0.01 9.7365379 1",
     "0 3 1 0.01407771 9.70658253 1", "1 3 0.23794447 0.18082939 9.67676496 1"},
};

// Each review at another hour of its day, some of them after midnight, so that the days
// between reviews are counted from the clock; a repeat on the same day ten minutes later.
TEST(FsrsSchedulerTest, MatchesAnIndependentImplementation) {
    for (const std::vector<std::string>& lines : kReferenceSequences) {
        const cFsrsScheduler scheduler(std::stod(lines[0].substr(lines[0].find(' '))));
        sMemoryState state;
        int64_t day = kToday, now = 0, lapses = 0;
        for (size_t i = 1; i < lines.size(); ++i) {
            SCOPED_TRACE(lines[0] + ", review " + lines[i]);
            double days = 0, grade = 0, recall = 0, stability = 0, difficulty = 0, interval = 0;
            std::istringstream(lines[i]) >> days >> grade >> recall >> stability >> difficulty >>
                interval;
            day += static_cast<int64_t>(days);
            now = i > 1 && days == 0 ? now + 600'000 : At(day, 4 + static_cast<int>(i * 7 % 24));
            EXPECT_NEAR(scheduler.Retrievability(state, now), recall, 1e-6);
            lapses += i > 1 && grade == 1;
            state = scheduler.Review(state, static_cast<eGrade>(grade), now);
            EXPECT_NEAR(state.stability, stability, 1e-6 * std::max(1.0, stability));
            EXPECT_NEAR(state.difficulty, difficulty, 1e-6);
            EXPECT_EQ(std::tuple(state.dueDay - day, state.lastReviewMs, state.reps, state.lapses),
                      std::tuple(static_cast<int64_t>(interval), now, static_cast<int>(i), lapses));
        }
    }
}

// The days between reviews decide between a same-day review and a later one: a session
// after midnight belongs to the evening before, one after four to a new day; a clock that
// went backwards is a same-day review at the last review's time. Each row: the time of a
// Good, the time of a Good that must give the same memory, the review time it keeps and
// the recall at its time.
TEST(FsrsSchedulerTest, DaysStartAtFourAndDecideSameDayReviews) {
    // Four o'clock, a minute before, midnight, late evening; the first day, the night before
    // it, long before 1970.
    const auto dayOf = &cFsrsScheduler::DayOf;
    EXPECT_EQ(std::vector({dayOf(At(kToday, 4)), dayOf(At(kToday, 3, 59)), dayOf(At(kToday, 0)),
                           dayOf(At(kToday, 23, 59)), dayOf(At(0, 4)), dayOf(At(0, 3)),
                           dayOf(At(-1000, 12))}),
              std::vector({kToday, kToday - 1, kToday - 1, kToday, 0, -1, -1000}));

    const cFsrsScheduler scheduler;
    const sMemoryState learned = scheduler.Review({}, eGrade::Good, At(kToday, 22));
    const auto good = [&](int64_t time) { return scheduler.Review(learned, eGrade::Good, time); };
    EXPECT_LT(good(At(kToday, 23)).stability, good(At(kToday + 1, 5)).stability);
    const std::tuple<const char*, int64_t, int64_t, int64_t, double> rows[] = {
        {"after midnight", At(kToday + 1, 2), At(kToday, 23), At(kToday + 1, 2), 1},
        {"back by an hour", At(kToday, 21), At(kToday, 23), learned.lastReviewMs, 1},
        {"back by a year", At(kToday - 365, 12), At(kToday, 23), learned.lastReviewMs, 1},
        {"the next morning", At(kToday + 1, 4), At(kToday + 1, 5), At(kToday + 1, 4),
         cFsrsScheduler::Recall(1, learned.stability)}};
    for (const auto& [name, time, sameAs, kept, recall] : rows) {
        sMemoryState expected = good(sameAs);
        expected.lastReviewMs = kept;
        EXPECT_EQ(std::pair(good(time), scheduler.Retrievability(learned, time)),
                  std::pair(expected, recall))
            << name;
    }
}

// 90%: the stability, rounded down and up; 80%: longer; 70%: longest, and below 70% counts
// as 70%; 99%: shorter, and above 99% counts as 99%; never less than a day, never more than
// a century.
TEST(FsrsSchedulerTest, IntervalsFollowTheDesiredRetentionInWholeDays) {
    const auto interval = [](double retention, double stability) {
        return cFsrsScheduler(retention).IntervalDays(stability);
    };
    EXPECT_EQ(std::vector({interval(0.9, 10.49), interval(0.9, 10.51), interval(0.8, 10),
                           interval(0.7, 10), interval(0.5, 10), interval(0.99, 100),
                           interval(1, 100), interval(0.99, 0.01), interval(0.7, 36500)}),
              std::vector({10, 11, 24, 44, 44, 9, 9, 1, cFsrsScheduler::kMaximumIntervalDays}));
    EXPECT_EQ(cFsrsScheduler().GetDesiredRetention(), 0.9);
    // Recall falls to the desired retention after the unrounded interval.
    for (const double retention : {0.7, 0.8, 0.9, 0.99}) {
        const double exact = 10 * (std::pow(retention, -2) - 1) / cFsrsScheduler::kFactor;
        EXPECT_NEAR(cFsrsScheduler::Recall(exact, 10), retention, 1e-12) << retention;
    }
}

// Each row: whether the card was missed, the answer time and the card's usual time, then the
// grade and the usual time after a right answer in that time.
TEST(AnswerGraderTest, GradesWhatTheLearnerDidAgainstTheCardsOwnTime) {
    const std::tuple<const char*, bool, uint32_t, uint32_t, eGrade, uint32_t> rows[] = {
        {"wrong or Ignored", true, 4000, 4000, eGrade::Again, 4000},
        {"missed however fast", true, 100, 8000, eGrade::Again, 6025},
        {"a first right answer, however slow, sets it", false, 50000, 0, eGrade::Good, 50000},
        {"an instant first answer still takes time", false, 0, 0, eGrade::Good, 1},
        {"a first long absence counts as a minute", false, 3'600'000, 0, eGrade::Good, 60000},
        {"half the usual time, a quarter of it faster", false, 2000, 4000, eGrade::Easy, 3500},
        {"just over half", false, 2001, 4001, eGrade::Good, 3501},
        {"the usual time", false, 4000, 4000, eGrade::Good, 4000},
        {"twice the usual time, a quarter of it slower", false, 8000, 4000, eGrade::Good, 5000},
        {"over twice the usual time", false, 7999, 3999, eGrade::Hard, 4999},
        {"a short card, a second and a half slower", false, 2500, 1000, eGrade::Good, 1375},
        {"a short card, three seconds slower", false, 4000, 1000, eGrade::Hard, 1750},
        {"a long absence counts as a minute", false, 3'600'000, 4000, eGrade::Hard, 18000},
        {"near the top", false, 2'000'000'000, 4'000'000'000u, eGrade::Easy, 3'000'015'000u}};
    for (const auto& [name, missed, answerMs, usualMs, grade, nextMs] : rows) {
        EXPECT_EQ(std::pair(cAnswerGrader::Grade(missed, answerMs, usualMs),
                            cAnswerGrader::NextUsualMs(usualMs, answerMs)),
                  std::pair(grade, nextMs))
            << name;
    }
}

struct MemoryScheduleTest : ::testing::Test {
    // A memory restored from the store, due on day.
    sMemoryState Learned(int32_t day, double stability = 5, double difficulty = 5) const {
        return {.stability = stability, .difficulty = difficulty, .dueDay = day, .reps = 3};
    }

    cFsrsScheduler scheduler;
    cMemorySchedule memory{scheduler};
    int64_t now = At(kToday, 12);
    const cCardMemoryKey phrase{u"Es regnet in Strömen", u"it is raining cats and dogs"};
    const cCardMemoryKey word{u"Hund", u"dog"};
};

// Three seconds is fast for a long phrase and slow for a short word.
TEST_F(MemoryScheduleTest, EachAnswerIsGradedByItsOwnCardsTimesAndScheduled) {
    // The key, whether it was missed and in what time, the grade and the usual time after it.
    const std::tuple<const char*, cCardMemoryKey, bool, uint32_t, eGrade, uint32_t> rows[] = {
        {"phrase, first", phrase, false, 9000, eGrade::Good, 9000},
        {"word, first", word, false, 800, eGrade::Good, 800},
        {"phrase, fast for it", phrase, false, 3000, eGrade::Easy, 7500},
        {"word, slow for it", word, false, 4500, eGrade::Hard, 1725},
        {"word, wrong: its time does not count", word, true, 100, eGrade::Again, 1725},
        {"phrase, as usual", phrase, false, 7000, eGrade::Good, 7375}};
    for (const auto& [name, key, missed, answerMs, grade, usualMs] : rows) {
        SCOPED_TRACE(name);
        sMemoryState expected = scheduler.Review(memory.Find(key), grade, now);
        expected.usualAnswerMs = usualMs;
        EXPECT_EQ(memory.Answer(key, missed, answerMs, now), expected);
        EXPECT_EQ(memory.Find(key), expected);
        now += 3 * kDay;
    }
    EXPECT_EQ(memory.GetSize(), 2u);
}

TEST_F(MemoryScheduleTest, CountsTheLoadedCardsDueByTheirDay) {
    const cCardMemoryKey unseen{u"Katze", u"cat"}, restoredNew{u"Maus", u"mouse"};
    const cCardMemoryKey answered{u"Vogel", u"bird"};
    memory.Answer(answered, false, 2000, now);
    memory.Restore(phrase, Learned(kToday));
    memory.Restore(word, Learned(kToday + 1));
    memory.Restore(restoredNew, {});
    // Keys that share a place in the count's table, and the key 0; keys in their places.
    const std::vector odd = {cCardMemoryKey(1), cCardMemoryKey(uint64_t{1} << 32),
                             cCardMemoryKey(0), cCardMemoryKey(3)};
    const std::vector never = {cCardMemoryKey(2), cCardMemoryKey((uint64_t{1} << 32) + 1)};
    for (const cCardMemoryKey key : odd) {
        memory.Restore(key, Learned(kToday));
    }
    const std::vector loaded = {phrase, word, unseen, restoredNew, phrase};
    // Yesterday; today the phrase, loaded twice; tomorrow; in a year, when new cards are
    // still not due; nothing loaded; the odd keys; the keys never graded; a card answered
    // for the first time, not due until its interval has passed.
    EXPECT_EQ(std::vector({memory.CountDue(loaded, kToday - 1), memory.CountDue(loaded, kToday),
                           memory.CountDue(loaded, kToday + 1),
                           memory.CountDue(loaded, kToday + 365), memory.CountDue({}, kToday),
                           memory.CountDue(odd, kToday), memory.CountDue(never, kToday),
                           memory.CountDue({answered}, kToday + scheduler.IntervalDays(3.173) - 1),
                           memory.CountDue({answered}, kToday + scheduler.IntervalDays(3.173))}),
              std::vector({0, 2, 3, 3, 0, 4, 0, 0, 1}));

    // Memories from a damaged store are learned anew, never due.
    for (const sMemoryState& damaged :
         {Learned(kToday, 0), Learned(kToday, std::nan("")), Learned(kToday, 1e9),
          Learned(kToday, 10, 0), Learned(kToday, 10, std::nan("")), Learned(kToday, 10, 11)}) {
        memory.Restore(phrase, damaged);
        EXPECT_EQ(std::pair(memory.Find(phrase).IsNew(), memory.CountDue({phrase}, kToday)),
                  std::pair(true, 0))
            << testing::PrintToString(damaged);
    }
}

// The key is kept with each memory, so its values never change; they are FNV-1a over
// 16-bit units of the cue's length and both texts, worked out apart from this code: a word,
// the same texts from elsewhere (the texts alone decide it, so the same card from another
// file is the same memory), the word reversed, a text split one way and another, Latin-1,
// Japanese, and a character beyond 16 bits.
TEST(CardMemoryKeyTest, TheTextsAndTheirDirectionMakeAStableKey) {
    const auto key = [](std::u16string_view cue, std::u16string_view answer) {
        return cCardMemoryKey(cue, answer).GetValue();
    };
    EXPECT_EQ(
        std::vector({key(u"Hund", u"dog"), key(std::u16string(u"Hund"), std::u16string(u"dog")),
                     key(u"dog", u"Hund"), key(u"ab", u"c"), key(u"a", u"bc"),
                     key(u"Mädchen", u"girl"), key(u"猫", u"cat"), key(u"😀", u"smile")}),
        std::vector<uint64_t>({0xd4e9ac9322de7f34, 0xd4e9ac9322de7f34, 0x197896e103f7f1fd,
                               0x6fb5de8fa8b485eb, 0xca907677e91e9e04, 0xe4eae9ca2996f7b7,
                               0x32730185866d48e7, 0xf281d4fe858f83bc}));
}

}  // namespace
