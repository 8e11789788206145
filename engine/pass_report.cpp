// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/pass_report.h"

#include <optional>
#include <utility>

#include "engine/card_store.h"

void cPassReport::Begin(int reviewCards, bool due) {
    m_reviewCards = reviewCards;
    m_misses.clear();
    m_due = due && reviewCards > 0;
}

void cPassReport::AddToReview(int cards) {
    if (IsReview()) {
        m_reviewCards += cards;
    }
}

void cPassReport::NoteWrongAnswer(cCueLineKey key) {
    ++m_misses[key.GetId()].wrongAnswers;
}

void cPassReport::NoteIgnored(cCueLineKey key) {
    m_misses[key.GetId()].ignored = true;
}

sPassRecord cPassReport::Finish(const cCardStore& store, std::u16string key, std::u16string files,
                                uint32_t timeMs) {
    sPassRecord pass;
    pass.key = std::move(key);
    pass.files = std::move(files);
    pass.timeMs = timeMs;
    pass.review = IsReview();
    pass.due = m_due;
    pass.cards = pass.review ? m_reviewCards : store.GetTotalCues();
    m_lastMissed.clear();
    for (const auto& [id, miss] : m_misses) {
        const cCueLineKey cardKey(id);
        const std::optional<cCueLine> card = store.FindCard(cardKey);
        if (!card) {
            continue;
        }
        m_lastMissed.push_back(cardKey);
        pass.wrongAnswers += miss.wrongAnswers;
        pass.ignoredCards += miss.ignored ? 1 : 0;
        pass.missed.push_back({card->GetCue(), card->GetAnswer(), miss.wrongAnswers, miss.ignored});
    }
    return pass;
}
