// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/card_map.h"
#include "engine/card_store.h"

namespace {

std::vector<uint32_t> ToDoIds(const cCardStore& store) {
    std::vector<uint32_t> ids;
    for (const cCueLineKey key : store.GetToDoKeys()) {
        ids.push_back(key.GetId());
    }
    return ids;
}

// The ids of each range in turn, from its first to its last, counting down where it falls.
std::vector<uint32_t> Ids(std::initializer_list<std::pair<uint32_t, uint32_t>> ranges) {
    std::vector<uint32_t> ids;
    for (auto [id, last] : ranges) {
        for (ids.push_back(id); id != last; ids.push_back(id)) {
            id = id < last ? id + 1 : id - 1;
        }
    }
    return ids;
}

}  // namespace

// Texts are kept back to back in blocks; cards near and across block ends, and cards
// larger than a block, come back whole.
TEST(CardStoreTest, TextsComeBackWholeAcrossBlocksOfAnySize) {
    cCardStore store;
    std::vector<cCueLine> cards;
    for (int i = 0; i < 400; ++i) {
        const size_t size = i % 50 == 7 ? cCardMap::kBlockUnits + 3 : 3000 + size_t(i);
        cards.emplace_back(std::u16string(size, char16_t(u'a' + i % 26)),
                           std::u16string(1 + i % 5, char16_t(u'A' + i % 26)) + u"!");
        store.AddCard(cards.back());
    }
    for (uint32_t i = 0; i < cards.size(); ++i) {
        const std::optional<cCueLine> card = store.FindCard(cCueLineKey(100 + i));
        ASSERT_TRUE(card && card->GetCue() == cards[i].GetCue() &&
                    card->GetAnswer() == cards[i].GetAnswer())
            << "card " << i;
    }
    store.RebuildToDo();  // ids over many hash values: every card is queued again
    EXPECT_EQ(store.GetCuesLeft(), 400);
}

// The to-do list's order: loading queues at the front, a new pass in the card map's bucket
// order, a drawn entry becomes current.
TEST(CardStoreTest, ToDoOrderFollowsTheOperations) {
    cCardStore store;
    for (int i = 0; i < 21; ++i) {
        store.AddCard(u"cue", u"answer");
    }
    EXPECT_EQ(ToDoIds(store), Ids({{120, 100}}));

    store.RebuildToDo();  // ids 100 to 111 share bucket 6, 112 to 120 bucket 7
    EXPECT_EQ(ToDoIds(store), Ids({{112, 120}, {100, 111}}));
    EXPECT_EQ(store.GetCurrentKey().GetId(), 111u);

    store.MoveToEnd(0);  // 112 becomes current
    EXPECT_EQ(store.GetCurrentKey().GetId(), 112u);
    store.MoveToEnd(store.GetCuesLeft());  // beyond the end: nothing changes
    EXPECT_EQ(store.GetCurrentKey().GetId(), 112u);
    EXPECT_EQ(store.RemoveCurrent().GetId(), 112u);
    EXPECT_EQ(store.GetCuesLeft(), 20);

    store.DeleteAllCards();
    store.RebuildToDo();
    store.AddCard(u"after", u"clear");
    EXPECT_EQ(ToDoIds(store), std::vector<uint32_t>{121});  // ids are never reused
}
