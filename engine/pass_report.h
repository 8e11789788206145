// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/cue_line.h"
#include "platform/pass_history.h"

class cCardStore;

// What the pass so far has been: full or a review of missed cards, and how each card fared.
// When the pass ends it becomes the record the history keeps, and its missed cards the
// ones a review goes over.
class cPassReport {
public:
    cPassReport() = default;
    virtual ~cPassReport() = default;

    // A new pass: a full one (reviewCards 0) or a review over that many cards, which may
    // be a pass over the due cards.
    void Begin(int reviewCards, bool due = false);
    // Cards loaded during a review join it.
    void AddToReview(int cards);
    bool IsReview() const { return m_reviewCards > 0; }

    void NoteWrongAnswer(cCueLineKey key);
    void NoteIgnored(cCueLineKey key);

    // The record of the pass just finished (cards still in the store), for the files of
    // key; its missed cards become the ones to review.
    sPassRecord Finish(const cCardStore& store, std::u16string key, std::u16string files,
                       uint32_t timeMs);
    // The cards missed in the last finished pass, by id.
    const std::vector<cCueLineKey>& GetLastMissed() const { return m_lastMissed; }
    // Their cards are gone.
    void ForgetLastMissed() { m_lastMissed.clear(); }

private:
    struct sMiss {
        int wrongAnswers = 0;
        bool ignored = false;
    };

    std::map<uint32_t, sMiss> m_misses;     // by card id, the misses of this pass
    std::vector<cCueLineKey> m_lastMissed;  // the cards missed in the last finished pass
    int m_reviewCards = 0;                  // the cards of a review pass; 0 in a full pass
    bool m_due = false;                     // a pass over the due cards
};
