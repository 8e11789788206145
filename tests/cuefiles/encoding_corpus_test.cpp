// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The encoding decision on real texts: the country names of iso-codes in every language
// Debian ships them in, as word lists in UTF-16 without a mark (which must read as UTF-16)
// and in UTF-8 and Latin-1 (which must not).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cuefiles/encoding_test.h"
#include "tests/support/temp_dir.h"
#include "text/unicode.h"

namespace {

// The translated texts of a little-endian message catalogue (.mo), the header left out.
std::vector<std::string> ReadTranslations(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(file)), {});
    const auto word = [&data](size_t offset) {
        uint32_t value = 0;
        if (offset + 4 <= data.size()) {
            std::memcpy(&value, data.data() + offset, 4);
        }
        return value;
    };
    std::vector<std::string> texts;
    for (uint32_t i = 0; word(0) == 0x950412DE && i < word(8); ++i) {
        const uint32_t length = word(word(16) + 8 * i);
        const uint32_t offset = word(word(16) + 8 * i + 4);
        if (length > 0 && offset + length <= data.size() &&
            data.compare(offset, 18, "Project-Id-Version") != 0) {
            texts.push_back(data.substr(offset, length));
        }
    }
    return texts;
}

bool IsUnicode(const std::string& bytes) {
    return IsUnicodeFileStart({reinterpret_cast<const unsigned char*>(bytes.data()),
                               std::min(bytes.size(), kUnicodeProbeSize)});
}

}  // namespace

// Each language's list is tried from several of its names, so that many samples start in
// the middle of long names and hold no ASCII at all.
TEST(EncodingCorpusTest, RealTextsInEveryScriptAreDecidedRight) {
    std::set<std::string> languages;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/share/locale")) {
        const std::string language = entry.path().filename().string();
        const std::vector<std::string> names =
            ReadTranslations(entry.path() / "LC_MESSAGES/iso_3166-1.mo");
        for (size_t start = 0; start < 8 && !names.empty(); ++start) {
            std::string list;
            for (size_t i = start * names.size() / 8; i < names.size() && list.size() < 400; ++i) {
                list += names[i] + "\n";
            }
            const std::optional<std::u16string> text = Utf8ToUtf16(list);
            if (!text || text->size() < kUnicodeSampleSize) {
                continue;
            }
            languages.insert(language);
            EXPECT_TRUE(IsUnicode(Utf16LeBytes(*text))) << language << " as UTF-16: " << list;
            EXPECT_FALSE(IsUnicode(list)) << language << " as UTF-8: " << list;
            if (std::all_of(text->begin(), text->end(), [](char16_t c) { return c <= 0xFF; })) {
                const std::string latin1(text->begin(), text->end());
                EXPECT_FALSE(IsUnicode(latin1)) << language << " as Latin-1: " << list;
            }
        }
    }
    // Debian's iso-codes ships them in well over a hundred languages.
    EXPECT_GE(languages.size(), 30u) << "install iso-codes (scripts/deps.sh)";
}
