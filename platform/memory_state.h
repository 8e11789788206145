// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>

// How well the learner did with a card in one pass, in the four steps the scheduler knows.
enum class eGrade : int { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// What is known of the learner's memory of one card. Times are the learner's local wall
// clock in ms since 1970 (UTC plus the zone's offset), so that days begin where the
// learner's days begin.
struct sMemoryState {
    double stability = 0;        // days until the chance of recall falls to 90%
    double difficulty = 0;       // 1 (easiest) to 10 (hardest)
    int64_t lastReviewMs = 0;    // when it was last graded
    int32_t dueDay = 0;          // the day it is due again (see cFsrsScheduler::DayOf)
    int32_t firstDay = 0;        // the day it was first graded
    int32_t reps = 0;            // how many times it has been graded
    int32_t lapses = 0;          // how many times it was forgotten after the first grade
    uint32_t usualAnswerMs = 0;  // its usual time for a right first answer; 0 unknown

    bool IsNew() const { return reps == 0; }
    bool operator==(const sMemoryState&) const = default;
};
