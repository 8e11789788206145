// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Reading cue files in each encoding, both 1,000,000 short cards and a real dictionary deck:
// Debian's German-English dictionary (dict-freedict-deu-eng) where it is installed, else a
// generated deck shaped like it (517,524 cards of about 40 characters). Decoding into lines (the
// baseline), splitting the lines into cue and answer, and loading the file into the
// working set with everything that involves; and the memory the loaded set takes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cue_file_generator.h"
#include "cuefiles/cue_file_reader.h"
#include "dictionary_deck.h"
#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "platform/tick_source.h"
#include "process_memory.h"

namespace {

enum class eInput { Short, Deck };

// The installed dictionary's cards, read once; empty when it is not installed.
const std::vector<DeckCard>& DictionaryCards() {
    static const std::vector<DeckCard> cards = ReadInstalledDictionary();
    return cards;
}

int LineCount(eInput input) {
    if (input == eInput::Short) {
        return 1'000'000;
    }
    return DictionaryCards().empty() ? 517'524 : static_cast<int>(DictionaryCards().size());
}

// The sample files, written once on first use and removed at exit.
class cSampleFiles {
public:
    cSampleFiles() : m_dir(CreateSampleDirectory()) {}
    ~cSampleFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    std::u16string PathOf(eInput input, eCueEncoding encoding) {
        const auto key = std::make_pair(input, encoding);
        auto found = m_paths.find(key);
        if (found == m_paths.end()) {
            const int lines = LineCount(input);
            const std::string path =
                input == eInput::Short      ? WriteSampleCueFile(m_dir, encoding, lines)
                : DictionaryCards().empty() ? WriteDictionaryCueFile(m_dir, encoding, lines)
                                            : WriteDeckCueFile(m_dir, encoding, DictionaryCards());
            found = m_paths.emplace(key, std::filesystem::path(path).u16string()).first;
        }
        return found->second;
    }

private:
    std::string m_dir;
    std::map<std::pair<eInput, eCueEncoding>, std::u16string> m_paths;
};

std::u16string SamplePath(eInput input, eCueEncoding encoding) {
    static cSampleFiles files;
    return files.PathOf(input, encoding);
}

void BM_ReadLines(benchmark::State& state, eInput input, eCueEncoding encoding) {
    const std::u16string path = SamplePath(input, encoding);
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
        if (count != LineCount(input)) {
            state.SkipWithError("wrong line count");
        }
    }
    state.SetItemsProcessed(state.iterations() * LineCount(input));
}

void BM_LoadIntoWorkingSet(benchmark::State& state, eInput input, eCueEncoding encoding) {
    const std::u16string path = SamplePath(input, encoding);
    cMemoryProfile profile;
    cSystemTickSource ticks;
    for (auto _ : state) {
        cTeacher teacher(profile, ticks);
        if (!teacher.LoadCueFile(path, false) || teacher.GetTotalCues() != LineCount(input)) {
            state.SkipWithError("sample file not loaded whole");
        }
        state.PauseTiming();  // giving the working set back is not part of loading
        teacher.Clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * LineCount(input));
}

// Starts the process's peak resident memory afresh from what is resident now.
void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The resident memory that loading the file adds, against the UTF-16 size of the texts of
// its cards, and the peak while loading against what stays. Run it first in a process of
// its own: memory given back earlier would hide what the load takes.
void BM_LoadedSetMemory(benchmark::State& state, eInput input) {
    const std::u16string path = SamplePath(input, eCueEncoding::Utf16Le);
    cMemoryProfile profile;
    cSystemTickSource ticks;
    for (auto _ : state) {
        cTeacher teacher(profile, ticks);
        ResetPeakMemory();
        const double before = ReadProcessMemoryMiB("VmRSS");
        teacher.LoadCueFile(path, false);
        const double steady = ReadProcessMemoryMiB("VmRSS") - before;
        const double peak = ReadProcessMemoryMiB("VmHWM") - before;
        state.PauseTiming();
        double textBytes = 0;
        for (int i = 0; i < teacher.GetTotalCues(); ++i) {
            const auto card = teacher.FindCard(cCueLineKey(100 + static_cast<uint32_t>(i)));
            textBytes +=
                2.0 * static_cast<double>(card->GetCue().size() + card->GetAnswer().size());
        }
        state.counters["added_MiB"] = steady;
        state.counters["peak_added_MiB"] = peak;
        state.counters["text_utf16_MiB"] = textBytes / (1024 * 1024);
        state.counters["cards"] = LineCount(input);
        // Which deck this run read: the installed dictionary (1) or the generated one (0).
        state.counters["deck_from_dictionary"] = DictionaryCards().empty() ? 0 : 1;
        state.ResumeTiming();
    }
}

#define RECALLIX_CUE_BENCH(function, input, encoding)                                      \
    BENCHMARK_CAPTURE(function, input##_##encoding, eInput::input, eCueEncoding::encoding) \
        ->Unit(benchmark::kMillisecond)                                                    \
        ->Iterations(3)

BENCHMARK_CAPTURE(BM_LoadedSetMemory, Deck, eInput::Deck)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_LoadedSetMemory, Short, eInput::Short)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
RECALLIX_CUE_BENCH(BM_ReadLines, Short, Utf16Le);
RECALLIX_CUE_BENCH(BM_LoadIntoWorkingSet, Short, Utf16Le);
RECALLIX_CUE_BENCH(BM_ReadLines, Short, Latin1);
RECALLIX_CUE_BENCH(BM_LoadIntoWorkingSet, Short, Latin1);
RECALLIX_CUE_BENCH(BM_ReadLines, Short, Utf8);
RECALLIX_CUE_BENCH(BM_LoadIntoWorkingSet, Short, Utf8);
RECALLIX_CUE_BENCH(BM_ReadLines, Deck, Utf16Le);
RECALLIX_CUE_BENCH(BM_LoadIntoWorkingSet, Deck, Utf16Le);
RECALLIX_CUE_BENCH(BM_ReadLines, Deck, Latin1);
RECALLIX_CUE_BENCH(BM_LoadIntoWorkingSet, Deck, Latin1);
RECALLIX_CUE_BENCH(BM_ReadLines, Deck, Utf8);
RECALLIX_CUE_BENCH(BM_LoadIntoWorkingSet, Deck, Utf8);

}  // namespace

BENCHMARK_MAIN();
