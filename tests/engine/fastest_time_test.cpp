// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include "cuefiles/fastest_time_key.h"
#include "tests/support/teacher_fixture.h"
#include "text/file_title.h"

TEST(FastestTimeKeyTest, KeysAndTitlesFromLoadedFiles) {
    auto key = [](std::vector<std::u16string> paths) {
        return MakeFastestTimeKey(JoinFileNames(paths));
    };
    EXPECT_EQ(key({u"C:\\Cards\\French Verbs.recallix"}), u"french_verbs_recallix");
    EXPECT_EQ(key({u"D:\\A\\Verbs.recallix", u"/B/Nouns.recallix-"}),
              u"verbs_recallix___nouns_recallix_");
    EXPECT_EQ(key({u"E:\\Übung 2.recallix"}), u"_bung_2_recallix");
    EXPECT_EQ(key({u"C:Verbs.recallix"}), u"verbs_recallix");
    // The file list shows the name without folder and extension.
    EXPECT_EQ(FileTitleOfPath(u"/cards/French Verbs.recallix-"), u"French Verbs");
}

class FastestTimeTest : public TeacherTest {
protected:
    // Runs a pass over two fresh cards that takes ms from the first right answer.
    void RunPass(uint32_t ms) {
        teacher.Clear();
        for (const auto& path : files) {
            teacher.AddLoadedFile(path);
        }
        AddCards({{u"A", u"a"}, {u"B", u"b"}});
        AnswerRight();
        ticks.Advance(ms);
        AnswerRight();
    }
    uint32_t Stored(const char16_t* key) const {
        return profile.GetProfileInt(u"FastestTimes", key, 0);
    }

    std::vector<std::u16string> files{u"/cards/Verbs.recallix"};
};

TEST_F(FastestTimeTest, OnlyStrictlyFasterPassesAreStoredPerCombinationOfFiles) {
    for (const uint32_t ms : {9000, 12000, 9000}) {
        RunPass(ms);
        EXPECT_EQ(Stored(u"verbs_recallix"), 9000u);
        EXPECT_EQ(teacher.GetFastestText(), u"00 : 09");
    }
    files = {u"/cards/Verbs.recallix-"};
    RunPass(20000);
    EXPECT_EQ(Stored(u"verbs_recallix_"), 20000u);
    files = {u"/cards/Verbs.recallix"};
    RunPass(8000);
    EXPECT_EQ(Stored(u"verbs_recallix"), 8000u);
    EXPECT_EQ(Stored(u"verbs_recallix_"), 20000u);
}

TEST_F(FastestTimeTest, PenaltiesCountButNoTimeOrNoFileIsNeverStored) {
    RunPass(0);
    EXPECT_EQ(profile.GetValueCount(), 0);
    teacher.Restart();
    teacher.Ignore();
    teacher.Ignore();
    EXPECT_EQ(Stored(u"verbs_recallix"), 60000u);
    files.clear();  // cards read from no file have no record
    RunPass(5000);
    EXPECT_EQ(profile.GetValueCount(), 1);
}
