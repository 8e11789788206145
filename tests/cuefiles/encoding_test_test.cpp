// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cuefiles/encoding_test.h"
#include "tests/support/temp_dir.h"

namespace {

std::span<const unsigned char> Bytes(std::string_view bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()};
}

}  // namespace

TEST(CueEncodingTest, OnlyLittleEndianUtf16IsUnicode) {
    for (const std::string& bytes : {
             Utf16LeBytes(u"Hund = dog\nKatze = "),              // ASCII stored in 16 bits
             Utf16LeBytes(u"États-Unis = USA\nFrançais = fr"),   // and Latin-1
             Utf16LeBytes(u"日本語の勉強をしましょう。今日は"),  // East Asian text without a mark
         }) {
        EXPECT_TRUE(IsUnicodeSample(Bytes(bytes))) << testing::PrintToString(bytes);
    }
    for (const std::string& bytes : {
             std::string("Neuseeland\nNicaragua\nNiederlande\n"),  // its byte pairs cluster
             std::string("Афганистан\nАлбан\xD0"),                 // its byte pairs look East Asian
             Utf16LeBytes(u"\x01\x02\x03\x04\x05\x06\x07\x08\x0E\x0F\x10\x11\x12\x13\x14\x15"),
         }) {
        EXPECT_FALSE(IsUnicodeSample(Bytes(bytes))) << testing::PrintToString(bytes);
    }
}

TEST(CueEncodingTest, AlphabeticScriptsWithoutAsciiAreUnicode) {
    for (const std::u16string text : {
             u"КошкаСобакаКнигаДомикКот",  // К holds the byte 0x1A that ends 8-bit text
             u"हिन्दीशब्दकोशकुत्ताबिल्ली",      // Devanagari's high byte is a tab
             u"የፈረንሳይ፡ጉዊአና፡ፖሊኔዥያ",         // Ethiopic letters span two blocks
         }) {
        const std::string bytes = Utf16LeBytes(text);
        EXPECT_TRUE(IsUnicodeFileStart(Bytes(bytes))) << testing::PrintToString(text);
    }
    // 8-bit text that alternates letters with tabs and line ends reads as pairs of a
    // letter and a white-space byte, just as Devanagari or Malayalam would.
    for (const std::string_view bytes : {
             "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\nn\no\np\nq\n",
             "1\t2\n3\t4\n5\t6\n7\t8\n9\t0\n1\t2\n3\t4\n5\t6\n7\t8\n",
         }) {
        EXPECT_FALSE(IsUnicodeFileStart(Bytes(bytes))) << testing::PrintToString(bytes);
    }
}

TEST(CueEncodingTest, FileStartIsTakenAsEightBitText) {
    // Without a mark, under 32 bytes of text is 8-bit, whatever the content.
    const std::string unmarked = Utf16LeBytes(u"Hund = dog\nKatze = cat\n");
    EXPECT_FALSE(IsUnicodeFileStart(Bytes(unmarked.substr(0, 31))));
    // 8-bit text stops at 0x1A even where what follows would pair up as UTF-16.
    EXPECT_FALSE(IsUnicodeFileStart(Bytes("\r\n\x1A" + unmarked)));
    // The mark decides alone: a short marked file is still UTF-16.
    EXPECT_TRUE(IsUnicodeFileStart(Bytes(Utf16LeBytes(u"a=b", true))));
}
