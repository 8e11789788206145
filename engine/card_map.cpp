// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/card_map.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <new>
#include <stdexcept>

namespace {

constexpr uint32_t kIdsPerHash = 16;  // hash value = id >> 4

uint32_t HashOf(uint32_t id) {
    return id >> 4;
}

}  // namespace

cCardMap::cCardMap() = default;
cCardMap::~cCardMap() = default;

cCardMap::sBlock& cCardMap::BlockWithRoom(size_t size) {
    if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().used < size) {
        sBlock block;
        block.capacity = std::max(kBlockUnits, size);
        // Left uninitialised: pages the text never reaches are never touched.
        block.text = std::make_unique_for_overwrite<char16_t[]>(block.capacity);
        block.firstCard = m_cards.size();
        m_blocks.push_back(std::move(block));
    }
    return m_blocks.back();
}

void cCardMap::Add(cCueLineKey key, std::u16string_view cue, std::u16string_view answer) {
    const uint32_t id = key.GetId();
    const bool follows = m_cards.empty() || id - m_firstId == m_cards.size();
    if (key.IsNull() || !follows) {
        throw std::invalid_argument("card ids must follow one another");
    }
    constexpr size_t kMaxText = std::numeric_limits<uint32_t>::max();
    if (cue.size() > kMaxText || answer.size() > kMaxText - cue.size()) {
        throw std::bad_alloc();
    }
    sBlock& block = BlockWithRoom(cue.size() + answer.size());
    const sCard card{static_cast<uint32_t>(block.used), static_cast<uint32_t>(cue.size()),
                     static_cast<uint32_t>(answer.size())};
    m_cards.push_back(card);  // first, so a failure leaves nothing half stored
    std::copy(cue.begin(), cue.end(), block.text.get() + block.used);
    std::copy(answer.begin(), answer.end(), block.text.get() + block.used + cue.size());
    block.used += cue.size() + answer.size();
    if (m_cards.size() == 1) {
        m_firstId = id;
    }
}

std::optional<size_t> cCardMap::IndexOf(cCueLineKey key) const {
    const uint32_t id = key.GetId();
    if (m_cards.empty() || id < m_firstId || id - m_firstId >= m_cards.size()) {
        return std::nullopt;
    }
    return id - m_firstId;
}

std::optional<cCueLine> cCardMap::Find(cCueLineKey key) const {
    const std::optional<size_t> index = IndexOf(key);
    if (!index) {
        return std::nullopt;
    }
    const sCard& card = m_cards[*index];
    const auto block = std::upper_bound(m_blocks.begin(), m_blocks.end(), *index,
                                        [](size_t i, const sBlock& b) { return i < b.firstCard; });
    const char16_t* cue = std::prev(block)->text.get() + card.offset;
    return cCueLine(std::u16string(cue, card.cueSize),
                    std::u16string(cue + card.cueSize, card.answerSize));
}

void cCardMap::VisitBucket(uint32_t bucket, const std::function<void(cCueLineKey)>& visit) const {
    const uint32_t lastId = m_firstId + static_cast<uint32_t>(m_cards.size()) - 1;
    const uint32_t lowHash = HashOf(m_firstId);
    // Highest hash value at or below the last id's that falls in this bucket.
    const uint32_t topHash = HashOf(lastId);
    const uint32_t offset = (topHash % kBucketCount + kBucketCount - bucket) % kBucketCount;
    if (offset > topHash - lowHash) {
        return;
    }
    for (uint32_t hash = topHash - offset;; hash -= kBucketCount) {
        const uint32_t highId = std::min(lastId, hash * kIdsPerHash + (kIdsPerHash - 1));
        const uint32_t lowId = std::max(m_firstId, hash * kIdsPerHash);
        for (uint32_t id = highId;; --id) {
            visit(cCueLineKey(id));
            if (id == lowId) {
                break;
            }
        }
        if (hash < lowHash + kBucketCount) {
            break;
        }
    }
}

void cCardMap::ForEachInOrder(const std::function<void(cCueLineKey)>& visit) const {
    if (m_cards.empty()) {
        return;
    }
    for (uint32_t bucket = 0; bucket < kBucketCount; ++bucket) {
        VisitBucket(bucket, visit);
    }
}

void cCardMap::ForEachText(const tTextVisit& visit) const {
    size_t block = 0;
    for (size_t index = 0; index < m_cards.size(); ++index) {
        while (block + 1 < m_blocks.size() && m_blocks[block + 1].firstCard <= index) {
            ++block;
        }
        const sCard& card = m_cards[index];
        const char16_t* cue = m_blocks[block].text.get() + card.offset;
        visit(cCueLineKey(m_firstId + static_cast<uint32_t>(index)), {cue, card.cueSize},
              {cue + card.cueSize, card.answerSize});
    }
}

cCardMap::sMark cCardMap::GetMark() const {
    return {m_cards.size(), m_blocks.size(), m_blocks.empty() ? 0 : m_blocks.back().used};
}

void cCardMap::RollBack(const sMark& mark) {
    if (mark.cardCount == 0) {
        RemoveAll();
        return;
    }
    m_cards.resize(mark.cardCount);
    m_blocks.resize(mark.blockCount);
    m_blocks.back().used = mark.lastBlockUsed;
}

void cCardMap::RemoveAll() {
    m_cards.clear();
    m_cards.shrink_to_fit();
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_firstId = 0;
}
