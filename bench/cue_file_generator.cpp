// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cue_file_generator.h"

#include "text/unicode.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

const char* EncodingName(eCueEncoding encoding) {
    switch (encoding) {
        case eCueEncoding::Utf16Le:
            return "utf16le";
        case eCueEncoding::Utf16Be:
            return "utf16be";
        case eCueEncoding::Utf8:
            return "utf8";
        case eCueEncoding::Latin1:
            break;
    }
    return "latin1";
}

std::u16string SampleLine(int index) {
    char number[16];
    std::snprintf(number, sizeof number, "%06d", index % 1'000'000);
    const std::u16string digits(number, number + 6);
    if (index % 10 == 9) {
        return u"Mädchen" + digits + u" = girl" + digits;
    }
    return u"Wort" + digits + u" = word" + digits;
}

// The sample texts hold no character beyond U+00FF, so each unit encodes on its own in
// 8-bit text and in UTF-16.
void AppendEncoded(std::u16string_view text, eCueEncoding encoding, std::string& out) {
    switch (encoding) {
        case eCueEncoding::Utf8: {
            std::string utf8;
            Utf16ToUtf8(text, utf8);
            out += utf8;
            break;
        }
        case eCueEncoding::Utf16Le:
            for (const char16_t unit : text) {
                out += static_cast<char>(unit & 0xFF);
                out += static_cast<char>(unit >> 8);
            }
            break;
        case eCueEncoding::Utf16Be:
            for (const char16_t unit : text) {
                out += static_cast<char>(unit >> 8);
                out += static_cast<char>(unit & 0xFF);
            }
            break;
        case eCueEncoding::Latin1:
            for (const char16_t unit : text) {
                out += static_cast<char>(unit);
            }
            break;
    }
}

// A fixed sequence of pseudo-random numbers, so every run reads the same deck.
class cDeckRandom {
public:
    uint32_t Below(uint32_t count) {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(m_state >> 33) % count;
    }

private:
    uint64_t m_state = 42;
};

// Letters by their rough frequency in German and English dictionary text.
constexpr std::u16string_view kGermanLetters =
    u"eeeeeeennnnnirrrrsssstttaaaaahhhddduuullcgmmobwfkzpvääöüßjy";
constexpr std::u16string_view kEnglishLetters =
    u"eeeeeeetttttaaaaoooooiiiinnnnsssshhhrrrdddllcuumwfgypbvk";

std::u16string MakeWord(cDeckRandom& random, std::u16string_view letters, bool capital) {
    // Word lengths of dictionary text: mostly 3 to 9 letters, now and then a long compound.
    uint32_t length = 2 + random.Below(5) + random.Below(5);
    if (random.Below(12) == 0) {
        length += 6 + random.Below(10);
    }
    std::u16string word;
    for (uint32_t i = 0; i < length; ++i) {
        word += letters[random.Below(static_cast<uint32_t>(letters.size()))];
    }
    if (capital && word[0] >= u'a' && word[0] <= u'z') {
        word[0] = static_cast<char16_t>(word[0] - u'a' + u'A');
    }
    return word;
}

// One side of a card: a few words, sometimes a list of senses or a grammatical note.
std::u16string MakeSide(cDeckRandom& random, std::u16string_view letters, bool german) {
    std::u16string side = MakeWord(random, letters, german && random.Below(2) == 0);
    const uint32_t words = random.Below(3) + (random.Below(4) == 0 ? random.Below(5) : 0);
    for (uint32_t i = 0; i < words; ++i) {
        const uint32_t joint = random.Below(10);
        side += joint == 0 ? u"; " : joint == 1 ? u", " : u" ";
        side += MakeWord(random, letters, false);
    }
    if (random.Below(8) == 0) {
        side += german ? u" {f}" : u" (coll.)";
    }
    return side;
}

std::u16string DictionaryLine(cDeckRandom& random) {
    std::u16string line = MakeSide(random, kGermanLetters, true);
    if (random.Below(200) == 0) {
        line += u" a:";  // a combination left in the file, to be substituted
    }
    return line + u" = " + MakeSide(random, kEnglishLetters, false);
}

template <typename MakeLine>
std::string WriteCueFile(const std::string& path, eCueEncoding encoding, int lines,
                         MakeLine makeLine) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    const std::u16string lineEnd = encoding == eCueEncoding::Utf8 ? u"\n" : u"\r\n";
    std::string buffer;
    if (encoding == eCueEncoding::Utf16Le) {
        buffer = "\xFF\xFE";
    } else if (encoding == eCueEncoding::Utf16Be) {
        buffer = "\xFE\xFF";
    }
    for (int i = 0; i < lines; ++i) {
        AppendEncoded(makeLine(i), encoding, buffer);
        AppendEncoded(lineEnd, encoding, buffer);
        if (buffer.size() >= 1 << 20) {
            file.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    file.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
    return path;
}

}  // namespace

std::string CreateSampleDirectory() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "recallix-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a directory for sample cue files");
    }
    return pattern;
}

std::string WriteSampleCueFile(const std::string& dir, eCueEncoding encoding, int lines) {
    const std::string path =
        dir + "/sample-" + EncodingName(encoding) + "-" + std::to_string(lines) + ".recallix";
    return WriteCueFile(path, encoding, lines, SampleLine);
}

std::string WriteDictionaryCueFile(const std::string& dir, eCueEncoding encoding, int lines) {
    const std::string path =
        dir + "/deck-" + EncodingName(encoding) + "-" + std::to_string(lines) + ".recallix";
    cDeckRandom random;
    return WriteCueFile(path, encoding, lines, [&random](int) { return DictionaryLine(random); });
}

std::string WriteDeckCueFile(const std::string& dir, eCueEncoding encoding,
                             const std::vector<DeckCard>& cards) {
    const std::string path = dir + "/dictionary-" + EncodingName(encoding) + "-" +
                             std::to_string(cards.size()) + ".recallix";
    return WriteCueFile(path, encoding, static_cast<int>(cards.size()), [&cards](int i) {
        const DeckCard& card = cards[static_cast<size_t>(i)];
        return card.first + u" = " + card.second;
    });
}
