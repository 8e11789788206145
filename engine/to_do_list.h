// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <deque>
#include <vector>

#include "engine/cue_line.h"

// The keys still to be answered in a pass, from front to end. The entry at the end is
// the current card; new cards and re-queued copies go in at the front. A key may occur
// several times.
class cToDoList {
public:
    cToDoList();
    virtual ~cToDoList();

    int GetCount() const { return static_cast<int>(m_keys.size()); }

    // The end entry, or the null key when the list is empty.
    cCueLineKey GetEnd() const;
    // Every entry from front to end.
    std::vector<cCueLineKey> ToVector() const;

    void AddFront(cCueLineKey key);
    // Removes the end entry and returns it; the null key when the list is empty.
    cCueLineKey RemoveEnd();
    // Moves the entry at index (0 = front) to the end; an index out of range does nothing.
    void MoveToEnd(int index);
    // Removes every entry equal to key; returns how many there were.
    int RemoveKey(cCueLineKey key);
    void RemoveAll();

private:
    std::deque<cCueLineKey> m_keys;  // front() is the list's front, back() its end
};
