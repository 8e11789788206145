// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/fsrs_scheduler.h"

#include <algorithm>
#include <cmath>

namespace {

double GradeValue(eGrade grade) {
    return static_cast<double>(static_cast<int>(grade));
}

}  // namespace

cFsrsScheduler::cFsrsScheduler(double desiredRetention, const tWeights& weights)
    : m_w(weights), m_retention(std::clamp(desiredRetention, kLowestRetention, kHighestRetention)) {
    // Solving R(I, S) = r for I gives I = S / kFactor * (r^(1/kDecay) - 1).
    m_intervalPerStability = (std::pow(m_retention, 1.0 / kDecay) - 1.0) / kFactor;
}

int32_t cFsrsScheduler::DayOf(int64_t localMs) {
    const int64_t sinceStart = localMs - kDayStartMs;
    // Rounded down, also before 1970.
    const int64_t day = sinceStart >= 0 ? sinceStart / kDayMs : -((-sinceStart - 1) / kDayMs) - 1;
    return static_cast<int32_t>(day);
}

double cFsrsScheduler::Recall(double elapsedDays, double stability) {
    return std::pow(1.0 + kFactor * elapsedDays / stability, kDecay);
}

int cFsrsScheduler::IntervalDays(double stability) const {
    const double days = std::round(stability * m_intervalPerStability);
    return static_cast<int>(std::clamp(days, 1.0, static_cast<double>(kMaximumIntervalDays)));
}

double cFsrsScheduler::Retrievability(const sMemoryState& state, int64_t atMs) const {
    if (state.IsNew()) {
        return 0;
    }
    const int elapsed = std::max(0, DayOf(atMs) - DayOf(state.lastReviewMs));
    return Recall(elapsed, state.stability);
}

double cFsrsScheduler::InitialStability(eGrade grade) const {
    return std::max(W(static_cast<int>(grade) - 1), 0.1);
}

double cFsrsScheduler::InitialDifficulty(eGrade grade) const {
    return W(4) - std::exp(W(5) * (GradeValue(grade) - 1)) + 1;
}

double cFsrsScheduler::NextDifficulty(double difficulty, eGrade grade) const {
    // The step shrinks as the difficulty nears 10, and the result drifts back a little
    // towards the difficulty of a first Easy, so that no card stays hard for ever.
    const double step = -W(6) * (GradeValue(grade) - 3);
    const double damped = difficulty + step * (10 - difficulty) / 9;
    const double reverted = W(7) * InitialDifficulty(eGrade::Easy) + (1 - W(7)) * damped;
    return std::clamp(reverted, 1.0, 10.0);
}

double cFsrsScheduler::RecallStability(double difficulty, double stability, double recall,
                                       eGrade grade) const {
    const double hardPenalty = grade == eGrade::Hard ? W(15) : 1;
    const double easyBonus = grade == eGrade::Easy ? W(16) : 1;
    return stability * (1 + std::exp(W(8)) * (11 - difficulty) * std::pow(stability, -W(9)) *
                                (std::exp(W(10) * (1 - recall)) - 1) * hardPenalty * easyBonus);
}

double cFsrsScheduler::ForgetStability(double difficulty, double stability, double recall) const {
    const double forgotten = W(11) * std::pow(difficulty, -W(12)) *
                             (std::pow(stability + 1, W(13)) - 1) * std::exp(W(14) * (1 - recall));
    // Forgetting never leaves a memory more stable than a same-day Again would.
    return std::min(forgotten, stability / std::exp(W(17) * W(18)));
}

double cFsrsScheduler::SameDayStability(double stability, eGrade grade) const {
    return stability * std::exp(W(17) * (GradeValue(grade) - 3 + W(18)));
}

sMemoryState cFsrsScheduler::Review(const sMemoryState& state, eGrade grade, int64_t nowMs) const {
    sMemoryState next = state;
    if (state.IsNew()) {
        next.stability = InitialStability(grade);
        next.difficulty = std::clamp(InitialDifficulty(grade), 1.0, 10.0);
        next.lastReviewMs = nowMs;
        next.firstDay = DayOf(nowMs);
    } else {
        // A clock that went backwards gives a same-day review at the last review's time.
        next.lastReviewMs = std::max(nowMs, state.lastReviewMs);
        const int elapsed = DayOf(next.lastReviewMs) - DayOf(state.lastReviewMs);
        double stability = 0;
        if (elapsed == 0) {
            stability = SameDayStability(state.stability, grade);
        } else {
            const double recall = Recall(elapsed, state.stability);
            stability = grade == eGrade::Again
                            ? ForgetStability(state.difficulty, state.stability, recall)
                            : RecallStability(state.difficulty, state.stability, recall, grade);
        }
        next.stability = std::clamp(stability, kMinimumStability, kMaximumStability);
        next.difficulty = NextDifficulty(state.difficulty, grade);
        if (grade == eGrade::Again) {
            ++next.lapses;
        }
    }
    ++next.reps;
    next.dueDay = DayOf(next.lastReviewMs) + IntervalDays(next.stability);
    return next;
}
