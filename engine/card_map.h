// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

#include "engine/cue_line.h"

// Owns every card of the working set, by id.
//
// Cards are visited as a 17-bucket hash table keyed on (id >> 4) would visit them:
// buckets 0 to 16 in turn, newest card first within a bucket. A new pass queues the
// cards in that order, so it is kept exactly; lookups go straight to the card by index,
// since ids are handed out one after another. Cards are kept by value in a deque, which
// never moves them, so a card's address stays valid while the map holds it.
class cCardMap {
public:
    static constexpr uint32_t kBucketCount = 17;

    cCardMap();
    virtual ~cCardMap();
    cCardMap(const cCardMap&) = delete;
    cCardMap& operator=(const cCardMap&) = delete;

    // Stores card under key. Keys follow one another (the teacher hands them out so): the
    // first key is any non-null id, each further one the next id. Any other key throws
    // std::invalid_argument and leaves the map unchanged.
    void Add(cCueLineKey key, cCueLine&& card);

    // The card stored under key, or null.
    const cCueLine* Find(cCueLineKey key) const;
    int GetCount() const { return static_cast<int>(m_cards.size()); }

    // Visits every card in the bucket order described above.
    void ForEachInOrder(const std::function<void(cCueLineKey, const cCueLine&)>& visit) const;

    // Deletes every card.
    void RemoveAll();

private:
    void VisitBucket(uint32_t bucket,
                     const std::function<void(cCueLineKey, const cCueLine&)>& visit) const;

    uint32_t m_firstId = 0;  // id of m_cards[0]
    std::deque<cCueLine> m_cards;
};
