// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>

#include "platform/memory_state.h"

// Turns what the learner did with a card in one pass into a grade, measuring speed
// against the card's own usual time, since a long phrase takes longer to type than a
// short word:
//   - answered wrongly at least once, or Ignored: Again;
//   - right at its first showing, with no usual time yet: Good;
//   - right in at most half its usual time: Easy;
//   - right, but in more than twice its usual time and at least kSlowMarginMs more: Hard;
//   - otherwise Good.
// The usual time follows the right first answers, each counting a quarter, so one slow
// answer does not make every later one fast.
class cAnswerGrader {
public:
    // Longer answers count as this long towards the usual time: the learner was away.
    static constexpr uint32_t kLongestCountedMs = 60'000;
    static constexpr uint32_t kSlowMarginMs = 3'000;

    // answerMs: from showing the card to its right answer, at its first showing.
    static eGrade Grade(bool missed, uint32_t answerMs, uint32_t usualMs);
    // The card's usual time after a right first answer in answerMs (usualMs 0: unknown).
    static uint32_t NextUsualMs(uint32_t usualMs, uint32_t answerMs);
};
