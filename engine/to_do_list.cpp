// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/to_do_list.h"

#include <algorithm>

cToDoList::cToDoList() = default;
cToDoList::~cToDoList() = default;

cCueLineKey cToDoList::GetEnd() const {
    return m_keys.empty() ? cCueLineKey() : m_keys.back();
}

std::vector<cCueLineKey> cToDoList::ToVector() const {
    return {m_keys.begin(), m_keys.end()};
}

void cToDoList::AddFront(cCueLineKey key) {
    m_keys.push_front(key);
}

cCueLineKey cToDoList::RemoveEnd() {
    if (m_keys.empty()) {
        return {};
    }
    const cCueLineKey key = m_keys.back();
    m_keys.pop_back();
    return key;
}

void cToDoList::MoveToEnd(int index) {
    if (index < 0 || index >= GetCount()) {
        return;
    }
    // A deque erases by shifting the shorter side, so this stays cheap in long lists.
    const auto position = m_keys.begin() + index;
    const cCueLineKey key = *position;
    m_keys.erase(position);
    m_keys.push_back(key);
}

int cToDoList::RemoveKey(cCueLineKey key) {
    const auto newEnd = std::remove(m_keys.begin(), m_keys.end(), key);
    const auto removed = static_cast<int>(m_keys.end() - newEnd);
    m_keys.erase(newEnd, m_keys.end());
    return removed;
}

void cToDoList::RemoveAll() {
    m_keys.clear();
    m_keys.shrink_to_fit();  // give the memory of a large pass back
}
