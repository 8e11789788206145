// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/card_map.h"
#include "engine/cue_line.h"
#include "engine/to_do_list.h"

// The working set: every card by id, the to-do list of the pass (its end entry is the
// current card) and the files loaded into it. It knows nothing of passes, clocks or
// answers; the teacher builds those on it.
class cCardStore {
public:
    cCardStore();
    virtual ~cCardStore();
    cCardStore(const cCardStore&) = delete;
    cCardStore& operator=(const cCardStore&) = delete;

    // Stores the card under the next id and queues it at the front of the to-do list.
    void AddCard(const cCueLine& card) { AddCard(card.GetCue(), card.GetAnswer()); }
    void AddCard(std::u16string_view cue, std::u16string_view answer);
    void AddLoadedFile(const std::u16string& path);
    int GetLoadedFileCount() const { return static_cast<int>(m_loadedFiles.size()); }
    std::u16string GetLoadedFile(int index) const;  // empty when out of range
    const std::vector<std::u16string>& GetLoadedFiles() const { return m_loadedFiles; }

    int GetTotalCues() const { return m_cards.GetCount(); }
    int GetCuesLeft() const { return m_toDo.GetCount(); }
    cCueLineKey GetCurrentKey() const { return m_toDo.GetEnd(); }
    // A copy of the card stored under key, or nothing.
    std::optional<cCueLine> FindCard(cCueLineKey key) const { return m_cards.Find(key); }
    // Visits every card with its key and texts, in load order.
    void ForEachCard(const cCardMap::tTextVisit& visit) const { m_cards.ForEachText(visit); }

    cCueLineKey RemoveCurrent() { return m_toDo.RemoveEnd(); }
    void MoveToEnd(int index) { m_toDo.MoveToEnd(index); }
    // Queues the current card twice more at the front; nothing when there is none.
    void RequeueCurrent();
    // Removes every entry of key from the to-do list; how many there were.
    int RemoveKey(cCueLineKey key) { return m_toDo.RemoveKey(key); }
    // A new pass: every card queued once, in the card map's order.
    void RebuildToDo();
    // A new pass over the given cards alone, each queued once in the given order; keys
    // of cards no longer in the working set are left out.
    void RebuildToDo(const std::vector<cCueLineKey>& keys);
    // Deletes every card and forgets the loaded files. Ids are not reused.
    void DeleteAllCards();
    // How far the working set had got, and the way back to it: a cancelled load leaves
    // nothing behind, not even the ids its cards took.
    struct sMark {
        cCardMap::sMark cards;
        int toDoCount = 0;
        uint32_t nextCardId = 0;
    };
    sMark GetMark() const;
    void RollBack(const sMark& mark);
    // The to-do list from front to end (the end entry is current).
    std::vector<cCueLineKey> GetToDoKeys() const { return m_toDo.ToVector(); }

private:
    static constexpr uint32_t kFirstCardId = 100;

    std::vector<std::u16string> m_loadedFiles;
    cToDoList m_toDo;
    cCardMap m_cards;
    uint32_t m_nextCardId = kFirstCardId;
};
