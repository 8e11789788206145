// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Loading vocabulary lists: a tab-separated file of 1,000,000 lines and a vocabulary
// document of 500,000 entries, each against reading and parsing the same file without
// building a card (the baseline).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "cue_file_generator.h"
#include "cuefiles/cue_file_reader.h"
#include "cuefiles/delimited_list_reader.h"
#include "cuefiles/kvtml_reader.h"
#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "platform/tick_source.h"

namespace {

constexpr int kTabLines = 1'000'000;
constexpr int kDocumentEntries = 500'000;

std::string Numbered(const char* format, int i) {
    char text[32];
    std::snprintf(text, sizeof text, format, i);
    return text;
}

void WriteTabList(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "#separator:tab\n#html:true\n";
    for (int i = 0; i < kTabLines; ++i) {
        out << Numbered("Wort%06d", i) << '\t' << Numbered("word%06d", i)
            << (i % 10 == 0 ? "<br>&amp;\tnoun\n" : "\n");
    }
}

void WriteDocument(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
           "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"2.0\">\n <entries>\n";
    for (int i = 0; i < kDocumentEntries; ++i) {
        out << "  <entry id=\"" << i << "\">\n   <translation id=\"0\">\n    <text>"
            << Numbered("Wort%06d", i) << "</text>\n   </translation>\n"
            << "   <translation id=\"1\">\n    <text>" << Numbered("word%06d", i)
            << "</text>\n   </translation>\n  </entry>\n";
    }
    out << " </entries>\n <lessons>\n  <container>\n   <name>Lesson 1</name>\n"
           "   <entry id=\"0\"/>\n  </container>\n </lessons>\n</kvtml>\n";
}

class cSampleFiles {
public:
    cSampleFiles() : m_dir(CreateSampleDirectory()) {
        WriteTabList(m_dir + "/words.tsv");
        WriteDocument(m_dir + "/words.kvtml");
    }
    ~cSampleFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    std::u16string Path(const char* name) const {
        return std::filesystem::path(m_dir + "/" + name).u16string();
    }

private:
    std::string m_dir;
};

const cSampleFiles& Samples() {
    static const cSampleFiles files;
    return files;
}

void BM_ParseTabList(benchmark::State& state) {
    const std::u16string path = Samples().Path("words.tsv");
    for (auto _ : state) {
        cCueFileReader lines;
        lines.Open(path);
        cDelimitedListReader list(lines, cDelimitedListReader::eDialect::Tab);
        std::u16string first;
        std::u16string second;
        int count = 0;
        while (list.ReadRecord(first, second)) {
            ++count;
        }
        if (count != kTabLines) {
            state.SkipWithError("wrong record count");
        }
    }
}

void BM_ParseDocument(benchmark::State& state) {
    const std::u16string path = Samples().Path("words.kvtml");
    for (auto _ : state) {
        int count = 0;
        cKvtmlReader reader([&count](std::u16string&, std::u16string&) { ++count; });
        reader.ReadFile(path);
        if (count != kDocumentEntries) {
            state.SkipWithError("wrong entry count");
        }
    }
}

void BM_Load(benchmark::State& state, const char* name, int cards) {
    const std::u16string path = Samples().Path(name);
    cMemoryProfile profile;
    cSystemTickSource ticks;
    for (auto _ : state) {
        cTeacher teacher(profile, ticks);
        if (!teacher.LoadCueFile(path, false) || teacher.GetTotalCues() != cards) {
            state.SkipWithError("sample file not loaded whole");
        }
        state.PauseTiming();  // giving the working set back is not part of loading
        teacher.Clear();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_ParseTabList)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Load, tab_list, "words.tsv", kTabLines)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_ParseDocument)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Load, document, "words.kvtml", kDocumentEntries)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
