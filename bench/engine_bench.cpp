// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The study engine with a working set of 1,000,000 short cards: filling the store,
// Restart, one right answer, and the memory the set takes.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "platform/tick_source.h"
#include "process_memory.h"

namespace {

constexpr int kCards = 1'000'000;

void FillStore(cTeacher& teacher, int cards) {
    for (int i = 0; i < cards; ++i) {
        const std::u16string number = std::u16string(u"w") + char16_t(u'a' + i % 26);
        teacher.AddCard(cCueLine(u"cue" + number, u"ans" + number));
    }
}

void BM_FillStore(benchmark::State& state) {
    for (auto _ : state) {
        cMemoryProfile profile;
        cSystemTickSource ticks;
        cTeacher teacher(profile, ticks);
        FillStore(teacher, kCards);
        // The whole process holding one set of a million cards.
        state.counters["rss_MiB"] = ReadProcessMemoryMiB("VmRSS");
        state.PauseTiming();  // destroying the set is not part of filling it
        teacher.Clear();
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
