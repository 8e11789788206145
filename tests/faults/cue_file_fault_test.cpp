// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Cue files that change under the reader: cut short, overwritten, removed, replaced or
// still growing. Reading always comes to an end.
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <QProcess>

#include <gtest/gtest.h>

#include "cuefiles/cue_file_reader.h"
#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "tests/support/fake_tick_source.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLines = 200000;  // about 6 MB

std::string CueText(const std::string& cue) {
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        text += cue + " " + std::to_string(i) + " = answer " + std::to_string(i) + "\n";
    }
    return text;
}

class ChangingCueFileTest : public ::testing::Test {
protected:
    // Opens a large cue file (ASCII, or UTF-8 with accents), reads a little of it, lets
    // change do its worst and reads on; the number of lines read after the change.
    int ReadAcross(const std::function<void(const fs::path&)>& change, bool utf8 = false) {
        const fs::path path = m_dir.Write("big.recallix", CueText(utf8 ? "Straße" : "cue"));
        cCueFileReader reader;
        EXPECT_TRUE(reader.Open(m_dir.U16("big.recallix")));
        EXPECT_EQ(reader.GetEncoding(), utf8 ? eCueEncoding::Utf8 : eCueEncoding::Latin1);
        std::u16string line;
        for (int i = 0; i < 100; ++i) {
            EXPECT_TRUE(reader.ReadTextLine(line));
        }
        change(path);
        int count = 0;
        while (reader.ReadTextLine(line)) {
            ++count;
        }
        EXPECT_TRUE(reader.IsAtEnd());
        return count;
    }

    cTempDir m_dir;
};

TEST_F(ChangingCueFileTest, FileCutShortEndsTheReading) {
    EXPECT_LT(ReadAcross([](const fs::path& path) { fs::resize_file(path, 1000000); }), kLines);
    EXPECT_LT(ReadAcross([](const fs::path& path) { fs::resize_file(path, 0); }), kLines);
    EXPECT_LT(ReadAcross([](const fs::path& path) { fs::resize_file(path, 1000000); }, true),
              kLines);
}

TEST_F(ChangingCueFileTest, FileOverwrittenInPlaceIsReadToItsEnd) {
    const auto overwrite = [](const fs::path& path) {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        std::string noise(fs::file_size(path), '\0');
        for (size_t i = 0; i < noise.size(); ++i) {
            noise[i] = static_cast<char>((i * 7919) % 251);  // no valid UTF-8 in sight
        }
        file.write(noise.data(), static_cast<std::streamsize>(noise.size()));
    };
    EXPECT_GT(ReadAcross(overwrite), 0);
    EXPECT_GT(ReadAcross(overwrite, true), 0);
}

TEST_F(ChangingCueFileTest, RemovedOrReplacedFileIsReadAsItWasOpened) {
    // The open file stays as it was; the path now names another file or none.
    EXPECT_EQ(ReadAcross([](const fs::path& path) { fs::remove(path); }), kLines - 100);
    const auto replace = [this](const fs::path& path) {
        fs::rename(m_dir.Write("other.recallix", "other = file\n"), path);
    };
    EXPECT_EQ(ReadAcross(replace), kLines - 100);
}

TEST_F(ChangingCueFileTest, TeacherLoadsAFileThatIsStillGrowing) {
    const fs::path path = m_dir.Write("growing.recallix", CueText("cue"));
    QProcess appender;
    appender.start(QStringLiteral(FAULT_HELPER),
                   {"append", QString::fromStdString(path.string()), "2000"});
    ASSERT_TRUE(appender.waitForStarted(10000));
    cMemoryProfile profile;
    cFakeTickSource ticks;
    do {
        cTeacher teacher(profile, ticks);
        EXPECT_TRUE(teacher.LoadCueFile(m_dir.U16("growing.recallix"), false));
        EXPECT_GE(teacher.GetTotalCues(), kLines);
    } while (appender.state() == QProcess::Running && !appender.waitForFinished(0));
    appender.waitForFinished(10000);
    EXPECT_EQ(appender.state(), QProcess::NotRunning);
    EXPECT_EQ(appender.exitCode(), 0);
}

}  // namespace
