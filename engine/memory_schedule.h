// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "engine/card_memory_key.h"
#include "engine/fsrs_scheduler.h"
#include "platform/memory_state.h"

// The memory of every card the learner has been graded on, by card, and the questions
// asked of it: grading an answer, and how many loaded cards are due.
class cMemorySchedule {
public:
    explicit cMemorySchedule(const cFsrsScheduler& scheduler) : m_scheduler(scheduler) {}
    virtual ~cMemorySchedule() = default;

    // Grades what the learner did with the card in a pass (see cAnswerGrader) at nowMs
    // (local time) and keeps its new memory, which it returns.
    const sMemoryState& Answer(cCardMemoryKey key, bool missed, uint32_t answerMs, int64_t nowMs);
    // The card's memory; a new state when it was never graded.
    sMemoryState Find(cCardMemoryKey key) const;
    // Puts back a memory kept elsewhere; one with a stability or difficulty out of the
    // model's range (or not a number) becomes a new card.
    void Restore(cCardMemoryKey key, const sMemoryState& state);
    std::size_t GetSize() const { return m_states.size(); }
    void Reserve(std::size_t cards) { m_states.reserve(cards); }

    // How many of the loaded cards are due on day (see cFsrsScheduler::DayOf) or earlier;
    // cards never graded are new, not due. A card loaded twice counts twice, as it is
    // studied twice.
    int CountDue(const std::vector<cCardMemoryKey>& loaded, int32_t day) const;

private:
    struct sHash {
        std::size_t operator()(cCardMemoryKey key) const { return key.GetValue(); }
    };

    const cFsrsScheduler& m_scheduler;
    std::unordered_map<cCardMemoryKey, sMemoryState, sHash> m_states;
};
