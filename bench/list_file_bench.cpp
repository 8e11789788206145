// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Loading vocabulary lists: the dictionary deck of the cue-file rows (Debian's
// German-English dictionary, or a generated deck shaped like it) written as a vocabulary
// document, a tab-separated and a comma-separated list, each loaded into the working set
// against its floor: for the document libexpat parsing the same file into the same strings,
// for the tables reading and decoding the same file into lines. Processor time throughout.
// And the peak memory of each load against the size of its file, a table with one field
// of 100 MB among them.
#include <benchmark/benchmark.h>
#include <expat.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cue_file_generator.h"
#include "cuefiles/cue_file_reader.h"
#include "dictionary_deck.h"
#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "platform/tick_source.h"
#include "process_memory.h"
#include "text/unicode.h"

namespace {

// The installed dictionary's cards, or a generated deck of the same size when it is not
// installed (the table says which).
const std::vector<DeckCard>& DeckCards() {
    static const std::vector<DeckCard> cards = [] {
        std::vector<DeckCard> deck = ReadInstalledDictionary();
        for (int i = 0; deck.empty() && i < 517'524; ++i) {
            const std::string n = std::to_string(i);
            deck.emplace_back(u"Wörterbucheintrag " + std::u16string(n.begin(), n.end()),
                              u"dictionary entry, (noun) " + std::u16string(n.begin(), n.end()));
        }
        return deck;
    }();
    return cards;
}

std::string Utf8(const std::u16string& text) {
    std::string utf8;
    Utf16ToUtf8(text, utf8, eByteEscapes::LoneSurrogates);
    return utf8;
}

// The characters markup would take for its own, written as a document or a tab list
// (whose fields are HTML) writes them.
std::string Escaped(const std::u16string& text) {
    std::string escaped;
    for (const char c : Utf8(text)) {
        escaped += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    }
    return escaped;
}

// A field quoted where it holds its separator or a quote, as spreadsheets write it.
std::string QuotedField(const std::string& utf8, char separator) {
    if (utf8.find_first_of(std::string("\"\n") + separator) == std::string::npos) {
        return utf8;
    }
    std::string quoted = "\"";
    for (const char c : utf8) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

// Laid out as a vocabulary trainer saves its documents.
void WriteDocument(const std::string& path, const std::vector<DeckCard>& cards) {
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
           "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"2.0\">\n"
           "  <information>\n    <generator>converter</generator>\n    <title>Deutsch - "
           "Englisch</title>\n  </information>\n  <identifiers>\n    <identifier id=\"0\">\n"
           "      <locale>de</locale>\n    </identifier>\n    <identifier id=\"1\">\n"
           "      <locale>en</locale>\n    </identifier>\n  </identifiers>\n  <entries>\n";
    for (size_t i = 0; i < cards.size(); ++i) {
        out << "    <entry id=\"" << i << "\">\n      <inactive>false</inactive>\n"
            << "      <inquery>false</inquery>\n      <translation id=\"0\">\n        <text>"
            << Escaped(cards[i].first) << "</text>\n      </translation>\n"
            << "      <translation id=\"1\">\n        <text>" << Escaped(cards[i].second)
            << "</text>\n        <comment></comment>\n      </translation>\n    </entry>\n";
    }
    out << "  </entries>\n  <lessons>\n    <container>\n      <name>Lektion 1</name>\n"
           "      <entry id=\"0\"/>\n    </container>\n  </lessons>\n</kvtml>\n";
}

void WriteTabList(const std::string& path, const std::vector<DeckCard>& cards) {
    std::ofstream out(path, std::ios::binary);
    out << "#separator:tab\n#html:true\n";
    for (const DeckCard& card : cards) {
        out << QuotedField(Escaped(card.first), '\t') << '\t'
            << QuotedField(Escaped(card.second), '\t') << "\tde-en\n";
    }
}

void WriteCommaList(const std::string& path, const std::vector<DeckCard>& cards) {
    std::ofstream out(path, std::ios::binary);
    for (const DeckCard& card : cards) {
        out << QuotedField(Utf8(card.first), ',') << ',' << QuotedField(Utf8(card.second), ',')
            << "\r\n";
    }
}

// One card whose answer is a field of 100 MB of words, as a broken export may hold.
void WriteHugeField(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "Wort\t\"";
    const std::string words = "lots and lots of words in one field\n";
    for (size_t written = 0; written < 100 * 1024 * 1024; written += words.size()) {
        out << words;
    }
    out << "\"\n";
}

class cSampleFiles {
public:
    cSampleFiles() : m_dir(CreateSampleDirectory()) {
        WriteDocument(m_dir + "/deck.kvtml", DeckCards());
        WriteTabList(m_dir + "/deck.tsv", DeckCards());
        WriteCommaList(m_dir + "/deck.csv", DeckCards());
    }
    ~cSampleFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    std::string Path(const char* name) const {
        const std::string path = m_dir + "/" + name;
        if (std::strcmp(name, "huge.tsv") == 0 && !std::filesystem::exists(path)) {
            WriteHugeField(path);
        }
        return path;
    }

private:
    std::string m_dir;
};

const cSampleFiles& Samples() {
    static const cSampleFiles files;
    return files;
}

// The floor of a document: libexpat parsing the file in the same pieces and keeping the
// text of every <text> element as a string, with no card built.
struct sExpatFloor {
    std::vector<std::string> texts;
    std::string text;
    int depth = 0;
    int textDepth = 0;
};

size_t ParseWithExpat(const std::string& path) {
    sExpatFloor floor;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &floor);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char**) {
            auto& f = *static_cast<sExpatFloor*>(data);
            ++f.depth;
            if (std::strcmp(name, "text") == 0) {
                f.textDepth = f.depth;
                f.text.clear();
            }
        },
        [](void* data, const XML_Char*) {
            auto& f = *static_cast<sExpatFloor*>(data);
            if (f.depth-- == f.textDepth) {
                f.texts.push_back(std::move(f.text));
                f.textDepth = 0;
            }
        });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
        auto& f = *static_cast<sExpatFloor*>(data);
        if (f.textDepth != 0) {
            f.text.append(text, static_cast<size_t>(length));
        }
    });
    std::FILE* file = std::fopen(path.c_str(), "rb");
    for (bool done = false; !done;) {
        void* buffer = XML_GetBuffer(parser, 64 * 1024);
        const size_t count = std::fread(buffer, 1, 64 * 1024, file);
        done = count == 0;
        XML_ParseBuffer(parser, static_cast<int>(count), done);
    }
    std::fclose(file);
    XML_ParserFree(parser);
    return floor.texts.size();
}

void BM_ExpatFloor(benchmark::State& state) {
    const std::string path = Samples().Path("deck.kvtml");
    for (auto _ : state) {
        if (ParseWithExpat(path) != 2 * DeckCards().size()) {
            state.SkipWithError("wrong text count");
        }
    }
}

void BM_ReadLines(benchmark::State& state, const char* name) {
    const std::u16string path = std::filesystem::path(Samples().Path(name)).u16string();
    for (auto _ : state) {
        cCueFileReader reader;
        reader.Open(path);
        std::u16string spill;
        std::u16string_view line;
        size_t lines = 0;
        while (reader.ReadTextLine(line, spill)) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
}

void BM_Load(benchmark::State& state, const char* name) {
    const std::u16string path = std::filesystem::path(Samples().Path(name)).u16string();
    cMemoryProfile profile;
    cSystemTickSource ticks;
    for (auto _ : state) {
        cTeacher teacher(profile, ticks);
        if (!teacher.LoadCueFile(path, false) ||
            teacher.GetTotalCues() != static_cast<int>(DeckCards().size())) {
            state.SkipWithError("sample file not loaded whole");
        }
        state.PauseTiming();  // giving the working set back is not part of loading
        teacher.Clear();
        state.ResumeTiming();
    }
    state.counters["cards"] = static_cast<double>(DeckCards().size());
    state.counters["deck_from_dictionary"] = ReadInstalledDictionary().empty() ? 0 : 1;
}

// The peak resident memory that loading the file adds, against the file's size. Run each
// in a process of its own that has freed nothing yet.
void BM_LoadMemory(benchmark::State& state, const char* name) {
    const std::string file = Samples().Path(name);
    const std::u16string path = std::filesystem::path(file).u16string();
    cMemoryProfile profile;
    cSystemTickSource ticks;
    for (auto _ : state) {
        cTeacher teacher(profile, ticks);
        std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts afresh from now
        const double before = ReadProcessMemoryMiB("VmRSS");
        if (!teacher.LoadCueFile(path, false)) {
            state.SkipWithError("sample file not loaded");
        }
        state.counters["peak_added_MiB"] = ReadProcessMemoryMiB("VmHWM") - before;
        state.counters["file_MiB"] =
            static_cast<double>(std::filesystem::file_size(file)) / (1024 * 1024);
    }
}

#define RECALLIX_LIST_BENCH(function, name, file) \
    BENCHMARK_CAPTURE(function, name, file)->Unit(benchmark::kMillisecond)->Iterations(3)

RECALLIX_LIST_BENCH(BM_Load, kvtml, "deck.kvtml");
BENCHMARK(BM_ExpatFloor)->Unit(benchmark::kMillisecond)->Iterations(3);
RECALLIX_LIST_BENCH(BM_Load, tsv, "deck.tsv");
RECALLIX_LIST_BENCH(BM_ReadLines, tsv, "deck.tsv");
RECALLIX_LIST_BENCH(BM_Load, csv, "deck.csv");
RECALLIX_LIST_BENCH(BM_ReadLines, csv, "deck.csv");
BENCHMARK_CAPTURE(BM_LoadMemory, kvtml, "deck.kvtml")->Iterations(1);
BENCHMARK_CAPTURE(BM_LoadMemory, tsv, "deck.tsv")->Iterations(1);
BENCHMARK_CAPTURE(BM_LoadMemory, csv, "deck.csv")->Iterations(1);
BENCHMARK_CAPTURE(BM_LoadMemory, huge_field, "huge.tsv")->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
