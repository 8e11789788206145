#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "cuefiles/cue_file_reader.h"
#include "tests/cuefiles/temp_dir.h"

namespace {

using Lines = std::vector<std::u16string>;

constexpr size_t kChunk = 64 * 1024;

// Every line up to the end, checking that nothing comes after it.
Lines ReadFile(const std::u16string& path, eCueEncoding expected) {
    cCueFileReader reader;
    EXPECT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.GetEncoding(), expected);
    Lines lines;
    std::u16string line;
    while (!reader.IsAtEnd()) {
        if (reader.ReadTextLine(line)) {
            lines.push_back(line);
        }
    }
    EXPECT_FALSE(reader.ReadTextLine(line));
    EXPECT_TRUE(line.empty());
    EXPECT_FALSE(reader.HasReadError());
    return lines;
}

std::u16string Widen(std::string_view bytes) {
    std::u16string text;
    for (const char c : bytes) {
        text += static_cast<unsigned char>(c);
    }
    return text;
}

}  // namespace

TEST(CueFileReaderTest, Utf16LittleEndian) {
    const cTempDir dir;
    // The mark is skipped, CR LF is LF, the odd last byte is ignored.
    const auto marked = Utf16LeBytesWithMark(u"Hund = dog\r\nMädchen = girl\r\n日本 = Japan") + "A";
    EXPECT_EQ(ReadFile(dir.Write("m", marked), eCueEncoding::Utf16Le),
              (Lines{u"Hund = dog", u"Mädchen = girl", u"日本 = Japan"}));
    // A short marked file is UTF-16 too: the mark alone decides.
    EXPECT_EQ(ReadFile(dir.Write("s", Utf16LeBytesWithMark(u"ab = cd\n")), eCueEncoding::Utf16Le),
              (Lines{u"ab = cd"}));
    const auto lone = Utf16LeBytesWithMark(u"a = \xD800\nb\xDC00 = c\nlong enough to decide\n");
    EXPECT_EQ(ReadFile(dir.Write("l", lone), eCueEncoding::Utf16Le),
              (Lines{u"a = \xD800", u"b\xDC00 = c", u"long enough to decide"}));
}

TEST(CueFileReaderTest, EightBitAsLatin1) {
    const cTempDir dir;
    const std::string ascii = "Hund = dog, Katze = cat, Maus = mouse";
    std::string high;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        high += static_cast<char>(byte);
    }
    EXPECT_EQ(ReadFile(dir.Write("h", ascii + "\n" + high), eCueEncoding::Latin1),
              (Lines{Widen(ascii), Widen(high)}));
    // 0x1A ends the data, even mid-line.
    EXPECT_EQ(ReadFile(dir.Write("c", ascii + "\nKatze = c\x1A"
                                              "at\nMaus\n"),
                       eCueEncoding::Latin1),
              (Lines{Widen(ascii), u"Katze = c"}));
    // Zero bytes are dropped, so UTF-16 big-endian keeps its ASCII.
    const auto bigEndian = std::string("\xFE\xFF\0a\0=\0b\0\n\0c\0=\0d\0\n", 18) + ascii;
    EXPECT_EQ(ReadFile(dir.Write("be", bigEndian), eCueEncoding::Latin1),
              (Lines{u"þÿa=b", u"c=d", Widen(ascii)}));
}

TEST(CueFileReaderTest, Utf8WhenWellFormed) {
    const cTempDir dir;
    const std::string text =
        "M\xC3\xA4"
        "dchen = girl\nsmile = \xF0\x9F\x98\x80\n";
    const Lines expected{u"Mädchen = girl", u"smile = \U0001F600"};
    EXPECT_EQ(ReadFile(dir.Write("u", text), eCueEncoding::Utf8), expected);
    EXPECT_EQ(ReadFile(dir.Write("m", "\xEF\xBB\xBF" + text), eCueEncoding::Utf8), expected);
    EXPECT_EQ(ReadFile(dir.Write("r",
                                 "\xEF\xBB\xBF"
                                 "a\xFF"
                                 "b\n"),
                       eCueEncoding::Utf8),
              (Lines{u"a\xFFFD"
                     u"b"}));
    // One ill-formed byte far into the file makes all of it Latin-1.
    const std::string late = text + std::string(3 * kChunk, 'x') + "\xE4\n";
    EXPECT_EQ(ReadFile(dir.Write("l", late), eCueEncoding::Latin1)[0], u"MÃ¤dchen = girl");
}

TEST(CueFileReaderTest, LinesAndTheEndOfData) {
    const cTempDir dir;
    EXPECT_EQ(ReadFile(dir.Write("e", "a\r\nb\rc\n\n\r\r\nd"), eCueEncoding::Latin1),
              (Lines{u"a", u"b\rc", u"", u"\r", u"d"}));

    cCueFileReader reader;
    std::u16string line;
    ASSERT_TRUE(reader.Open(dir.Write("n", "a\nb\n")));
    EXPECT_TRUE(reader.ReadTextLine(line));
    EXPECT_TRUE(reader.ReadTextLine(line));
    EXPECT_FALSE(reader.IsAtEnd());  // the last line feed did not reach the end yet
    EXPECT_FALSE(reader.ReadTextLine(line));
    EXPECT_TRUE(reader.IsAtEnd());

    ASSERT_TRUE(reader.Open(dir.Write("x", "a\nb")));
    EXPECT_TRUE(reader.ReadTextLine(line));
    EXPECT_TRUE(reader.ReadTextLine(line));
    EXPECT_EQ(line, u"b");
    EXPECT_TRUE(reader.IsAtEnd());
}

TEST(CueFileReaderTest, LongLinesAndPiecesAcrossReads) {
    const cTempDir dir;
    const std::string head(kChunk - 1, 'x');
    // CR LF and a UTF-8 sequence straddle the boundary between two reads.
    EXPECT_EQ(ReadFile(dir.Write("c", head + "\r\ny"), eCueEncoding::Latin1),
              (Lines{Widen(head), u"y"}));
    EXPECT_EQ(ReadFile(dir.Write("u", head + "\xC3\xA4\n"), eCueEncoding::Utf8),
              (Lines{Widen(head) + u"ä"}));
    const std::u16string units(kChunk / 2 - 2, u'x');
    EXPECT_EQ(
        ReadFile(dir.Write("w", Utf16LeBytesWithMark(units + u"\r\ny")), eCueEncoding::Utf16Le),
        (Lines{units, u"y"}));
    const std::string medium(250, 'm');
    const std::string huge(5 * 1024 * 1024 + 7, 'h');
    EXPECT_EQ(ReadFile(dir.Write("l", medium + "\n" + huge + "\nend"), eCueEncoding::Latin1),
              (Lines{Widen(medium), Widen(huge), u"end"}));
}

TEST(CueFileReaderTest, RefusesWhatIsNoRegularFile) {
    const cTempDir dir;
    ASSERT_EQ(::mkfifo(dir.Path("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.Path("folder"));
    const auto locked = dir.Write("locked", "a = b\n");
    ::chmod(dir.Path("locked").c_str(), 0);
    std::vector<std::u16string> paths{dir.Path("missing").u16string(),
                                      dir.Path("folder").u16string(),
                                      dir.Path("fifo").u16string(),
                                      u"/dev/null",
                                      u"/dev/zero",
                                      u"",
                                      u"/tmp/\xD800",
                                      std::u16string(u"/etc/passwd\0x", 13)};
    if (::geteuid() != 0) {
        paths.push_back(locked);
    }
    for (const auto& path : paths) {
        cCueFileReader reader;
        std::u16string line;
        EXPECT_FALSE(reader.Open(path));
        EXPECT_FALSE(reader.IsOpen());
        EXPECT_TRUE(reader.IsAtEnd());
        EXPECT_FALSE(reader.ReadTextLine(line));
    }
    // A failed open leaves nothing of the file before.
    cCueFileReader reader;
    ASSERT_TRUE(reader.Open(dir.Write("ok", "a = b\n")));
    EXPECT_FALSE(reader.Open(dir.Path("missing").u16string()));
    EXPECT_FALSE(reader.IsOpen());
}

TEST(CueFileReaderTest, GarbageGivesNoNul) {
    const cTempDir dir;
    std::string garbage = "a = b\n";
    for (int i = 0; i < 5000; ++i) {
        garbage += static_cast<char>(i % 26 == 0 ? 0 : (i * 7919) % 251 + 27);
    }
    const Lines lines = ReadFile(dir.Write("g", garbage + "\nc = d"), eCueEncoding::Latin1);
    EXPECT_EQ(lines.front(), u"a = b");
    EXPECT_EQ(lines.back(), u"c = d");
    EXPECT_EQ(lines[1].find(u'\0'), std::u16string::npos);
}

TEST(CueFileReaderTest, ReadErrorStopsReading) {
    // Reading this process's memory at offset 0 fails with EIO.
    cCueFileReader reader;
    if (!reader.Open(u"/proc/self/mem")) {
        GTEST_SKIP() << "no /proc/self/mem";
    }
    std::u16string line;
    EXPECT_FALSE(reader.ReadTextLine(line));
    EXPECT_TRUE(reader.IsAtEnd());
    EXPECT_TRUE(reader.HasReadError());
}
