// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "cuefiles/cue_file_reader.h"
#include "tests/support/temp_dir.h"

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
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    return std::u16string(data, data + bytes.size());
}

}  // namespace

TEST(CueFileReaderTest, EncodingsLineEndsAndPiecesAcrossReads) {
    using enum eCueEncoding;
    const std::string ascii = "Hund = dog, Katze = cat, Maus = mouse";
    std::string high;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        high += static_cast<char>(byte);
    }
    const std::string utf8 = "Mädchen = girl\nsmile = 😀\n";
    const Lines utf8Lines{u"Mädchen = girl", u"smile = \U0001F600"};
    const std::string head(kChunk - 1, 'x');  // what follows straddles two reads
    const std::string huge(5 * 1024 * 1024 + 7, 'h');
    const std::string bigEndian("\xFE\xFF\0a\0=\0b\0\n\0c\0=\0d\0\n", 18);
    const struct {
        eCueEncoding encoding;
        std::string bytes;
        Lines lines;
    } cases[] = {
        // The mark is skipped, CR LF is LF, the odd last byte is ignored.
        {Utf16Le,
         Utf16LeBytes(u"Hund = dog\r\nMädchen = girl\r\n日本 = Japan", true) + "A",
         {u"Hund = dog", u"Mädchen = girl", u"日本 = Japan"}},
        {Utf16Le, Utf16LeBytes(u"ab = cd\n", true), {u"ab = cd"}},  // the mark alone decides
        {Latin1, ascii + "\n" + high, {Widen(ascii), Widen(high)}},
        {Latin1, ascii + "\nKatze = c\032at\nMaus\n", {Widen(ascii), u"Katze = c"}},  // 0x1A ends
        // Big-endian needs its mark; without it zero bytes are dropped, so it keeps its ASCII.
        {Utf16Be, bigEndian + std::string("\0\xE4\x65\xE5", 4), {u"a=b", u"c=d", u"ä日"}},
        {Latin1, ascii + "\n" + bigEndian, {Widen(ascii), u"þÿa=b", u"c=d"}},
        {Utf8, utf8, utf8Lines},
        {Utf8, "\xEF\xBB\xBF" + utf8, utf8Lines},
        {Utf8, "\357\273\277a\377b\n", {u"a\uFFFDb"}},
        // One ill-formed byte far into the file makes all of it Latin-1.
        {Latin1,
         utf8 + head + "\xE4",
         {u"MÃ¤dchen = girl", Widen("smile = 😀"), Widen(head) + u"ä"}},
        {Latin1, "a\r\nb\rc\n\n\r\r\nd", {u"a", u"b\rc", u"", u"\r", u"d"}},
        {Latin1, head + "\r\ny", {Widen(head), u"y"}},
        {Latin1, "m\n" + huge + "\nend", {u"m", Widen(huge), u"end"}},
    };
    const cTempDir dir;
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ReadFile(dir.Write(std::to_string(i), cases[i].bytes), cases[i].encoding),
                  cases[i].lines);
    }
}

TEST(CueFileReaderTest, RefusesWhatIsNoRegularFile) {
    const cTempDir dir;
    ASSERT_EQ(::mkfifo(dir.Path("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.Path("folder"));
    const auto locked = dir.Write("locked", "a = b\n");
    ::chmod(dir.Path("locked").c_str(), 0);
    std::vector<std::u16string> paths{dir.U16("missing"), dir.U16("folder"),
                                      dir.U16("fifo"),    u"/dev/null",
                                      u"/dev/zero",       u"",
                                      u"/tmp/\xD800",     std::u16string(u"/etc/passwd\0x", 13)};
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
    EXPECT_FALSE(reader.Open(dir.U16("missing")));
    EXPECT_FALSE(reader.IsOpen());
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
