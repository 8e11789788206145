// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/fsrs_scheduler.h"

namespace {

constexpr int64_t kHourMs = 3'600'000;
constexpr int64_t kMinuteMs = 60'000;
constexpr int32_t kFirstDay = 20'000;

// The local time at hour:minute on the calendar date that day begins on (day 0 began on
// 1970-01-01 at 04:00, so At(d, 3) still belongs to day d - 1).
int64_t At(int32_t day, int hour, int minute = 0) {
    return day * cFsrsScheduler::kDayMs + hour * kHourMs + minute * kMinuteMs;
}

// One review and what ts-fsrs 4.7.1 (an independent implementation of the same model)
// makes of it: the recall before it, the stability and difficulty after it, the interval.
struct sStep {
    int days;  // since the review before
    int grade;
    double recall;
    double stability;
    double difficulty;
    int interval;
};

struct sSequence {
    std::string name;
    double retention;
    std::vector<sStep> steps;
};

const std::vector<sSequence> kReferenceSequences = {
    {"FirstAgain", 0.9, {{0, 1, 0, 0.40255, 7.1949, 1}}},
    {"FirstHard", 0.9, {{0, 2, 0, 1.18385, 6.48830527, 1}}},
    {"FirstGood", 0.9, {{0, 3, 0, 3.173, 5.28243442, 3}}},
    {"FirstEasy", 0.9, {{0, 4, 0, 15.69105, 3.22450159, 16}}},
    {"EveryGradeWithSameDayRepeatsAndALongGap",
     0.9,
     {{0, 3, 0, 3.173, 5.28243442, 3},
      {3, 3, 0.90469821, 10.73892592, 5.27296793, 11},
      {0, 1, 1, 5.38050821, 6.79056769, 5},
      {1, 2, 0.97888985, 5.81827927, 7.29255206, 6},
      {0, 4, 1, 13.72971298, 6.83653139, 14},
      {10, 4, 0.92416591, 60.88146129, 6.30895184, 61},
      {40, 1, 0.9308411, 4.43137614, 7.48712134, 4},
      {2, 3, 0.95093007, 7.56788844, 7.46751329, 8},
      {800, 3, 0.19688959, 132.43743061, 7.44799544, 132},
      {5, 1, 0.99560129, 5.11717331, 8.25296815, 5}}},
    {"EasyForDecadesReachesTheLongestInterval",
     0.8,
     {{0, 4, 0, 15.69105, 3.22450159, 38},
      {20, 4, 0.87740127, 179.74814532, 2.13012146, 431},
      {90, 4, 0.94598943, 861.37588898, 1, 2066},
      {400, 4, 0.94961705, 3706.05791187, 1, 8887},
      {2000, 4, 0.94214508, 15562.09404461, 1, 36500},
      {6000, 4, 0.95763382, 36500, 1, 36500},
      {20000, 4, 0.9413332, 36500, 1, 36500}}},
    {"ForgottenAllDayKeepsTheLeastStabilityAndADay",
     0.9,
     {{0, 1, 0, 0.40255, 7.1949, 1},
      {0, 1, 1, 0.20168903, 8.08279701, 1},
      {0, 1, 1, 0.10105196, 8.67978303, 1},
      {0, 1, 1, 0.05062991, 9.08117226, 1},
      {0, 1, 1, 0.02536703, 9.35105013, 1},
      {0, 1, 1, 0.01270961, 9.53250508, 1},
      {0, 1, 1, 0.01, 9.65450804, 1},
      {3, 1, 0.11836983, 0.01, 9.7365379, 1},
      {0, 3, 1, 0.01407771, 9.70658253, 1},
      {1, 3, 0.23794447, 0.18082939, 9.67676496, 1}}},
};

class FsrsReferenceTest : public ::testing::TestWithParam<sSequence> {};

// Each review at another time of its day, some of them after midnight, so that the days
// between reviews are counted from the clock; a repeat on the same day ten minutes later.
TEST_P(FsrsReferenceTest, MatchesAnIndependentImplementation) {
    const sSequence& sequence = GetParam();
    const cFsrsScheduler scheduler(sequence.retention);
    sMemoryState state;
    int32_t day = kFirstDay;
    int64_t now = 0;
    int lapses = 0;
    for (size_t i = 0; i < sequence.steps.size(); ++i) {
        const sStep& step = sequence.steps[i];
        SCOPED_TRACE("review " + std::to_string(i + 1));
        day += step.days;
        now = i > 0 && step.days == 0 ? now + 10 * kMinuteMs
                                      : At(day, 6 + static_cast<int>(i * 7 % 21));
        EXPECT_NEAR(scheduler.Retrievability(state, now), step.recall, 1e-6);
        lapses += i > 0 && step.grade == 1;
        state = scheduler.Review(state, static_cast<eGrade>(step.grade), now);
        EXPECT_NEAR(state.stability, step.stability, 1e-6 * std::max(1.0, step.stability));
        EXPECT_NEAR(state.difficulty, step.difficulty, 1e-6);
        EXPECT_EQ(state.dueDay - day, step.interval);
        EXPECT_EQ(state.lastReviewMs, now);
    }
    EXPECT_EQ(state.reps, static_cast<int>(sequence.steps.size()));
    EXPECT_EQ(state.lapses, lapses);
}

INSTANTIATE_TEST_SUITE_P(Sequences, FsrsReferenceTest, ::testing::ValuesIn(kReferenceSequences),
                         [](const auto& info) { return info.param.name; });

TEST(FsrsSchedulerTest, DaysStartAtFourInTheMorning) {
    const struct {
        const char* name;
        int64_t time;
        int32_t day;
    } rows[] = {
        {"four o'clock", At(kFirstDay, 4), kFirstDay},
        {"a minute before four", At(kFirstDay, 3, 59), kFirstDay - 1},
        {"midnight", At(kFirstDay, 0), kFirstDay - 1},
        {"late evening", At(kFirstDay, 23, 59), kFirstDay},
        {"the first day", At(0, 4), 0},
        {"the night before 1970", At(0, 3), -1},
        {"long before 1970", At(-1000, 12), -1000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cFsrsScheduler::DayOf(row.time), row.day);
    }
}

// The days between reviews decide between a same-day review and a later one: a session
// after midnight belongs to the evening before, one after four to a new day; a clock that
// went backwards is a same-day review at the last review's time.
TEST(FsrsSchedulerTest, SameDayRepeatsLongGapsAndAClockThatWentBackwards) {
    const cFsrsScheduler scheduler;
    const int64_t first = At(kFirstDay, 22);
    const sMemoryState learned = scheduler.Review({}, eGrade::Good, first);
    const sMemoryState sameDay = scheduler.Review(learned, eGrade::Good, At(kFirstDay, 23));
    const sMemoryState nextDay = scheduler.Review(learned, eGrade::Good, At(kFirstDay + 1, 5));
    EXPECT_GT(sameDay.stability, learned.stability);
    EXPECT_GT(nextDay.stability, sameDay.stability);
    const struct {
        const char* name;
        int64_t time;
        const sMemoryState& expected;
        int64_t lastReview;
        double recall;
    } rows[] = {
        {"after midnight", At(kFirstDay + 1, 2), sameDay, At(kFirstDay + 1, 2), 1},
        {"back by an hour", At(kFirstDay, 21), sameDay, first, 1},
        {"back by a year", At(kFirstDay - 365, 12), sameDay, first, 1},
        {"the next morning", At(kFirstDay + 1, 4), nextDay, At(kFirstDay + 1, 4),
         cFsrsScheduler::Recall(1, learned.stability)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const sMemoryState state = scheduler.Review(learned, eGrade::Good, row.time);
        EXPECT_DOUBLE_EQ(state.stability, row.expected.stability);
        EXPECT_DOUBLE_EQ(state.difficulty, row.expected.difficulty);
        EXPECT_EQ(state.lastReviewMs, row.lastReview);
        EXPECT_EQ(state.dueDay,
                  cFsrsScheduler::DayOf(row.lastReview) + scheduler.IntervalDays(state.stability));
        EXPECT_DOUBLE_EQ(scheduler.Retrievability(learned, row.time), row.recall);
    }
    EXPECT_EQ(scheduler.Retrievability({}, first), 0.0);  // never graded

    // Ten years away: recall has all but gone, and a lapse keeps less than it had.
    const int64_t later = At(kFirstDay + 3650, 12);
    EXPECT_LT(scheduler.Retrievability(nextDay, later), 0.1);
    const sMemoryState lapsed = scheduler.Review(nextDay, eGrade::Again, later);
    EXPECT_LT(lapsed.stability, nextDay.stability);
    EXPECT_EQ(lapsed.lapses, 1);
    EXPECT_GE(lapsed.dueDay, cFsrsScheduler::DayOf(later) + 1);
}

TEST(FsrsSchedulerTest, IntervalsFollowTheDesiredRetentionInWholeDays) {
    EXPECT_EQ(cFsrsScheduler().GetDesiredRetention(), 0.9);
    const struct {
        const char* name;
        double retention;
        double stability;
        int interval;
    } rows[] = {
        {"90%: the stability, rounded down", 0.9, 10.49, 10},
        {"90%: the stability, rounded up", 0.9, 10.51, 11},
        {"80%: longer", 0.8, 10, 24},
        {"70%: longest", 0.7, 10, 44},
        {"below 70% counts as 70%", 0.5, 10, 44},
        {"99%: shorter", 0.99, 100, 9},
        {"above 99% counts as 99%", 1.0, 100, 9},
        {"never less than a day", 0.99, 0.01, 1},
        {"never more than a century", 0.7, 36500, cFsrsScheduler::kMaximumIntervalDays},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const cFsrsScheduler scheduler(row.retention);
        EXPECT_EQ(scheduler.IntervalDays(row.stability), row.interval);
        // Recall falls to the desired retention after the unrounded interval.
        const double exact = row.stability * (std::pow(scheduler.GetDesiredRetention(), -2) - 1) /
                             cFsrsScheduler::kFactor;
        EXPECT_NEAR(cFsrsScheduler::Recall(exact, row.stability), scheduler.GetDesiredRetention(),
                    1e-12);
    }
}

}  // namespace
