// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/card_store.h"

cCardStore::cCardStore() = default;
cCardStore::~cCardStore() = default;

void cCardStore::AddCard(cCueLine&& card) {
    const cCueLineKey key(m_nextCardId);
    m_cards.Add(key, std::move(card));
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
    m_cards.ForEachInOrder([this](cCueLineKey key, const cCueLine&) { m_toDo.AddFront(key); });
}

void cCardStore::RebuildToDo(const std::vector<cCueLineKey>& keys) {
    m_toDo.RemoveAll();
    for (const cCueLineKey key : keys) {
        if (m_cards.Find(key) != nullptr) {
            m_toDo.AddFront(key);
        }
    }
}

void cCardStore::DeleteAllCards() {
    m_loadedFiles.clear();
    m_cards.RemoveAll();
}
