// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The chunked to-do list against a plain double-ended queue doing the same, over runs long
// enough to cross and empty many chunks; the draw, which must reach every entry with the
// same chance; and the card store that keeps the texts and orders the list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <iterator>
#include <string>
#include <vector>

#include "engine/card_map.h"
#include "engine/card_store.h"
#include "engine/random_generator.h"
#include "engine/to_do_list.h"

static std::vector<uint32_t> ToDoIds(const cCardStore& store) {
    std::vector<uint32_t> ids;
    std::ranges::transform(store.GetToDoKeys(), std::back_inserter(ids), &cCueLineKey::GetId);
    return ids;
}

TEST(ToDoListTest, EveryOperationKeepsTheOrderOfAPlainQueue) {
    cToDoList list;
    std::deque<cCueLineKey> model;
    cRandomGenerator random(7);
    constexpr int kSize = 5000;  // several chunks
    for (int round = 0; round < 3; ++round) {
        for (uint32_t id = 100; id < 100 + kSize; ++id) {
            list.AddFront(cCueLineKey(id));
            model.push_front(cCueLineKey(id));
        }
        for (int step = 0; step < 20000 && !model.empty(); ++step) {
            const uint32_t choice = random.NextBelow(19);
            const uint32_t index = random.NextBelow(static_cast<uint32_t>(model.size()));
            if (choice < 12) {  // a right answer: the end leaves, a drawn entry comes last
                ASSERT_EQ(list.RemoveEnd(), model.back());
                model.pop_back();
                if (!model.empty()) {
                    list.MoveToEnd(static_cast<int>(index % model.size()));
                    const auto at = model.begin() + static_cast<ptrdiff_t>(index % model.size());
                    std::rotate(at, at + 1, model.end());
                }
            } else if (choice < 17) {  // a wrong answer: two more copies at the front
                list.AddFront(model.back());
                list.AddFront(model.back());
                model.push_front(model.back());
                model.push_front(model.back());
            } else {  // Ignore: every copy of one key
                const cCueLineKey key = model[index];
                ASSERT_EQ(list.RemoveKey(key), std::erase(model, key));
            }
            ASSERT_EQ(list.GetEnd(), model.empty() ? cCueLineKey() : model.back());
        }
        ASSERT_EQ(list.ToVector(), std::vector<cCueLineKey>(model.begin(), model.end()));
    }
}

// Chi-square over bins of the drawn values: with 49 degrees of freedom a sound generator
// stays below 90 all but once in 10,000 runs; a draw that favours a part of the range
// (as taking the remainder of 32768 by 20000 does) lands far above.
static double ChiSquare(uint32_t count, int draws) {
    constexpr int kBins = 50;
    cRandomGenerator random(20261207);
    std::vector<double> hits(kBins);
    for (int i = 0; i < draws; ++i) {
        const uint32_t value = random.NextBelow(count);
        EXPECT_LT(value, count);
        hits[static_cast<size_t>(uint64_t{value} * kBins / count)] += 1;
    }
    double chiSquare = 0;
    // Bins of integers differ by at most one value in size.
    const auto start = [count](int bin) { return (uint64_t{count} * bin + kBins - 1) / kBins; };
    for (int bin = 0; bin < kBins; ++bin) {
        const double expected = double(draws) * double(start(bin + 1) - start(bin)) / double(count);
        chiSquare += std::pow(hits[static_cast<size_t>(bin)] - expected, 2) / expected;
    }
    return chiSquare;
}

TEST(RandomDrawTest, EveryEntryIsEquallyLikelyInShortAndLongLists) {
    EXPECT_LT(ChiSquare(20000, 200000), 90);
    EXPECT_LT(ChiSquare(1u << 30, 200000), 90);
}

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
// order (ids 100 to 111 share bucket 6, 112 to 120 bucket 7), a drawn entry becomes current.
TEST(CardStoreTest, ToDoOrderFollowsTheOperations) {
    cCardStore store;
    std::vector<uint32_t> loaded(21), rebuilt(21);
    for (uint32_t i = 0; i < 21; ++i) {
        store.AddCard(u"cue", u"answer");
        loaded[20 - i] = rebuilt[(i + 9) % 21] = 100 + i;
    }
    EXPECT_EQ(ToDoIds(store), loaded);
    store.RebuildToDo();
    EXPECT_EQ(ToDoIds(store), rebuilt);
    store.MoveToEnd(0);                    // 112 becomes current
    store.MoveToEnd(store.GetCuesLeft());  // beyond the end: nothing changes
    EXPECT_EQ((std::pair{store.RemoveCurrent().GetId(), store.GetCuesLeft()}), std::pair(112u, 20));

    store.DeleteAllCards();
    store.RebuildToDo();
    store.AddCard(u"after", u"clear");
    EXPECT_EQ(ToDoIds(store), std::vector<uint32_t>{121});  // ids are never reused
}
