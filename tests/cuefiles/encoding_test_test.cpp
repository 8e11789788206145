#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cuefiles/encoding_test.h"
#include "tests/cuefiles/temp_dir.h"

namespace {

bool IsUnicode(std::string_view bytes) {
    return IsUnicodeSample({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
}

bool IsUnicodeStart(std::string_view bytes) {
    return IsUnicodeFileStart({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
}

std::string Utf16BeBytes(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

}  // namespace

TEST(CueEncodingTest, ByteOrderMarksDecide) {
    EXPECT_TRUE(IsUnicode(Utf16LeBytesWithMark(u"Hund = dog\nKatze = ca")));
    EXPECT_TRUE(IsUnicode(Utf16LeBytesWithMark(u"日本語の単語帳、第三章：動物")));
    EXPECT_FALSE(IsUnicode("\xFE\xFF" + Utf16BeBytes(u"Hund = dog\nKatze = ca")));
    EXPECT_FALSE(
        IsUnicode("\xEF\xBB\xBF"
                  "Hund = dog\nKatze = cat\nMaus ="));
}

TEST(CueEncodingTest, AsciiStoredIn16BitsIsUnicode) {
    EXPECT_TRUE(IsUnicode(Utf16LeBytes(u"Hund = dog\nKatze = ")));
    EXPECT_TRUE(IsUnicode(Utf16LeBytes(u"犬 = dog\n猫 = cat\n鳥 = b")));
    // Big-endian has its zero bytes on the other side.
    EXPECT_FALSE(IsUnicode(Utf16BeBytes(u"Hund = dog\nKatze = ")));
    EXPECT_FALSE(IsUnicode(Utf16BeBytes(u"WortWortWortWort")));
}

TEST(CueEncodingTest, EightBitTextIsNotUnicode) {
    EXPECT_FALSE(IsUnicode("Hund = dog\nKatze = cat\nMaus = mo"));
    EXPECT_FALSE(IsUnicode("================================"));
    EXPECT_FALSE(
        IsUnicode("M\xE4"
                  "dchen = girl\nStra\xDF"
                  "e = street\nB\xE4r"));
    EXPECT_FALSE(
        IsUnicode("M\xC3\xA4"
                  "dchen = girl\nStra\xC3\x9F"
                  "e = street\nB"));
    EXPECT_FALSE(IsUnicode("\xE7\x8A\xAC = dog\n\xE7\x8C\xAB = cat\n\xE9\xB3\xA5\xE3\x81\xAE\xE3"));
    EXPECT_FALSE(
        IsUnicode("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE5\x8D\x98"
                  "\xE8\xAA\x9E\xE5\xB8\xB3\xE3\x80\x81\xE7\xAC\xAC\xE4\xB8\x89\xE7"));
    EXPECT_FALSE(IsUnicode(std::string(32, '\0')));
}

TEST(CueEncodingTest, EastAsianTextWithoutMarkIsUnicode) {
    EXPECT_TRUE(IsUnicode(Utf16LeBytes(u"日本語の勉強をしましょう。今日は")));
    EXPECT_TRUE(IsUnicode(Utf16LeBytes(u"あいうえおかきくけこさしすせそた")));
    EXPECT_TRUE(IsUnicode(Utf16LeBytes(u"한국어단어장입니다제삼장동물입니")));
}

TEST(CueEncodingTest, FileStartIsTakenAsEightBitText) {
    const std::string unicode = Utf16LeBytesWithMark(u"Hund = dog\nKatze = cat\n");
    EXPECT_TRUE(IsUnicodeStart(unicode));
    // Without a mark, under 32 bytes of text is 8-bit, whatever the content.
    const std::string unmarked = unicode.substr(2);
    EXPECT_TRUE(IsUnicodeStart(unmarked));
    EXPECT_FALSE(IsUnicodeStart(unmarked.substr(0, 31)));
    // CR LF counts as one byte, so 40 raw bytes can be too few.
    std::string pairs = "a";
    for (int i = 0; i < 19; ++i) {
        pairs += "\r\n";
    }
    EXPECT_FALSE(IsUnicodeStart(pairs));
    // A byte 0x1A ends 8-bit text early.
    std::string cut = unmarked;
    cut[10] = '\x1A';
    EXPECT_FALSE(IsUnicodeStart(cut));
    // The mark decides alone: a short marked file, or one holding U+4E1A, is still UTF-16.
    EXPECT_TRUE(IsUnicodeStart(Utf16LeBytesWithMark(u"a=b")));
    EXPECT_TRUE(IsUnicodeStart(Utf16LeBytesWithMark(u"\u4E1A = business\n")));

    const cTempDir dir;
    EXPECT_TRUE(IsUnicodeCueFile(dir.Write("u", unicode)));
    EXPECT_FALSE(IsUnicodeCueFile(dir.Write("a", "Hund = dog\nKatze = cat\nMaus = mouse\n")));
    EXPECT_FALSE(IsUnicodeCueFile(dir.Path("missing").u16string()));
}
