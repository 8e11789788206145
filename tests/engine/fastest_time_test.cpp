// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include "cuefiles/fastest_time_key.h"
#include "tests/support/teacher_fixture.h"
#include "text/file_title.h"

TEST(FastestTimeKeyTest, KeysAndTitlesFromLoadedFiles) {
    // Only "/" separates folders: a backslash or a colon is part of the name.
    struct {
        const char* name;
        std::vector<std::u16string> paths;
        std::u16string key, lastTitle;
    } const rows[] = {
        {"Plain", {u"/cards/French Verbs.recallix"}, u"french_verbs_recallix", u"French Verbs"},
        {"TwoFilesOneReversed",
         {u"/A/Verbs.recallix", u"/B/Nouns.recallix-"},
         u"verbs_recallix___nouns_recallix_",
         u"Nouns"},
        {"NotAscii", {u"/E/Übung 2.recallix"}, u"_bung_2_recallix", u"Übung 2"},
        {"Relative", {u"Verbs.recallix"}, u"verbs_recallix", u"Verbs"},
        {"Backslash", {u"/cards/a\\b.recallix"}, u"a_b_recallix", u"a\\b"},
        {"Colon", {u"/cards/C:Verbs.recallix"}, u"c_verbs_recallix", u"C:Verbs"},
        {"MoreDots", {u"/cards/unit.3.recallix"}, u"unit_3_recallix", u"unit.3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MakeFastestTimeKey(JoinFileNames(row.paths)), row.key);
        EXPECT_EQ(FileTitleOfPath(row.paths.back()), row.lastTitle);
    }
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
    EXPECT_EQ(profile.GetValueCount(), 1);  // the record alone: nothing of the working set
    files.clear();                          // cards read from no file have no record
    RunPass(5000);
    EXPECT_EQ(profile.GetValueCount(), 1);
}
