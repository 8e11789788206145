// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cuefiles/cue_file_reader.h"
#include "cuefiles/encoding_test.h"
#include "tests/support/temp_dir.h"

namespace {

std::span<const unsigned char> Bytes(std::string_view bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()};
}

std::string Utf16BeBytes(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    return bytes;
}

}  // namespace

TEST(CueEncodingTest, OnlyLittleEndianUtf16IsUnicode) {
    for (const std::string& bytes : {
             Utf16LeBytes(u"Hund = dog\nKatze = ca", true),     // the mark decides
             Utf16LeBytes(u"Hund = dog\nKatze = "),             // ASCII stored in 16 bits
             Utf16LeBytes(u"États-Unis = USA\nFrançais = fr"),  // and Latin-1
             Utf16LeBytes(u"犬 = dog\n猫 = cat\n鳥 = b"),
             Utf16LeBytes(u"日本語の勉強をしましょう。今日は"),  // East Asian text without a mark
             Utf16LeBytes(u"あいうえおかきくけこさしすせそた"),
             Utf16LeBytes(u"한국어단어장입니다제삼장동물입니"),
         }) {
        EXPECT_TRUE(IsUnicodeSample(Bytes(bytes))) << testing::PrintToString(bytes);
    }
    for (const std::string& bytes : {
             "\xFE\xFF" + Utf16BeBytes(u"Hund = dog\nKatze = ca"),
             Utf16BeBytes(u"Hund = dog\nKatze = "),
             std::string("\xEF\xBB\xBFHund = dog\nKatze = cat\nMaus ="),
             std::string("Hund = dog\nKatze = cat\nMaus = mo"),
             std::string("================================"),
             std::string("M\344dchen = girl\nStra\337e = street\nB\344r"),
             std::string("Mädchen = girl\nStraße = street\nB"),
             std::string("犬 = dog\n猫 = cat\n鳥の\xE3"),
             std::string("日本語の単語帳、第三\xE7"),
             std::string("Афганистан\nАлбан\xD0"),  // its byte pairs look East Asian
             std::string(32, '\0'),
             Utf16LeBytes(u"\x01\x02\x03\x04\x05\x06\x07\x08\x0E\x0F\x10\x11\x12\x13\x14\x15"),
         }) {
        EXPECT_FALSE(IsUnicodeSample(Bytes(bytes))) << testing::PrintToString(bytes);
    }
}

TEST(CueEncodingTest, AlphabeticScriptsWithoutAsciiAreUnicode) {
    for (const std::u16string text : {
             u"КошкаСобакаКнигаДомикКот",  // К holds the byte 0x1A that ends 8-bit text
             u"Ελληνικάλεξιλόγιοζώασπίτι",
             u"עבריתמילוןכלבחתולביתספר",
             u"العربيةقاموسكلبقطةبيت",
             u"हिन्दीशब्दकोशकुत्ताबिल्ली",  // Devanagari's high byte is a tab
             u"ภาษาไทยพจนานุกรมสุนัขแมว",
             u"ქართულილექსიკონიძაღლი",
         }) {
        const std::string bytes = Utf16LeBytes(text);
        EXPECT_TRUE(IsUnicodeFileStart(Bytes(bytes))) << testing::PrintToString(text);
    }
    // 8-bit text that alternates letters with tabs and line ends reads as pairs of a
    // letter and a white-space byte, just as Devanagari or Malayalam would.
    for (const std::string_view bytes : {
             "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\nn\no\np\nq\n",
             "1\t2\n3\t4\n5\t6\n7\t8\n9\t0\n1\t2\n3\t4\n5\t6\n7\t8\n",
             "a\rb\rc\rd\re\rf\rg\rh\ri\rj\rk\rl\rm\rn\ro\rp\rq\r",
         }) {
        EXPECT_FALSE(IsUnicodeFileStart(Bytes(bytes))) << testing::PrintToString(bytes);
    }
}

TEST(CueEncodingTest, FileStartIsTakenAsEightBitText) {
    const std::string unicode = Utf16LeBytes(u"Hund = dog\nKatze = cat\n", true);
    EXPECT_TRUE(IsUnicodeFileStart(Bytes(unicode)));
    // Without a mark, under 32 bytes of text is 8-bit, whatever the content.
    const std::string unmarked = unicode.substr(2);
    EXPECT_TRUE(IsUnicodeFileStart(Bytes(unmarked)));
    EXPECT_FALSE(IsUnicodeFileStart(Bytes(unmarked.substr(0, 31))));
    // CR LF counts as one byte, so 40 raw bytes can be too few.
    std::string pairs = "a";
    for (int i = 0; i < 19; ++i) {
        pairs += "\r\n";
    }
    EXPECT_FALSE(IsUnicodeFileStart(Bytes(pairs)));
    // A byte 0x1A would end 8-bit text at once, but the raw bytes of unmarked text
    // starting with U+4E1A still read as UTF-16.
    const std::string cut = Utf16LeBytes(u"\u4E1A日本語の勉強をしましょう。今日は");
    EXPECT_TRUE(IsUnicodeFileStart(Bytes(cut)));
    // 8-bit text stops at 0x1A even where what follows would pair up as UTF-16.
    EXPECT_FALSE(
        IsUnicodeFileStart(Bytes("\r\n\x1A" + Utf16LeBytes(u"Hund = dog\nKatze = cat\n"))));
    // The mark decides alone: a short marked file, or one holding U+4E1A, is still UTF-16.
    EXPECT_TRUE(IsUnicodeFileStart(Bytes(Utf16LeBytes(u"a=b", true))));
    EXPECT_TRUE(IsUnicodeFileStart(Bytes(Utf16LeBytes(u"\u4E1A = business\n", true))));

    // The reader decides on the start of the very file it opened.
    const cTempDir dir;
    cCueFileReader reader;
    ASSERT_TRUE(reader.Open(dir.Write("u", unicode)));
    EXPECT_EQ(reader.GetEncoding(), eCueEncoding::Utf16Le);
    ASSERT_TRUE(reader.Open(dir.Write("a", "Hund = dog\nKatze = cat\nMaus = mouse\n")));
    EXPECT_EQ(reader.GetEncoding(), eCueEncoding::Latin1);
}
