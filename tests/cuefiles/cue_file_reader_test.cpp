// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

#include "cuefiles/cue_file_reader.h"
#include "tests/support/temp_dir.h"
#include "text/file_system_path.h"

TEST(CueFileReaderTest, RefusesWhatIsNoRegularFile) {
    const cTempDir dir;
    ASSERT_EQ(::mkfifo(dir.Path("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.Path("folder"));
    dir.Write("a", "a = b\n");
    for (const std::u16string& path :
         {dir.U16("missing"), dir.U16("folder"), dir.U16("fifo"), std::u16string(u"/dev/zero"),
          std::u16string(u"/tmp/\xD800"), dir.U16("a") + std::u16string(u"\0x", 2)}) {
        EXPECT_FALSE(cCueFileReader().Open(path)) << testing::PrintToString(path);
    }
    // Names as the system holds them: any UTF-8, and bytes that are no UTF-8 at all.
    cCueFileReader reader;
    for (const char* name : {"\xF0\x9F\x98\x80 \xC3\xA4", "\xFF\xFE"}) {
        std::ofstream(dir.Path(name)) << "a = b\n";
        EXPECT_TRUE(reader.Open(FromFileSystemPath(dir.Path(name).string())))
            << testing::PrintToString(std::string(name));
    }
    // A failed open leaves nothing of the file before.
    EXPECT_FALSE(reader.Open(dir.U16("missing")));
    EXPECT_FALSE(reader.IsOpen());
}

// LF, CR LF and a CR alone (as older Mac software saves) each end one line, in every
// encoding, wherever the file is read in pieces: a line longer than a piece, a CR LF that a
// piece's end splits, a last line without a line end. Both ways of reading a line give the
// same lines.
TEST(CueFileReaderTest, EveryKindOfLineEndEndsOneLineAcrossThePiecesTheFileIsReadIn) {
    const cTempDir dir;
    const std::string piece(cCueFileReader::kPieceBytes - 1, 'p');  // a CR after it ends a piece
    const std::string longLine(70000, 'x');
    // After "a = b", the long line and it, a CR lands on the last byte of the second piece.
    const std::string split(2 * cCueFileReader::kPieceBytes - 1 - (7 + longLine.size() + 2), 'y');
    // Each row: the bytes of the file, and the lines read, each followed by a line feed.
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"CR alone", "a = b\rc = d\re = f\r", "a = b\nc = d\ne = f\n"},
        {"CR LF and LF", "a\r\nb\nc", "a\nb\nc\n"},
        {"empty lines between", "a\r\r\n\n\rb", "a\n\n\n\nb\n"},
        {"UTF-16 with CR alone", std::string("\xFF\376a\0\r\0b\0\r\0\n\0c\0", 14), "a\nb\nc\n"},
        {"UTF-16 big-endian, marked", std::string("\xFE\xFF\0a\0\r\0\n\0b", 10), "a\nb\n"},
        {"CR ending a piece, then a word", piece + "\rx\n", piece + "\nx\n"},
        {"CR ending a piece, then LF", piece + "\r\nx", piece + "\nx\n"},
        // A CR alone, then a line that runs to the end of the piece: the LF starting the
        // next piece ends that line, it is no pair of the CR before.
        {"CR alone, then a line up to the piece's end", "x\r" + piece.substr(1) + "\nd\n",
         "x\n" + piece.substr(1) + "\nd\n"},
        {"a line longer than a piece", "a = b\r\n" + longLine + "\r\n" + split + "\r\nlast = line",
         "a = b\n" + longLine + "\n" + split + "\nlast = line\n"},
    };
    for (const auto& [name, bytes, expected] : cases) {
        for (const bool asViews : {false, true}) {
            SCOPED_TRACE(std::string(name) + (asViews ? ", as views" : ", as copies"));
            cCueFileReader reader;
            ASSERT_TRUE(reader.Open(dir.Write("lines.recallix", bytes)));
            std::u16string lines, line;
            std::u16string_view view;
            while (asViews ? reader.ReadTextLine(view, line) : reader.ReadTextLine(line)) {
                lines += (asViews ? std::u16string(view) : line) + u"\n";
            }
            EXPECT_EQ(lines, std::u16string(expected.begin(), expected.end()));
        }
    }
}
