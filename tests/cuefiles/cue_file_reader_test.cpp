// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <sys/stat.h>

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
