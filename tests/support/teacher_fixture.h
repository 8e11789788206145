// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cuefiles/cue_file_reader.h"
#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "tests/support/fake_tick_source.h"
#include "tests/support/temp_dir.h"
#include "text/unicode.h"

// Cue and answer of each card.
using CardTexts = std::vector<std::pair<std::u16string, std::u16string>>;

// A teacher on a fake clock and an in-memory profile.
class TeacherTest : public ::testing::Test {
protected:
    // Reads the cards into the working set as a cue file of "cue = answer" lines.
    // Reads them into the fixture's teacher unless told another.
    void AddCards(const CardTexts& cards, cTeacher* into = nullptr) {
        std::u16string lines;
        for (const auto& [cue, answer] : cards) {
            lines += cue + u" = " + answer + u"\n";
        }
        std::string utf8;
        Utf16ToUtf8(lines, utf8);
        cCueFileReader reader;
        ASSERT_TRUE(reader.Open(dir.Write("cards.recallix", utf8)));
        ASSERT_TRUE((into != nullptr ? *into : teacher).ReadCueFile(&reader, false));
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

    // The cues of every entry still to do, sorted: the pass is answered to its end, the
    // answers msApart apart, to find them.
    std::vector<std::u16string> AnswerTheRest(uint32_t msApart = 0) {
        std::vector<std::u16string> cues;
        while (teacher.GetCuesLeft() > 0) {
            cues.push_back(teacher.GetCurrentCue());
            AnswerRight();
            ticks.Advance(msApart);
        }
        std::sort(cues.begin(), cues.end());
        return cues;
    }

    cMemoryProfile profile;
    cFakeTickSource ticks;
    cTeacher teacher{profile, ticks};
    cTempDir dir;
};
