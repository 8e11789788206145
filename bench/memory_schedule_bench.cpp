// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The memory schedule with 500,000 loaded cards, 100,000 of them studied before: grading
// one answer (the key from the card's texts, the grade, the model, keeping the state), and
// counting the cards due today from the texts of every loaded card.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/card_memory_key.h"
#include "engine/fsrs_scheduler.h"
#include "engine/memory_schedule.h"

namespace {

constexpr int kLoadedCards = 500'000;
constexpr int kScheduledCards = 100'000;
constexpr int64_t kNow = 20'000 * cFsrsScheduler::kDayMs + 12 * 3'600'000;

struct sCard {
    std::u16string cue;
    std::u16string answer;
};

// Cards shaped like a dictionary deck's: a headword and a translation of a few words.
const std::vector<sCard>& LoadedCards() {
    static const std::vector<sCard> cards = [] {
        std::vector<sCard> made;
        made.reserve(kLoadedCards);
        for (int i = 0; i < kLoadedCards; ++i) {
            std::u16string index;
            for (int n = i; n > 0 || index.empty(); n /= 10) {
                index.insert(index.begin(), char16_t(u'0' + n % 10));
            }
            made.push_back({u"Stichwort" + index, u"the headword number " + index});
        }
        return made;
    }();
    return cards;
}

// Every fifth loaded card studied, over the last year, due from last month to next year.
void Study(cMemorySchedule& memory, const cFsrsScheduler& scheduler) {
    memory.Reserve(kScheduledCards);
    const std::vector<sCard>& cards = LoadedCards();
    for (int i = 0; i < kScheduledCards; ++i) {
        const sCard& card = cards[static_cast<size_t>(i) * 5];
        sMemoryState state =
            scheduler.Review({}, eGrade::Good, kNow - (i % 365) * cFsrsScheduler::kDayMs);
        state.dueDay = cFsrsScheduler::DayOf(kNow) - 30 + i % 400;
        memory.Restore(cCardMemoryKey(card.cue, card.answer), state);
    }
}

void BM_GradeAnAnswer(benchmark::State& state) {
    const cFsrsScheduler scheduler;
    cMemorySchedule memory(scheduler);
    Study(memory, scheduler);
    const std::vector<sCard>& cards = LoadedCards();
    size_t next = 0;
    int64_t now = kNow;
    for (auto _ : state) {
        const sCard& card = cards[next];
        const sMemoryState& answered =
            memory.Answer(cCardMemoryKey(card.cue, card.answer), next % 7 == 0, 2500, now);
        benchmark::DoNotOptimize(answered.dueDay);
        next = (next + 5) % kLoadedCards;  // studied and new cards in turn
        now += 1000;
    }
}
BENCHMARK(BM_GradeAnAnswer)->Unit(benchmark::kMicrosecond);

void BM_CountDueFromTheTexts(benchmark::State& state) {
    const cFsrsScheduler scheduler;
    cMemorySchedule memory(scheduler);
    Study(memory, scheduler);
    const std::vector<sCard>& cards = LoadedCards();
    const int32_t today = cFsrsScheduler::DayOf(kNow);
    for (auto _ : state) {
        std::vector<cCardMemoryKey> keys;
        keys.reserve(cards.size());
        for (const sCard& card : cards) {
            keys.emplace_back(card.cue, card.answer);
        }
        const int due = memory.CountDue(keys, today);
        benchmark::DoNotOptimize(due);
        state.counters["due"] = due;
    }
}
BENCHMARK(BM_CountDueFromTheTexts)->Unit(benchmark::kMillisecond);

void BM_CountDueFromTheKeys(benchmark::State& state) {
    const cFsrsScheduler scheduler;
    cMemorySchedule memory(scheduler);
    Study(memory, scheduler);
    std::vector<cCardMemoryKey> keys;
    for (const sCard& card : LoadedCards()) {
        keys.emplace_back(card.cue, card.answer);
    }
    const int32_t today = cFsrsScheduler::DayOf(kNow);
    for (auto _ : state) {
        benchmark::DoNotOptimize(memory.CountDue(keys, today));
    }
}
BENCHMARK(BM_CountDueFromTheKeys)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
