// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/answer_grader.h"

#include <algorithm>

eGrade cAnswerGrader::Grade(bool missed, uint32_t answerMs, uint32_t usualMs) {
    if (missed) {
        return eGrade::Again;
    }
    if (usualMs == 0) {
        return eGrade::Good;
    }
    const uint64_t answer = answerMs;
    const uint64_t usual = usualMs;
    if (2 * answer <= usual) {
        return eGrade::Easy;
    }
    if (answer > 2 * usual && answer >= usual + kSlowMarginMs) {
        return eGrade::Hard;
    }
    return eGrade::Good;
}

uint32_t cAnswerGrader::NextUsualMs(uint32_t usualMs, uint32_t answerMs) {
    const int64_t counted = std::max<uint32_t>(1, std::min(answerMs, kLongestCountedMs));
    if (usualMs == 0) {
        return static_cast<uint32_t>(counted);
    }
    const int64_t usual = usualMs;
    return static_cast<uint32_t>(usual + (counted - usual) / 4);
}
