// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A card that was answered wrongly or Ignored in a pass.
struct sMissedCard {
    std::u16string cue;
    std::u16string answer;
    int wrongAnswers = 0;  // how many times it was answered wrongly
    bool ignored = false;

    bool operator==(const sMissedCard&) const = default;
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
    bool review = false;  // a review of missed cards rather than a full pass
    std::vector<sMissedCard> missed;
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

    // notice is called once, the first time the history cannot be used (at once if that
    // has happened already). A store that never fails ignores it.
    virtual void SetUnavailableNotice(std::function<void()> notice);
};
