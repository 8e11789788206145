// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/memory_state.h"

// Schedules a card's next review from the learner's grades with the FSRS model, version 5
// (Free Spaced Repetition Scheduler): a memory has a stability S (the days until recall
// falls to 90%) and a difficulty D, both updated by every grade; the next review comes
// when the chance of recall has fallen to the desired retention. Intervals are whole days
// and never random.
//
// A review counts the days between the day of the last review and today, where a day
// starts at 4 in the morning, so a session past midnight belongs to the evening before.
// Two reviews on one day make a same-day review. A clock that went backwards (today
// earlier than the last review) counts as a same-day review at the last review's time.
class cFsrsScheduler {
public:
    static constexpr int kWeightCount = 19;
    using tWeights = std::array<double, kWeightCount>;
    // The published defaults, fitted on many learners' reviews.
    static constexpr tWeights kDefaultWeights = {
        0.40255, 1.18385, 3.173, 15.69105, 7.1949, 0.5345, 1.4604, 0.0046,  1.54575, 0.1192,
        1.01925, 1.9395,  0.11,  0.29605,  2.2698, 0.2315, 2.9898, 0.51655, 0.6621};
    // The forgetting curve R(t, S) = (1 + kFactor t / S)^kDecay, with R(S, S) = 90%.
    static constexpr double kDecay = -0.5;
    static constexpr double kFactor = 19.0 / 81.0;
    static constexpr double kMinimumStability = 0.01;
    static constexpr double kMaximumStability = 36500;
    static constexpr double kDefaultRetention = 0.9;
    static constexpr double kLowestRetention = 0.7;
    static constexpr double kHighestRetention = 0.99;
    static constexpr int kMaximumIntervalDays = 36500;
    static constexpr int64_t kDayMs = 86'400'000;
    static constexpr int64_t kDayStartMs = 4 * 3'600'000;

    // The desired retention is kept between kLowestRetention and kHighestRetention.
    explicit cFsrsScheduler(double desiredRetention = kDefaultRetention,
                            const tWeights& weights = kDefaultWeights);
    virtual ~cFsrsScheduler() = default;

    double GetDesiredRetention() const { return m_retention; }

    // The state after grading the card at nowMs, with the day it is due again.
    sMemoryState Review(const sMemoryState& state, eGrade grade, int64_t nowMs) const;
    // The chance of recall at atMs, by whole days since the last review: 1 on its day,
    // 0 for a card never graded.
    double Retrievability(const sMemoryState& state, int64_t atMs) const;
    // The whole days until recall falls to the desired retention, 1 to kMaximumIntervalDays.
    int IntervalDays(double stability) const;

    // The number of the day that localMs falls on (day 0 began 1970-01-01 04:00).
    static int32_t DayOf(int64_t localMs);
    // R(t, S) for t days since the last review.
    static double Recall(double elapsedDays, double stability);

private:
    double InitialStability(eGrade grade) const;
    double InitialDifficulty(eGrade grade) const;
    double NextDifficulty(double difficulty, eGrade grade) const;
    double RecallStability(double difficulty, double stability, double recall, eGrade grade) const;
    double ForgetStability(double difficulty, double stability, double recall) const;
    double SameDayStability(double stability, eGrade grade) const;
    double W(int index) const { return m_w[static_cast<std::size_t>(index)]; }

    tWeights m_w;
    double m_retention;
    double m_intervalPerStability;  // days of interval per day of stability
};
