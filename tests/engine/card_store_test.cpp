// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include "tests/support/teacher_fixture.h"

using CardStoreTest = TeacherTest;

// Texts are kept back to back in blocks; cards near and across block ends, and cards
// larger than a block, come back whole.
TEST_F(CardStoreTest, TextsComeBackWholeAcrossBlocksOfAnySize) {
    CardTexts cards;
    for (int i = 0; i < 400; ++i) {
        const size_t size = i % 50 == 7 ? cCardMap::kBlockUnits + 3 : 3000 + size_t(i);
        cards.emplace_back(std::u16string(size, char16_t(u'a' + i % 26)),
                           std::u16string(1 + i % 5, char16_t(u'A' + i % 26)) + u"!");
    }
    AddCards(cards);
    EXPECT_TRUE(Cards() == cards) << "a card came back changed";
    teacher.Restart();  // ids over many hash values: every card is queued again
    EXPECT_EQ(teacher.GetCuesLeft(), 400);
}
