// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/memory_pass_history.h"

#include <algorithm>
#include <map>
#include <utility>

void cMemoryPassHistory::RecordPass(const sPassRecord& pass) {
    m_passes.push_back(pass);
    m_passes.back().endedUtcMs = static_cast<int64_t>(m_passes.size());
    RecordGradedAnswers(pass.graded);
}

void cMemoryPassHistory::RecordGradedAnswers(const std::vector<sGradedAnswer>& answers) {
    m_graded.insert(m_graded.end(), answers.begin(), answers.end());
}

bool cMemoryPassHistory::ReadCardMemories(std::vector<sCardMemory>& memories) {
    std::map<uint64_t, sMemoryState> latest;
    for (const sGradedAnswer& answer : m_graded) {
        latest[answer.card] = answer.memory;
    }
    memories.clear();
    for (const auto& [card, memory] : latest) {
        memories.push_back({card, memory});
    }
    return true;
}

std::vector<sPassRecord> cMemoryPassHistory::ReadPasses(const std::u16string& key) {
    std::vector<sPassRecord> passes;
    for (auto pass = m_passes.rbegin(); pass != m_passes.rend(); ++pass) {
        if (key.empty() || pass->key == key) {
            passes.push_back(*pass);
            passes.back().missed.clear();
        }
    }
    return passes;
}

std::vector<sHardCard> cMemoryPassHistory::ReadHardestCards(const std::u16string& key, int limit) {
    std::map<std::pair<std::u16string, std::u16string>, sHardCard> cards;
    for (const sPassRecord& pass : m_passes) {
        if (!key.empty() && pass.key != key) {
            continue;
        }
        for (const sMissedCard& missed : pass.missed) {
            sHardCard& card = cards[{missed.cue, missed.answer}];
            card.cue = missed.cue;
            card.answer = missed.answer;
            ++card.passesMissed;
            card.wrongAnswers += missed.wrongAnswers;
        }
    }
    std::vector<sHardCard> hardest;
    for (auto& entry : cards) {
        hardest.push_back(std::move(entry.second));
    }
    std::stable_sort(hardest.begin(), hardest.end(), [](const sHardCard& a, const sHardCard& b) {
        return a.passesMissed != b.passesMissed ? a.passesMissed > b.passesMissed
                                                : a.wrongAnswers > b.wrongAnswers;
    });
    if (limit >= 0 && hardest.size() > static_cast<size_t>(limit)) {
        hardest.resize(static_cast<size_t>(limit));
    }
    return hardest;
}
