// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/to_do_list.h"

#include <algorithm>
#include <cstring>

cToDoList::cToDoList() = default;
cToDoList::~cToDoList() = default;

cToDoList::Chunk cToDoList::MakeChunk(uint32_t position) {
    Chunk chunk;
    chunk.ids = std::make_unique_for_overwrite<uint32_t[]>(kChunkCapacity);
    chunk.begin = position;
    chunk.end = position;
    return chunk;
}

cCueLineKey cToDoList::GetEnd() const {
    if (m_chunks.empty()) {
        return {};
    }
    const Chunk& last = m_chunks.back();
    return cCueLineKey(last.ids[last.end - 1]);
}

std::vector<cCueLineKey> cToDoList::ToVector() const {
    std::vector<cCueLineKey> keys;
    keys.reserve(static_cast<size_t>(m_count));
    for (const Chunk& chunk : m_chunks) {
        for (uint32_t i = chunk.begin; i < chunk.end; ++i) {
            keys.emplace_back(chunk.ids[i]);
        }
    }
    return keys;
}

void cToDoList::AddFront(cCueLineKey key) {
    if (m_chunks.empty() || m_chunks.front().begin == 0) {
        // A fresh front chunk fills from its end towards its start.
        m_chunks.push_front(MakeChunk(kChunkCapacity));
    }
    Chunk& first = m_chunks.front();
    first.ids[--first.begin] = key.GetId();
    ++m_count;
}

void cToDoList::AddEnd(uint32_t id) {
    if (m_chunks.empty() || m_chunks.back().end == kChunkCapacity) {
        m_chunks.push_back(MakeChunk(0));
    }
    Chunk& last = m_chunks.back();
    last.ids[last.end++] = id;
    ++m_count;
}

cCueLineKey cToDoList::RemoveEnd() {
    if (m_chunks.empty()) {
        return {};
    }
    const cCueLineKey key = GetEnd();
    EraseAt(m_chunks.size() - 1, m_chunks.back().end - 1);
    return key;
}

void cToDoList::RemoveFront(int count) {
    while (count > 0 && !m_chunks.empty()) {
        Chunk& first = m_chunks.front();
        const uint32_t taken = std::min(first.Size(), static_cast<uint32_t>(count));
        first.begin += taken;
        m_count -= static_cast<int>(taken);
        count -= static_cast<int>(taken);
        if (first.Size() == 0) {
            m_chunks.pop_front();
        }
    }
}

std::pair<size_t, uint32_t> cToDoList::Locate(int index) const {
    // Counted from whichever end is nearer.
    if (index < m_count / 2) {
        uint32_t rest = static_cast<uint32_t>(index);
        for (size_t c = 0;; ++c) {
            if (rest < m_chunks[c].Size()) {
                return {c, m_chunks[c].begin + rest};
            }
            rest -= m_chunks[c].Size();
        }
    }
    uint32_t fromEnd = static_cast<uint32_t>(m_count - 1 - index);
    for (size_t c = m_chunks.size() - 1;; --c) {
        if (fromEnd < m_chunks[c].Size()) {
            return {c, m_chunks[c].end - 1 - fromEnd};
        }
        fromEnd -= m_chunks[c].Size();
    }
}

void cToDoList::EraseAt(size_t chunkIndex, uint32_t position) {
    Chunk& chunk = m_chunks[chunkIndex];
    uint32_t* ids = chunk.ids.get();
    // Shift the shorter side over the gap.
    if (position - chunk.begin < chunk.end - 1 - position) {
        std::memmove(ids + chunk.begin + 1, ids + chunk.begin,
                     (position - chunk.begin) * sizeof(uint32_t));
        ++chunk.begin;
    } else {
        std::memmove(ids + position, ids + position + 1,
                     (chunk.end - 1 - position) * sizeof(uint32_t));
        --chunk.end;
    }
    --m_count;
    if (chunk.Size() == 0) {
        m_chunks.erase(m_chunks.begin() + static_cast<ptrdiff_t>(chunkIndex));
    }
}

void cToDoList::MoveToEnd(int index) {
    if (index < 0 || index >= m_count) {
        return;
    }
    const auto [chunkIndex, position] = Locate(index);
    const uint32_t id = m_chunks[chunkIndex].ids[position];
    EraseAt(chunkIndex, position);
    AddEnd(id);
}

int cToDoList::RemoveKey(cCueLineKey key) {
    int removed = 0;
    for (auto chunk = m_chunks.begin(); chunk != m_chunks.end();) {
        uint32_t* ids = chunk->ids.get();
        uint32_t* newEnd = std::remove(ids + chunk->begin, ids + chunk->end, key.GetId());
        const auto kept = static_cast<uint32_t>(newEnd - ids);
        removed += static_cast<int>(chunk->end - kept);
        chunk->end = kept;
        chunk = chunk->Size() == 0 ? m_chunks.erase(chunk) : chunk + 1;
    }
    m_count -= removed;
    return removed;
}

void cToDoList::RemoveAll() {
    m_chunks.clear();
    m_chunks.shrink_to_fit();  // give the memory of a large pass back
    m_count = 0;
}
