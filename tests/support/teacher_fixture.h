// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "tests/support/fake_tick_source.h"

// Cue and answer of each card.
using CardTexts = std::vector<std::pair<std::u16string, std::u16string>>;

// A teacher on a fake clock and an in-memory profile.
class TeacherTest : public ::testing::Test {
protected:
    void AddCards(const CardTexts& cards) {
        for (const auto& [cue, answer] : cards) {
            teacher.AddCard(cCueLine(cue, answer));
        }
    }
    // Every card of the working set, in the order of its ids.
    CardTexts Cards() const {
        CardTexts cards;
        for (int i = 0; i < teacher.GetTotalCues(); ++i) {
            const cCueLine card = teacher.FindCard(cCueLineKey(100 + i)).value();
            cards.emplace_back(card.GetCue(), card.GetAnswer());
        }
        return cards;
    }
    // Answers the current card correctly.
    void AnswerRight() { EXPECT_EQ(teacher.Next(teacher.GetCurrentCard().GetAnswer()), u""); }

    std::vector<uint32_t> ToDoIds() const {
        std::vector<uint32_t> ids;
        for (cCueLineKey key : teacher.GetToDoKeys()) {
            ids.push_back(key.GetId());
        }
        return ids;
    }

    cMemoryProfile profile;
    cFakeTickSource ticks;
    cTeacher teacher{profile, ticks};
};
