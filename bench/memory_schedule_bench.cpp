// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The memory of every card with 500,000 loaded cards, 100,000 of them studied before, as
// the teacher uses it: grading one answer of a pass (the key from the card's texts, the
// grade, the model, keeping the answer for the history), and the count of cards due today
// right after the load (the keys of every loaded card, then the count).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/card_memory_key.h"
#include "engine/card_store.h"
#include "engine/pass_grading.h"
#include "platform/tick_source.h"

namespace {

constexpr int kLoadedCards = 500'000;
constexpr int kScheduledCards = 100'000;
constexpr int64_t kNow = 20'000 * cFsrsScheduler::kDayMs + 12 * 3'600'000;

// A clock that moves one second per look at it.
class cSteppingClock : public cTickSource {
public:
    uint32_t GetTickCount() const override { return static_cast<uint32_t>(m_ms += 1000); }
    int64_t GetUtcMs() const override { return kNow + m_ms; }
    int64_t GetLocalMs() const override { return kNow + m_ms; }

private:
    mutable int64_t m_ms = 0;
};

// Cards shaped like a dictionary deck's: a headword and a translation of a few words.
const cCardStore& LoadedCards() {
    static const cCardStore* const store = [] {
        auto* cards = new cCardStore;
        for (int i = 0; i < kLoadedCards; ++i) {
            const std::string digits = std::to_string(i);
            const std::u16string index(digits.begin(), digits.end());
            cards->AddCard(u"Stichwort" + index, u"the headword number " + index);
        }
        return cards;
    }();
    return *store;
}

// Every fifth loaded card studied, over the last year, due from last month to next year.
std::vector<sCardMemory> Studied() {
    const cFsrsScheduler scheduler;
    std::vector<sCardMemory> memories;
    int i = 0;
    LoadedCards().ForEachCard(
        [&](cCueLineKey, std::u16string_view cue, std::u16string_view answer) {
            if (i++ % 5 != 0) {
                return;
            }
            sMemoryState state =
                scheduler.Review({}, eGrade::Good, kNow - (i % 365) * cFsrsScheduler::kDayMs);
            state.dueDay = cFsrsScheduler::DayOf(kNow) - 30 + i % 400;
            memories.push_back({cCardMemoryKey(cue, answer).GetValue(), state});
        });
    return memories;
}

void BM_GradeAnAnswer(benchmark::State& state) {
    const cSteppingClock clock;
    cPassGrading grading(clock);
    grading.Restore(Studied());
    std::vector<std::pair<cCueLineKey, cCueLine>> cards;
    LoadedCards().ForEachCard(
        [&](cCueLineKey key, std::u16string_view cue, std::u16string_view answer) {
            if (cards.size() < 100'000) {
                cards.emplace_back(key, cCueLine(std::u16string(cue), std::u16string(answer)));
            }
        });
    size_t next = 0;
    for (auto _ : state) {
        const auto& [key, card] = cards[next];
        grading.NoteShown(key);
        grading.Grade(key, card, next % 7 == 0);
        next = (next + 1) % cards.size();  // studied and new cards in turn
        if (next == 0) {
            grading.BeginPass();
        }
        if (next % 1000 == 0) {
            benchmark::DoNotOptimize(grading.TakeGraded());  // as the history takes them
        }
    }
}
BENCHMARK(BM_GradeAnAnswer)->Unit(benchmark::kMicrosecond);

void BM_CountDueAfterTheLoad(benchmark::State& state) {
    const cSteppingClock clock;
    cPassGrading grading(clock);
    grading.Restore(Studied());
    for (auto _ : state) {
        grading.ForgetLoadedCards();  // as after a load: every key made anew
        const int due = grading.CountDue(LoadedCards());
        state.counters["due"] = due;
    }
}
BENCHMARK(BM_CountDueAfterTheLoad)->Unit(benchmark::kMillisecond);

void BM_CountDueAgain(benchmark::State& state) {
    const cSteppingClock clock;
    cPassGrading grading(clock);
    grading.Restore(Studied());
    grading.CountDue(LoadedCards());
    for (auto _ : state) {
        benchmark::DoNotOptimize(grading.CountDue(LoadedCards()));
    }
}
BENCHMARK(BM_CountDueAgain)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
