// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "cuefiles/cue_file_reader.h"
#include "tests/support/temp_dir.h"
#include "text/file_system_path.h"

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
