// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "engine/cue_line.h"

// The keys still to be answered in a pass, from front to end. The entry at the end is
// the current card; new cards and re-queued copies go in at the front. A key may occur
// several times.
//
// The entries live in chunks of up to kChunkCapacity ids. Moving the entry at an index
// to the end (every right answer does) finds its chunk by counting whole chunks and
// shifts at most half a chunk, so a draw costs about the same at a million entries as
// at a hundred, and the list takes little more than four bytes an entry.
class cToDoList {
public:
    static constexpr uint32_t kChunkCapacity = 1024;

    cToDoList();
    virtual ~cToDoList();
    cToDoList(const cToDoList&) = delete;
    cToDoList& operator=(const cToDoList&) = delete;

    int GetCount() const { return m_count; }

    // The end entry, or the null key when the list is empty.
    cCueLineKey GetEnd() const;
    // Every entry from front to end.
    std::vector<cCueLineKey> ToVector() const;

    void AddFront(cCueLineKey key);
    // Removes the end entry and returns it; the null key when the list is empty.
    cCueLineKey RemoveEnd();
    // Removes count entries from the front (all of them when there are fewer).
    void RemoveFront(int count);
    // Moves the entry at index (0 = front) to the end; an index out of range does nothing.
    void MoveToEnd(int index);
    // Removes every entry equal to key; returns how many there were.
    int RemoveKey(cCueLineKey key);
    void RemoveAll();

private:
    // Ids at [begin, end) of a block of kChunkCapacity; a chunk is never empty.
    struct Chunk {
        std::unique_ptr<uint32_t[]> ids;
        uint32_t begin = 0;
        uint32_t end = 0;
        uint32_t Size() const { return end - begin; }
    };
    static Chunk MakeChunk(uint32_t position);
    // The chunk holding the entry at index, and the entry's place in it.
    std::pair<size_t, uint32_t> Locate(int index) const;
    void AddEnd(uint32_t id);
    void EraseAt(size_t chunkIndex, uint32_t position);

    std::deque<Chunk> m_chunks;  // front() holds the list's front
    int m_count = 0;
};
