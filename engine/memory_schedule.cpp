// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/memory_schedule.h"

#include "engine/answer_grader.h"

const sMemoryState& cMemorySchedule::Answer(cCardMemoryKey key, bool missed, uint32_t answerMs,
                                            int64_t nowMs) {
    sMemoryState& state = m_states[key];
    const eGrade grade = cAnswerGrader::Grade(missed, answerMs, state.usualAnswerMs);
    const uint32_t usualMs = state.usualAnswerMs;
    state = m_scheduler.Review(state, grade, nowMs);
    if (!missed) {
        state.usualAnswerMs = cAnswerGrader::NextUsualMs(usualMs, answerMs);
    }
    return state;
}

sMemoryState cMemorySchedule::Find(cCardMemoryKey key) const {
    const auto found = m_states.find(key);
    return found == m_states.end() ? sMemoryState{} : found->second;
}

void cMemorySchedule::Restore(cCardMemoryKey key, const sMemoryState& state) {
    m_states[key] = state;
}

int cMemorySchedule::CountDue(const std::vector<cCardMemoryKey>& loaded, int32_t day) const {
    int due = 0;
    for (const cCardMemoryKey key : loaded) {
        const auto found = m_states.find(key);
        if (found != m_states.end() && !found->second.IsNew() && found->second.dueDay <= day) {
            ++due;
        }
    }
    return due;
}
