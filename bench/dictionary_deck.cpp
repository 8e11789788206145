// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "dictionary_deck.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "text/unicode.h"

namespace {

// A number of a dictd index: base 64, most significant digit first.
uint64_t DecodeIndexNumber(std::string_view digits) {
    constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    uint64_t number = 0;
    for (const char digit : digits) {
        const size_t value = kDigits.find(digit);
        if (value == std::string_view::npos) {
            throw std::runtime_error("not a dictionary index number");
        }
        number = number * 64 + value;
    }
    return number;
}

// The whole text of a dictd data file (dictzip is gzip with an index of its blocks).
std::string ReadCompressedFile(const std::string& path) {
    gzFile file = gzopen(path.c_str(), "rb");
    if (file == nullptr) {
        return {};
    }
    std::string text;
    char block[1 << 16];
    int read = 0;
    while ((read = gzread(file, block, sizeof block)) > 0) {
        text.append(block, static_cast<size_t>(read));
    }
    const bool complete = read == 0;
    gzclose(file);
    return complete ? text : std::string();
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The first translation of an entry: its second line ("decline <v>, demur <v>") up to the
// first comma, without the grammatical notes in angle brackets.
std::string FirstTranslation(std::string_view entry) {
    const size_t lineStart = entry.find('\n');
    if (lineStart == std::string_view::npos) {
        return {};
    }
    std::string_view line = entry.substr(lineStart + 1);
    line = line.substr(0, line.find('\n'));
    std::string translation;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '<') {
            const size_t close = line.find('>', i);
            i = close == std::string_view::npos ? line.size() : close;
            continue;
        }
        if (line.compare(i, 2, ", ") == 0) {
            break;
        }
        translation += line[i];
    }
    std::string compact;  // a dropped note leaves two spaces behind
    for (const char c : Trimmed(translation)) {
        if (c != ' ' || compact.empty() || compact.back() != ' ') {
            compact += c;
        }
    }
    return compact;
}

// Whether a side can stand in a cue-file line in every encoding: some text, no "=", no
// character beyond U+00FF.
bool FitsEveryEncoding(std::u16string_view side) {
    return !side.empty() && side.find(u'=') == std::u16string_view::npos &&
           std::all_of(side.begin(), side.end(), [](char16_t c) { return c <= 0xFF; });
}

}  // namespace

std::vector<DeckCard> ReadInstalledDictionary() {
    constexpr const char* kBase = "/usr/share/dictd/freedict-deu-eng";
    const std::string data = ReadCompressedFile(std::string(kBase) + ".dict.dz");
    std::ifstream index(std::string(kBase) + ".index");
    std::vector<DeckCard> cards;
    if (data.empty() || !index) {
        return cards;
    }
    std::string line;
    while (std::getline(index, line)) {
        // headword TAB offset TAB length, the numbers in base 64
        const size_t tab1 = line.find('\t');
        const size_t tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos ||
            line.compare(0, 2, "00") == 0) {  // the database's own entries
            continue;
        }
        const uint64_t offset =
            DecodeIndexNumber(std::string_view(line).substr(tab1 + 1, tab2 - tab1 - 1));
        const uint64_t length = DecodeIndexNumber(std::string_view(line).substr(tab2 + 1));
        if (offset > data.size() || length > data.size() - offset) {
            continue;
        }
        const std::string_view entry = std::string_view(data).substr(offset, length);
        const auto cue = Utf8ToUtf16(Trimmed(std::string_view(line).substr(0, tab1)));
        const auto answer = Utf8ToUtf16(FirstTranslation(entry));
        if (cue && answer && FitsEveryEncoding(*cue) && FitsEveryEncoding(*answer)) {
            cards.emplace_back(*cue, *answer);
        }
    }
    return cards;
}
