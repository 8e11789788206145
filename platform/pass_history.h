// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/memory_state.h"

// A card that was answered wrongly or Ignored in a pass.
struct sMissedCard {
    std::u16string cue;
    std::u16string answer;
    int wrongAnswers = 0;  // how many times it was answered wrongly
    bool ignored = false;

    bool operator==(const sMissedCard&) const = default;
};

// A card's first outcome in a pass, graded for its memory.
struct sGradedAnswer {
    uint64_t card = 0;          // the card's memory key (its cue and answer texts)
    int64_t answeredUtcMs = 0;  // ms since 1970 UTC
    eGrade grade = eGrade::Good;
    uint32_t answerMs = 0;  // from showing the card to the answer
    sMemoryState memory;    // the card's memory after this grade

    bool operator==(const sGradedAnswer&) const = default;
};

// A card's memory as last graded.
struct sCardMemory {
    uint64_t card = 0;
    sMemoryState memory;
};

// One finished pass, as the teacher reports it and as the history gives it back.
struct sPassRecord {
    int64_t endedUtcMs = 0;  // when it ended, ms since 1970 UTC; set by the history
    std::u16string key;      // the fastest-time key of the files
    std::u16string files;    // the loaded files' names, joined as shown
    uint32_t timeMs = 0;     // the pass time, penalties included
    int cards = 0;           // the cards the pass was over
    int wrongAnswers = 0;
    int ignoredCards = 0;
    bool review = false;  // not a full pass: a review of missed cards or a due pass
    std::vector<sMissedCard> missed;
    std::vector<sGradedAnswer> graded = {};  // the answers of the pass, graded
    bool due = false;                        // a pass over the cards due for study
};

// A card missed in one or more passes of a combination of files.
struct sHardCard {
    std::u16string cue;
    std::u16string answer;
    int passesMissed = 0;  // in how many passes it was answered wrongly or Ignored
    int wrongAnswers = 0;  // wrong answers in all those passes together
};

// Where finished passes are kept. Recording never fails loudly: a store that cannot
// keep a pass drops it and says so once through the notice.
class cPassHistory {
public:
    virtual ~cPassHistory();

    // Keeps a finished pass with its missed cards, all or nothing.
    virtual void RecordPass(const sPassRecord& pass) = 0;
    // The passes of one combination of files (every combination when key is empty),
    // newest first, without their missed cards.
    virtual std::vector<sPassRecord> ReadPasses(const std::u16string& key) = 0;
    // The cards of one combination (every combination when key is empty) missed in the
    // most passes, most often missed first, at most limit of them.
    virtual std::vector<sHardCard> ReadHardestCards(const std::u16string& key, int limit) = 0;

    // Keeps answers graded in a pass that ended without finishing (a finished pass
    // brings its own). A store without memories drops them.
    virtual void RecordGradedAnswers(const std::vector<sGradedAnswer>& answers);
    // Every card's memory as last graded, in no order. False when the kept memories cannot
    // be read now (another program holds them): memories then has only those known here.
    virtual bool ReadCardMemories(std::vector<sCardMemory>& memories);

    // notice is called once, the first time the history cannot be used (at once if that
    // has happened already). A store that never fails ignores it.
    virtual void SetUnavailableNotice(std::function<void()> notice);
};
