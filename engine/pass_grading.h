// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/card_memory_key.h"
#include "engine/cue_line.h"
#include "engine/fsrs_scheduler.h"
#include "engine/memory_schedule.h"
#include "platform/pass_history.h"

class cCardStore;
class cTickSource;

// Grades each card's first outcome in a pass into the memory schedule, and tells what the
// schedule says of the loaded cards: how many are due today, which to study, what is due
// on the days ahead and how well a card is likely remembered.
class cPassGrading {
public:
    // New cards a due pass brings in on one day, beside the due ones.
    static constexpr int kNewCardsPerDay = 20;

    explicit cPassGrading(const cTickSource& clock);
    virtual ~cPassGrading() = default;
    cPassGrading(const cPassGrading&) = delete;
    cPassGrading& operator=(const cPassGrading&) = delete;

    // Memories kept from earlier runs.
    void Restore(const std::vector<sCardMemory>& memories);
    // A new pass: each card is graded again at its first outcome, and the card shown
    // first is timed from now even when it is the one shown last.
    void BeginPass();
    // The card now current is shown from now on, unless it was the one shown already.
    void NoteShown(cCueLineKey key);
    // The card's first outcome in the pass (later ones leave its memory alone). missed:
    // answered wrongly or Ignored; a right answer is graded on the time it took.
    void Grade(cCueLineKey key, const cCueLine& card, bool missed);
    // The answers graded since the last call, oldest first.
    std::vector<sGradedAnswer> TakeGraded();

    // The working set changed: the loaded cards' memory keys are worked out again.
    void ForgetLoadedCards();
    // The loaded cards due today or earlier.
    int CountDue(const cCardStore& store);
    // The loaded cards due today or earlier, then new ones up to kNewCardsPerDay less
    // those begun today, in load order.
    std::vector<cCueLineKey> PickDueCards(const cCardStore& store);
    // The loaded cards due on each of the days from today on (today's count includes
    // the overdue ones).
    std::vector<int> Forecast(const cCardStore& store, int days);
    // The chance of recalling the card today; none for a card never graded.
    std::optional<double> PredictRecall(std::u16string_view cue, std::u16string_view answer) const;

private:
    // Fills m_loadedIds and m_loadedMemories, in load order, unless they are filled.
    void ListLoadedCards(const cCardStore& store);
    int32_t Today() const;

    const cTickSource& m_clock;
    cFsrsScheduler m_scheduler;
    cMemorySchedule m_schedule{m_scheduler};
    cCueLineKey m_shownKey;
    uint32_t m_shownTick = 0;
    std::unordered_set<uint32_t> m_gradedInPass;  // card ids
    std::vector<sGradedAnswer> m_graded;
    std::vector<cCueLineKey> m_loadedIds;
    std::vector<cCardMemoryKey> m_loadedMemories;
};
