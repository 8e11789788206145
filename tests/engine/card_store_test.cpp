// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

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
    EXPECT_EQ(teacher.FindCard(cCueLineKey(103)), nullptr);
}
