// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/pass_grading.h"

#include <algorithm>
#include <utility>

#include "engine/answer_grader.h"
#include "engine/card_store.h"
#include "platform/tick_source.h"

cPassGrading::cPassGrading(const cTickSource& clock) : m_clock(clock) {}

void cPassGrading::Restore(const std::vector<sCardMemory>& memories) {
    m_schedule.Reserve(memories.size());
    for (const sCardMemory& memory : memories) {
        m_schedule.Restore(cCardMemoryKey(memory.card), memory.memory);
    }
}

void cPassGrading::BeginPass() {
    m_gradedInPass.clear();
    m_shownKey = cCueLineKey();
}

void cPassGrading::NoteShown(cCueLineKey key) {
    if (key != m_shownKey) {
        m_shownKey = key;
        m_shownTick = m_clock.GetTickCount();
    }
}

void cPassGrading::Grade(cCueLineKey key, const cCueLine& card, bool missed) {
    if (key.IsNull() || !m_gradedInPass.insert(key.GetId()).second) {
        return;
    }
    // Ticks wrap modulo 2^32, and so does the difference.
    const uint32_t answerMs = key == m_shownKey ? m_clock.GetTickCount() - m_shownTick : 0;
    const cCardMemoryKey memory(card.GetCue(), card.GetAnswer());
    sGradedAnswer& graded = m_graded.emplace_back();
    graded.card = memory.GetValue();
    graded.answeredUtcMs = m_clock.GetUtcMs();
    graded.grade = cAnswerGrader::Grade(missed, answerMs, m_schedule.Find(memory).usualAnswerMs);
    graded.answerMs = answerMs;
    graded.memory = m_schedule.Answer(memory, missed, answerMs, m_clock.GetLocalMs());
}

std::vector<sGradedAnswer> cPassGrading::TakeGraded() {
    return std::exchange(m_graded, {});
}

void cPassGrading::ForgetLoadedCards() {
    m_loadedIds.clear();
    m_loadedMemories.clear();
}

void cPassGrading::ListLoadedCards(const cCardStore& store) {
    if (static_cast<int>(m_loadedIds.size()) == store.GetTotalCues()) {
        return;
    }
    ForgetLoadedCards();
    m_loadedIds.reserve(static_cast<std::size_t>(store.GetTotalCues()));
    m_loadedMemories.reserve(m_loadedIds.capacity());
    // In load order: new cards are then begun in the order of the files.
    store.ForEachCard([this](cCueLineKey id, std::u16string_view cue, std::u16string_view answer) {
        m_loadedIds.push_back(id);
        m_loadedMemories.emplace_back(cue, answer);
    });
}

int32_t cPassGrading::Today() const {
    return cFsrsScheduler::DayOf(m_clock.GetLocalMs());
}

int cPassGrading::CountDue(const cCardStore& store) {
    ListLoadedCards(store);
    return m_schedule.CountDue(m_loadedMemories, Today());
}

std::vector<cCueLineKey> cPassGrading::PickDueCards(const cCardStore& store) {
    ListLoadedCards(store);
    const int32_t today = Today();
    std::vector<cCueLineKey> due;
    std::vector<cCueLineKey> fresh;
    int begunToday = 0;
    for (std::size_t i = 0; i < m_loadedIds.size(); ++i) {
        const sMemoryState state = m_schedule.Find(m_loadedMemories[i]);
        if (state.IsNew()) {
            fresh.push_back(m_loadedIds[i]);
        } else if (state.dueDay <= today) {
            due.push_back(m_loadedIds[i]);
        }
        begunToday += !state.IsNew() && state.firstDay == today;
    }
    const auto newCards =
        std::min(static_cast<std::size_t>(std::max(kNewCardsPerDay - begunToday, 0)), fresh.size());
    due.insert(due.end(), fresh.begin(), fresh.begin() + static_cast<std::ptrdiff_t>(newCards));
    return due;
}

std::vector<int> cPassGrading::Forecast(const cCardStore& store, int days) {
    ListLoadedCards(store);
    const int32_t today = Today();
    std::vector<int> counts(static_cast<std::size_t>(std::max(days, 0)), 0);
    for (const cCardMemoryKey memory : m_loadedMemories) {
        const sMemoryState state = m_schedule.Find(memory);
        const int64_t day = std::max<int64_t>(int64_t{state.dueDay} - today, 0);
        if (!state.IsNew() && day < days) {
            ++counts[static_cast<std::size_t>(day)];
        }
    }
    return counts;
}

std::optional<double> cPassGrading::PredictRecall(std::u16string_view cue,
                                                  std::u16string_view answer) const {
    const sMemoryState state = m_schedule.Find(cCardMemoryKey(cue, answer));
    if (state.IsNew()) {
        return std::nullopt;
    }
    return m_scheduler.Retrievability(state, m_clock.GetLocalMs());
}
