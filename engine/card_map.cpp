// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/card_map.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr uint32_t kIdsPerHash = 16;  // hash value = id >> 4

uint32_t HashOf(uint32_t id) {
    return id >> 4;
}

}  // namespace

cCardMap::cCardMap() = default;
cCardMap::~cCardMap() = default;

void cCardMap::Add(cCueLineKey key, cCueLine&& card) {
    const uint32_t id = key.GetId();
    const bool follows = m_cards.empty() || id - m_firstId == m_cards.size();
    if (key.IsNull() || !follows) {
        throw std::invalid_argument("card ids must follow one another");
    }
    if (m_cards.empty()) {
        m_firstId = id;
    }
    m_cards.push_back(std::move(card));
}

const cCueLine* cCardMap::Find(cCueLineKey key) const {
    const uint32_t id = key.GetId();
    if (m_cards.empty() || id < m_firstId || id - m_firstId >= m_cards.size()) {
        return nullptr;
    }
    return &m_cards[id - m_firstId];
}

void cCardMap::VisitBucket(uint32_t bucket,
                           const std::function<void(cCueLineKey, const cCueLine&)>& visit) const {
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
            visit(cCueLineKey(id), m_cards[id - m_firstId]);
            if (id == lowId) {
                break;
            }
        }
        if (hash < lowHash + kBucketCount) {
            break;
        }
    }
}

void cCardMap::ForEachInOrder(
    const std::function<void(cCueLineKey, const cCueLine&)>& visit) const {
    if (m_cards.empty()) {
        return;
    }
    for (uint32_t bucket = 0; bucket < kBucketCount; ++bucket) {
        VisitBucket(bucket, visit);
    }
}

void cCardMap::RemoveAll() {
    m_cards.clear();
    m_cards.shrink_to_fit();
    m_firstId = 0;
}
