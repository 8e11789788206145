// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <numeric>

#include "tests/support/teacher_fixture.h"

using CardStoreTest = TeacherTest;

TEST_F(CardStoreTest, LaterCardsQueueInFrontAndIdsKeepCountingAfterClear) {
    AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}});
    EXPECT_EQ(ToDoIds(), (std::vector<uint32_t>{102, 101, 100}));
    EXPECT_EQ(teacher.GetCurrentCue(), u"A");  // the first card of the file is current
    AddCards({{u"D", u"d"}});                  // a later file never displaces it
    EXPECT_EQ(ToDoIds(), (std::vector<uint32_t>{103, 102, 101, 100}));
    teacher.Clear();
    AddCards({{u"X", u"x"}});
    EXPECT_EQ(teacher.GetCurrentKey(), cCueLineKey(104));
    EXPECT_FALSE(teacher.FindCard(cCueLineKey(103)));
}

TEST_F(CardStoreTest, RebuildVisitsBucketsInOrderNewestFirst) {
    AddNumberedCards(21);  // ids 100 to 120: hash values 6 and 7 (ids 100-111, 112-120)
    teacher.RebuildToDo();
    std::vector<uint32_t> expected(21);
    std::iota(expected.begin(), expected.begin() + 9, 112);
    std::iota(expected.begin() + 9, expected.end(), 100);
    EXPECT_EQ(ToDoIds(), expected);
    EXPECT_EQ(teacher.GetCurrentKey(), cCueLineKey(111));

    // Ids 100 to 299: hash values 6 to 18; hash 17 is bucket 0 (ids 272-287) and hash 18
    // bucket 1 (288-299), so they come first, ahead of hash 6's bucket 6.
    AddNumberedCards(179);
    teacher.RebuildToDo();
    const std::vector<cCueLineKey> keys = teacher.GetToDoKeys();
    ASSERT_EQ(keys.size(), 200u);
    // The end of the list is the first card visited: the newest of bucket 0.
    EXPECT_EQ(keys.back(), cCueLineKey(287));
    EXPECT_EQ(keys[keys.size() - 16], cCueLineKey(272));
    EXPECT_EQ(keys[keys.size() - 17], cCueLineKey(299));  // bucket 1 follows
    EXPECT_EQ(keys.front(), cCueLineKey(256));            // bucket 16 (hash 16) is visited last
}

// Texts are kept back to back in blocks; cards near and across block ends, and cards
// larger than a block, come back whole.
TEST_F(CardStoreTest, TextsComeBackWholeAcrossBlocksOfAnySize) {
    std::vector<std::pair<std::u16string, std::u16string>> cards;
    for (int i = 0; i < 400; ++i) {
        const size_t size = i % 50 == 7 ? cCardMap::kBlockUnits + 3 : 3000 + size_t(i);
        cards.emplace_back(std::u16string(size, char16_t(u'a' + i % 26)),
                           std::u16string(1 + i % 5, char16_t(u'A' + i % 26)) + u"!");
    }
    AddCards(cards);
    for (size_t i = 0; i < cards.size(); ++i) {
        const std::optional<cCueLine> card = teacher.FindCard(cCueLineKey(100 + uint32_t(i)));
        ASSERT_TRUE(card);
        ASSERT_EQ(card->GetCue(), cards[i].first) << i;
        ASSERT_EQ(card->GetAnswer(), cards[i].second) << i;
    }
}
