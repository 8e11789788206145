// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/memory_schedule.h"

#include <bit>

#include "engine/answer_grader.h"

namespace {

constexpr uint64_t kEmpty = 0;

}  // namespace

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
    // A memory read back from a damaged store is learned anew: the model would schedule
    // it at random, or never again.
    const bool usable = state.IsNew() || (state.stability >= cFsrsScheduler::kMinimumStability &&
                                          state.stability <= cFsrsScheduler::kMaximumStability &&
                                          state.difficulty >= 1 && state.difficulty <= 10);
    m_states[key] = usable ? state : sMemoryState{};
}

int cMemorySchedule::CountDue(const std::vector<cCardMemoryKey>& loaded, int32_t day) const {
    // On any one day only some of the studied cards are due: the loaded cards are looked up
    // among those alone, in an open table small enough to stay in the processor's cache.
    std::vector<uint64_t> due;
    for (const auto& [key, state] : m_states) {
        if (!state.IsNew() && state.dueDay <= day) {
            due.push_back(key.GetValue());
        }
    }
    if (due.empty()) {
        return 0;
    }
    const std::size_t mask = std::bit_ceil(2 * due.size()) - 1;
    const auto slotOf = [mask](uint64_t value) { return (value ^ (value >> 32)) & mask; };
    std::vector<uint64_t> table(mask + 1, kEmpty);
    bool emptyValueDue = false;  // the one key whose value marks a free slot
    for (const uint64_t value : due) {
        if (value == kEmpty) {
            emptyValueDue = true;
            continue;
        }
        std::size_t slot = slotOf(value);
        while (table[slot] != kEmpty) {
            slot = (slot + 1) & mask;
        }
        table[slot] = value;
    }
    int count = 0;
    for (const cCardMemoryKey key : loaded) {
        const uint64_t value = key.GetValue();
        if (value == kEmpty) {
            count += emptyValueDue;
            continue;
        }
        for (std::size_t slot = slotOf(value); table[slot] != kEmpty; slot = (slot + 1) & mask) {
            if (table[slot] == value) {
                ++count;
                break;
            }
        }
    }
    return count;
}
