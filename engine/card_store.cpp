// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/card_store.h"

cCardStore::cCardStore() = default;
cCardStore::~cCardStore() = default;

void cCardStore::AddCard(std::u16string_view cue, std::u16string_view answer) {
    const cCueLineKey key(m_nextCardId);
    m_cards.Add(key, cue, answer);
    ++m_nextCardId;
    m_toDo.AddFront(key);
}

void cCardStore::AddLoadedFile(const std::u16string& path) {
    m_loadedFiles.push_back(path);
}

std::u16string cCardStore::GetLoadedFile(int index) const {
    if (index < 0 || index >= GetLoadedFileCount()) {
        return {};
    }
    return m_loadedFiles[static_cast<size_t>(index)];
}

void cCardStore::RequeueCurrent() {
    const cCueLineKey key = GetCurrentKey();
    if (key.IsNull()) {
        return;
    }
    m_toDo.AddFront(key);
    m_toDo.AddFront(key);
}

void cCardStore::RebuildToDo() {
    m_toDo.RemoveAll();
    m_cards.ForEachInOrder([this](cCueLineKey key) { m_toDo.AddFront(key); });
}

cCardStore::sMark cCardStore::GetMark() const {
    return {m_cards.GetMark(), m_toDo.GetCount(), m_nextCardId};
}

void cCardStore::RollBack(const sMark& mark) {
    // Cards since the mark were all queued at the front, after the entries already there.
    m_toDo.RemoveFront(m_toDo.GetCount() - mark.toDoCount);
    m_cards.RollBack(mark.cards);
    m_nextCardId = mark.nextCardId;
}

void cCardStore::RebuildToDo(const std::vector<cCueLineKey>& keys) {
    m_toDo.RemoveAll();
    for (const cCueLineKey key : keys) {
        if (m_cards.Contains(key)) {
            m_toDo.AddFront(key);
        }
    }
}

void cCardStore::DeleteAllCards() {
    m_loadedFiles.clear();
    m_cards.RemoveAll();
}
