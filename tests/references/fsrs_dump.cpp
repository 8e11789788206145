// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Runs review sequences through our scheduler and prints what it makes of them, in the
// format fsrs_reference.mjs writes (see there); reads the sequences in that format from
// standard input, using only the gaps, grades and desired retentions.
//
// Each review happens at a different hour of its day, so that the days between reviews
// are counted from the clock as the program counts them.
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "engine/fsrs_scheduler.h"

constexpr int32_t kFirstDay = 20'000;  // 2024-10-04

int main() {
    cFsrsScheduler scheduler;
    sMemoryState state;
    int32_t day = kFirstDay;
    int review = 0;
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream fields(line);
        if (line.rfind("sequence", 0) == 0) {
            std::string word, number;
            double retention = 0;
            fields >> word >> number >> retention;
            scheduler = cFsrsScheduler(retention);
            state = sMemoryState{};
            day = kFirstDay;
            std::printf("sequence %s %.2f\n", number.c_str(), scheduler.GetDesiredRetention());
            continue;
        }
        int days = 0, grade = 0;
        fields >> days >> grade;
        day += days;
        // Anywhere from the start of the day (4:00) to 3:00 the next morning.
        const int64_t now = cFsrsScheduler::kDayStartMs + day * cFsrsScheduler::kDayMs +
                            (review++ * 7 % 24) * int64_t{3'600'000};
        const double recall = scheduler.Retrievability(state, now);
        state = scheduler.Review(state, static_cast<eGrade>(grade), now);
        std::printf("%d %d %.12g %.12g %.12g %d\n", days, grade, recall, state.stability,
                    state.difficulty, state.dueDay - cFsrsScheduler::DayOf(state.lastReviewMs));
    }
    return 0;
}
