// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/cue_line.h"

// Owns every card of the working set, by id.
//
// Cards are visited as a 17-bucket hash table keyed on (id >> 4) would visit them:
// buckets 0 to 16 in turn, newest card first within a bucket. A new pass queues the
// cards in that order, so it is kept exactly; lookups go straight to the card by index,
// since ids are handed out one after another.
//
// The texts of all cards sit back to back in large blocks, and a card is only where its
// two texts start and how long they are: a big deck then costs little more than its text,
// with a few allocations instead of two per card.
class cCardMap {
public:
    static constexpr uint32_t kBucketCount = 17;
    // Units of text per block; a longer card gets a block of its own.
    static constexpr size_t kBlockUnits = size_t{1} << 19;

    // How far the map had got; RollBack returns to it.
    struct sMark {
        size_t cardCount = 0;
        size_t blockCount = 0;
        size_t lastBlockUsed = 0;
    };

    cCardMap();
    virtual ~cCardMap();
    cCardMap(const cCardMap&) = delete;
    cCardMap& operator=(const cCardMap&) = delete;

    // Stores a card under key. Keys follow one another (the teacher hands them out so): the
    // first key is any non-null id, each further one the next id. Any other key throws
    // std::invalid_argument and leaves the map unchanged.
    void Add(cCueLineKey key, std::u16string_view cue, std::u16string_view answer);

    // A copy of the card stored under key, or nothing.
    std::optional<cCueLine> Find(cCueLineKey key) const;
    bool Contains(cCueLineKey key) const { return IndexOf(key).has_value(); }
    int GetCount() const { return static_cast<int>(m_cards.size()); }

    // Visits every key in the bucket order described above.
    void ForEachInOrder(const std::function<void(cCueLineKey)>& visit) const;
    // Visits every card in the order of its id, its texts where they are stored.
    using tTextVisit = std::function<void(cCueLineKey, std::u16string_view, std::u16string_view)>;
    void ForEachText(const tTextVisit& visit) const;

    sMark GetMark() const;
    // Forgets every card added since mark was taken.
    void RollBack(const sMark& mark);
    // Deletes every card.
    void RemoveAll();

private:
    // A card's block is the last one whose first card is at or before it.
    struct sCard {
        uint32_t offset;  // of the cue in its block; the answer follows it
        uint32_t cueSize;
        uint32_t answerSize;
    };
    struct sBlock {
        std::unique_ptr<char16_t[]> text;
        size_t capacity = 0;
        size_t used = 0;
        size_t firstCard = 0;  // index of the first card stored in it
    };

    std::optional<size_t> IndexOf(cCueLineKey key) const;
    // Room for size more units at the end of the last block, opening a block if needed.
    sBlock& BlockWithRoom(size_t size);
    void VisitBucket(uint32_t bucket, const std::function<void(cCueLineKey)>& visit) const;

    uint32_t m_firstId = 0;  // id of m_cards[0]
    std::deque<sCard> m_cards;
    std::vector<sBlock> m_blocks;
};
