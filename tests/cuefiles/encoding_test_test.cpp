// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>

#include "cuefiles/encoding_test.h"
#include "cuefiles/text_decoder.h"
#include "tests/support/temp_dir.h"

static std::span<const unsigned char> Bytes(std::string_view bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()};
}

// Decodes the bytes whole and byte by byte, so that sequences split between reads are covered.
static void ExpectDecodes(eCueEncoding encoding, std::string_view bytes, std::u16string_view text) {
    for (const size_t pieceSize : {bytes.size(), size_t{1}}) {
        cTextDecoder decoder(encoding);
        std::u16string decoded;
        for (size_t i = 0; i < bytes.size(); i += pieceSize) {
            decoder.Decode(Bytes(bytes.substr(i, pieceSize)), decoded);
        }
        decoder.Finish(decoded);
        EXPECT_EQ(decoded, text) << "in pieces of " << pieceSize << " bytes";
    }
}

// What the encoding test takes for UTF-16: in a sample of a file, and at the start of a
// file, where the byte-order mark decides alone and 8-bit text ends at 0x1A.
TEST(CueEncodingTest, OnlyLittleEndianUtf16IsUnicode) {
    const std::string unmarked = Utf16LeBytes(u"Hund = dog\nKatze = cat\n");
    // Each row: the bytes, whether they are tried as a file's start (rather than as a
    // sample of it), and whether they are taken for UTF-16.
    const std::tuple<const char*, std::string, bool, bool> cases[] = {
        {"ASCII in 16 bits", Utf16LeBytes(u"Hund = dog\nKatze = "), false, true},
        {"Latin-1 in 16 bits", Utf16LeBytes(u"États-Unis = USA\nFrançais = fr"), false, true},
        {"East Asian, unmarked", Utf16LeBytes(u"日本語の勉強をしましょう。今日は"), false, true},
        {"8-bit whose byte pairs cluster", "Neuseeland\nNicaragua\nNiederlande\n", false, false},
        {"UTF-8 whose byte pairs look East Asian", "Афганистан\nАлбан\xD0", false, false},
        {"controls", Utf16LeBytes(u"\1\2\3\4\5\6\7\10\16\17\20\21\22\23\24\25"), false, false},
        // Alphabetic scripts without ASCII.
        {"Cyrillic, with К = 0x041A", Utf16LeBytes(u"КошкаСобакаКнигаДомикКот"), true, true},
        {"Devanagari, its high byte a tab", Utf16LeBytes(u"हिन्दीशब्दकोशकुत्ताबिल्ली"), true, true},
        {"Ethiopic, spanning two blocks", Utf16LeBytes(u"የፈረንሳይ፡ጉዊአና፡ፖሊኔዥያ"), true, true},
        // 8-bit text of letters and white space reads as pairs, as Devanagari would.
        {"8-bit letters", "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\nn\no\np\nq\n", true, false},
        {"8-bit digits", "1\t2\n3\t4\n5\t6\n7\t8\n9\t0\n1\t2\n3\t4\n5\t6\n7\t8\n", true, false},
        {"under 32 bytes without a mark", unmarked.substr(0, 31), true, false},
        {"8-bit ending at 0x1A before UTF-16", "\r\n\x1A" + unmarked, true, false},
        {"a short file with the mark", Utf16LeBytes(u"a=b", true), true, true},
    };
    for (const auto& [name, text, fileStart, unicode] : cases) {
        SCOPED_TRACE(name);
        const std::span<const unsigned char> bytes = Bytes(text);
        EXPECT_EQ(fileStart ? IsUnicodeFileStart(bytes) : IsUnicodeSample(bytes), unicode);
    }
}

TEST(CueTextDecoderTest, DecodesPiecesOfAnySize) {
    using namespace std::string_view_literals;
    ExpectDecodes(eCueEncoding::Utf16Le, "\xFF\376a\0\0\0=\xD8\0\xDE\xFF\xFE\0\xD8!"sv,
                  u"a\U0001F600\uFEFF\xD800");
    ExpectDecodes(eCueEncoding::Utf16Le, "a\0\xFF\xFE"sv, u"a\uFEFF");
    ExpectDecodes(eCueEncoding::Latin1, "\xEF\xBB\xBF\0a\xFF\032b"sv, u"ï»¿aÿ");
    ExpectDecodes(eCueEncoding::Utf8, "\xEF\xBB\277a\0\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80"sv,
                  u"aä€\U0001F600");
    ExpectDecodes(eCueEncoding::Utf8, "\xEF\xBB\xBF\xEF\xBB\xBF", u"\uFEFF");
    // Each broken sequence becomes one U+FFFD, and the byte that broke it starts anew.
    ExpectDecodes(eCueEncoding::Utf8, "\xE3\201a\xC0\xAF\xED\xA0\x80\xF4\x90\377b\xE3\x81",
                  u"\uFFFDa\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDb\uFFFD");
    ExpectDecodes(eCueEncoding::Utf8, "x\xE3\x81\x1A\xE3\x81\x82", u"x\xFFFD");
}
