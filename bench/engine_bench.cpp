// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The study engine with a working set of 1,000,000 short cards: filling the store,
// Restart, one right answer, and the memory the set takes.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "engine/card_store.h"
#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "platform/tick_source.h"
#include "process_memory.h"

namespace {

constexpr int kCards = 1'000'000;

// A cue file of that many short cards, written once per size and removed at exit.
std::u16string CueFileOf(int cards) {
    static std::map<int, std::filesystem::path> files;
    static const struct sCleanUp {
        ~sCleanUp() {
            for (const auto& [count, path] : files) {
                std::filesystem::remove(path);
            }
        }
    } cleanUp;
    auto found = files.find(cards);
    if (found == files.end()) {
        const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                           ("recallix-engine-bench-" + std::to_string(cards) + "-" +
                                            std::to_string(::getpid()) + ".recallix");
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < cards; ++i) {
            const char letter = static_cast<char>('a' + i % 26);
            out << "cuew" << letter << " = answ" << letter << "\n";
        }
        found = files.emplace(cards, path).first;
    }
    return found->second.u16string();
}

void FillStore(cTeacher& teacher, int cards) {
    teacher.LoadCueFile(CueFileOf(cards), false);
}

void BM_FillStore(benchmark::State& state) {
    for (auto _ : state) {
        cCardStore store;
        for (int i = 0; i < kCards; ++i) {
            const std::u16string letter(1, char16_t(u'a' + i % 26));
            store.AddCard(u"cuew" + letter, u"answ" + letter);
        }
        // The whole process holding one set of a million cards.
        state.counters["rss_MiB"] = ReadProcessMemoryMiB("VmRSS");
        state.PauseTiming();  // destroying the set is not part of filling it
        store.DeleteAllCards();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillStore)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Restart(benchmark::State& state) {
    cMemoryProfile profile;
    cSystemTickSource ticks;
    cTeacher teacher(profile, ticks);
    FillStore(teacher, kCards);
    for (auto _ : state) {
        teacher.Restart();
    }
}
BENCHMARK(BM_Restart)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RightAnswer(benchmark::State& state) {
    cMemoryProfile profile;
    cSystemTickSource ticks;
    cTeacher teacher(profile, ticks);
    FillStore(teacher, static_cast<int>(state.range(0)));
    teacher.Restart();
    for (auto _ : state) {
        const std::u16string answer = teacher.GetCurrentCard().GetAnswer();
        benchmark::DoNotOptimize(teacher.Next(answer));
    }
}
BENCHMARK(BM_RightAnswer)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(kCards)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(2000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
