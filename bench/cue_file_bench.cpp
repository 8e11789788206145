// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Reading a cue file of 1,000,000 short cards in each encoding: decoding into lines (the
// baseline), splitting the lines into cue and answer, and loading the file into the
// working set with everything that involves.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

#include "cue_file_generator.h"
#include "cuefiles/cue_file_reader.h"
#include "cuefiles/cue_record.h"
#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "platform/tick_source.h"
#include "process_memory.h"

namespace {

constexpr int kLines = 1'000'000;

// The sample files, written once on first use and removed at exit.
class cSampleFiles {
public:
    cSampleFiles() : m_dir(CreateSampleDirectory()) {}
    ~cSampleFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    std::u16string PathOf(eCueEncoding encoding) {
        auto found = m_paths.find(encoding);
        if (found == m_paths.end()) {
            const std::string path = WriteSampleCueFile(m_dir, encoding, kLines);
            found = m_paths.emplace(encoding, std::filesystem::path(path).u16string()).first;
        }
        return found->second;
    }

private:
    std::string m_dir;
    std::map<eCueEncoding, std::u16string> m_paths;
};

std::u16string SamplePath(eCueEncoding encoding) {
    static cSampleFiles files;
    return files.PathOf(encoding);
}

void BM_ReadLines(benchmark::State& state, eCueEncoding encoding) {
    const std::u16string path = SamplePath(encoding);
    for (auto _ : state) {
        cCueFileReader reader;
        if (!reader.Open(path) || reader.GetEncoding() != encoding) {
            state.SkipWithError("sample file not read in its encoding");
            break;
        }
        std::u16string line;
        int64_t count = 0;
        while (reader.ReadTextLine(line)) {
            ++count;
        }
        if (count != kLines) {
            state.SkipWithError("wrong line count");
        }
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    // Highest resident memory so far: the baseline for the peak of loading.
    state.counters["peak_rss_MiB"] = ReadProcessMemoryMiB("VmHWM");
}

void BM_ReadPairs(benchmark::State& state, eCueEncoding encoding) {
    const std::u16string path = SamplePath(encoding);
    for (auto _ : state) {
        cCueFileReader reader;
        if (!reader.Open(path)) {
            state.SkipWithError("sample file not opened");
            break;
        }
        std::u16string line;
        std::u16string_view cue;
        std::u16string_view answer;
        int64_t count = 0;
        while (!reader.IsAtEnd()) {
            count += ReadCuePair(reader, false, line, cue, answer);
        }
        if (count != kLines) {
            state.SkipWithError("wrong card count");
        }
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

void BM_LoadIntoWorkingSet(benchmark::State& state, eCueEncoding encoding) {
    const std::u16string path = SamplePath(encoding);
    cMemoryProfile profile;
    cSystemTickSource ticks;
    for (auto _ : state) {
        cTeacher teacher(profile, ticks);
        if (!teacher.LoadCueFile(path, false) || teacher.GetTotalCues() != kLines) {
            state.SkipWithError("sample file not loaded whole");
        }
        state.PauseTiming();  // giving the working set back is not part of loading
        teacher.Clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    // Highest resident memory of the process so far, which loading a million cards sets.
    state.counters["peak_rss_MiB"] = ReadProcessMemoryMiB("VmHWM");
}

BENCHMARK_CAPTURE(BM_ReadLines, utf16le, eCueEncoding::Utf16Le)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadLines, latin1, eCueEncoding::Latin1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadLines, utf8, eCueEncoding::Utf8)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadPairs, utf16le, eCueEncoding::Utf16Le)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadPairs, latin1, eCueEncoding::Latin1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadPairs, utf8, eCueEncoding::Utf8)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_CAPTURE(BM_LoadIntoWorkingSet, utf16le, eCueEncoding::Utf16Le)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_LoadIntoWorkingSet, latin1, eCueEncoding::Latin1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_LoadIntoWorkingSet, utf8, eCueEncoding::Utf8)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
