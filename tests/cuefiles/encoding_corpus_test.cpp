// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The encoding decision on real texts: the country names of iso-codes in every language
// Debian ships them in, as word lists in UTF-16 without a mark (which must read as UTF-16)
// and in UTF-8 and Latin-1 (which must not).

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cuefiles/encoding_test.h"
#include "tests/support/temp_dir.h"
#include "text/unicode.h"

namespace {

constexpr const char* kLocaleFolder = "/usr/share/locale";
constexpr const char* kCatalogue = "LC_MESSAGES/iso_3166-1.mo";
// Each list is tried from several of its lines, so that many samples start in the middle
// of long names and hold no ASCII at all.
constexpr size_t kStartsPerLanguage = 8;

uint32_t ReadWord(const std::string& data, size_t offset) {
    if (offset + 4 > data.size()) {
        return 0;
    }
    uint32_t word = 0;
    for (int i = 3; i >= 0; --i) {
        word = (word << 8) | static_cast<unsigned char>(data[offset + i]);
    }
    return word;
}

// The translated texts of a message catalogue (little-endian .mo), the header left out.
std::vector<std::string> ReadTranslations(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(file)), {});
    std::vector<std::string> texts;
    if (ReadWord(data, 0) != 0x950412DE) {
        return texts;
    }
    const uint32_t count = ReadWord(data, 8);
    const uint32_t table = ReadWord(data, 16);
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t length = ReadWord(data, table + 8 * i);
        const uint32_t offset = ReadWord(data, table + 8 * i + 4);
        if (length > 0 && offset + length <= data.size() && data[offset] != 0 &&
            data.compare(offset, 18, "Project-Id-Version") != 0) {
            texts.push_back(data.substr(offset, length));
        }
    }
    return texts;
}

struct sSample {
    std::string language;
    std::u16string text;
};

std::vector<sSample> BuildSamples() {
    std::vector<sSample> samples;
    for (const auto& entry : std::filesystem::directory_iterator(kLocaleFolder)) {
        const std::vector<std::string> names = ReadTranslations(entry.path() / kCatalogue);
        for (size_t s = 0; s < kStartsPerLanguage && !names.empty(); ++s) {
            std::string list;
            for (size_t i = s * names.size() / kStartsPerLanguage;
                 i < names.size() && list.size() < 400; ++i) {
                list += names[i] + "\n";
            }
            const std::optional<std::u16string> text = Utf8ToUtf16(list);
            if (text && text->size() >= kUnicodeSampleSize) {
                samples.push_back({entry.path().filename().string(), *text});
            }
        }
    }
    return samples;
}

std::span<const unsigned char> Head(const std::string& bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.data()),
            std::min(bytes.size(), kUnicodeProbeSize)};
}

std::optional<std::string> Latin1Bytes(const std::u16string& text) {
    std::string bytes;
    for (const char16_t c : text) {
        if (c > 0xFF) {
            return std::nullopt;
        }
        bytes += static_cast<char>(c);
    }
    return bytes;
}

}  // namespace

TEST(EncodingCorpusTest, RealTextsInEveryScriptAreDecidedRight) {
    const std::vector<sSample> samples = BuildSamples();
    std::set<std::string> languages;
    int unicodeTexts = 0;
    int eightBitTexts = 0;
    for (const sSample& sample : samples) {
        languages.insert(sample.language);
        ++unicodeTexts;
        EXPECT_TRUE(IsUnicodeFileStart(Head(Utf16LeBytes(sample.text))))
            << sample.language << " as UTF-16: " << testing::PrintToString(sample.text);
        std::string utf8;
        ASSERT_TRUE(Utf16ToUtf8(sample.text, utf8));
        ++eightBitTexts;
        EXPECT_FALSE(IsUnicodeFileStart(Head(utf8))) << sample.language << " as UTF-8";
        if (const std::optional<std::string> latin1 = Latin1Bytes(sample.text)) {
            ++eightBitTexts;
            EXPECT_FALSE(IsUnicodeFileStart(Head(*latin1))) << sample.language << " as Latin-1";
        }
    }
    // Debian's iso-codes ships them in well over a hundred languages.
    EXPECT_GE(languages.size(), 30u) << "install iso-codes (scripts/deps.sh)";
    EXPECT_GE(unicodeTexts, 30);
    EXPECT_GE(eightBitTexts, 30);
    std::cout << samples.size() << " texts in " << languages.size()
              << " languages: " << unicodeTexts << " UTF-16, " << eightBitTexts
              << " 8-bit and UTF-8\n";
}
