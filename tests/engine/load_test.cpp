// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include "engine/load_progress.h"
#include "i18n/lexitra/lexitra.h"
#include "tests/support/fake_file_picker.h"
#include "tests/support/teacher_fixture.h"
#include "tests/support/temp_dir.h"

class LoadTest : public TeacherTest {
protected:
    void SetUp() override {
        animals = dir.Write("animals.recallix",
                            "Animals\n Hund = dog\nK\xC3\xA4tzchen = kitten\n\nMa:dchen = girl\n");
        numbers = dir.Write("numbers.recallix", "eins = one\r\nzwei = two\r\n");
    }

    cTempDir dir;
    cFakeFilePicker picker;
    std::u16string animals;
    std::u16string numbers;
};

TEST_F(LoadTest, LoadFlowAsksWithTheFileTypeAndTitle) {
    picker.chosen = {animals};
    EXPECT_TRUE(teacher.Load(picker));
    EXPECT_EQ(picker.lastTitle, LoadTranslatedUiString(eUiText::FileDialogTitle));
    // Cue files first, then the vocabulary lists, then every file.
    EXPECT_EQ(picker.lastFilter, LoadTranslatedUiString(eUiText::FileTypeName) +
                                     u" (*.recallix)|*.recallix|" +
                                     LoadTranslatedUiString(eUiText::VocabularyListsName) +
                                     u" (*.kvtml *.tsv *.csv *.txt)|*.kvtml;*.tsv;*.csv;*.txt|" +
                                     LoadTranslatedUiString(eUiText::AllFilesName) + u" (*)|*||");
    // Cards are trimmed, read as UTF-8 when they are, and their combinations substituted.
    EXPECT_EQ(teacher.FindCard(cCueLineKey(101))->GetCue(), u"Kätzchen");
    EXPECT_EQ(teacher.FindCard(cCueLineKey(102))->GetCue(), u"Mädchen");
}

TEST_F(LoadTest, ShiftLoadsEveryFileReversed) {
    picker.chosen = {animals, numbers};
    picker.shift = true;
    EXPECT_TRUE(teacher.Load(picker));
    EXPECT_EQ(teacher.GetLoadedFile(0), animals + u"-");
    EXPECT_EQ(teacher.GetLoadedFile(1), numbers + u"-");
    EXPECT_EQ(teacher.GetCurrentCue(), u"dog");
    EXPECT_EQ(teacher.FindCard(cCueLineKey(102))->GetAnswer(), u"Mädchen");
    EXPECT_EQ(teacher.GetFastestTimeKey(), u"animals_recallix____numbers_recallix_");
}

TEST_F(LoadTest, ClockCarriesOverAFinishedOrRunningPass) {
    ASSERT_TRUE(teacher.LoadCueFile(numbers, false));
    AnswerRight();
    ticks.Advance(3000);
    AnswerRight();
    ASSERT_TRUE(teacher.IsPassFinished());
    ticks.Advance(60000);
    ASSERT_TRUE(teacher.LoadCueFile(animals, false));  // counts on from the frozen time
    EXPECT_FALSE(teacher.IsPassFinished());
    ticks.Advance(500);
    EXPECT_EQ(teacher.GetElapsedMs(), 3500u);
    ASSERT_TRUE(teacher.LoadCueFile(numbers, false));
    EXPECT_EQ(teacher.GetElapsedMs(), 3500u) << "no jump";
    ticks.Advance(1000);
    EXPECT_EQ(teacher.GetElapsedMs(), 4500u) << "still counting";
}

TEST_F(LoadTest, AttemptThatChangesNothingLeavesThePassAlone) {
    ASSERT_TRUE(teacher.LoadCueFile(animals, false));
    AnswerRight();
    ticks.Advance(4000);
    // Stopping the clock here would let the pass be recorded with only the later time.
    EXPECT_FALSE(teacher.LoadCueFile(u"/proc/self/mem", false));  // opens, but cannot be read
    EXPECT_EQ(teacher.GetElapsedMs(), 4000u);
    while (teacher.GetCuesLeft() > 0) {
        AnswerRight();
    }
    ticks.Advance(1000);
    // A finished pass that gets no new card stays finished and keeps its time.
    EXPECT_TRUE(teacher.LoadCueFile(dir.Write("empty.recallix", "title only\n"), false));
    EXPECT_TRUE(teacher.IsPassFinished());
    EXPECT_EQ(teacher.GetElapsedMs(), 4000u);
}

namespace {

// Lets a load go on for a number of reports, then stops it.
class cStopAfter : public cLoadProgress {
public:
    explicit cStopAfter(int reports) : m_reportsLeft(reports) {}
    bool OnLoadProgress(uint64_t bytesRead, uint64_t fileSize) override {
        EXPECT_LE(bytesRead, fileSize);
        lastRead = bytesRead;
        return m_reportsLeft-- > 0;
    }
    uint64_t lastRead = 0;

private:
    int m_reportsLeft;
};

}  // namespace

TEST_F(LoadTest, StoppedLoadLeavesNothingOfItsFileAndOthersAsTheyWere) {
    std::string text;
    for (int i = 0; i < 20000; ++i) {
        text += "Wort" + std::to_string(i) + " = word" + std::to_string(i) + "\n";
    }
    const std::u16string big = dir.Write("big.recallix", text);
    ASSERT_TRUE(teacher.LoadCueFile(animals, false));
    AnswerRight();  // a running pass, ids 100 to 102 used
    const std::vector<uint32_t> before = ToDoIds();

    cStopAfter stop(2);
    teacher.SetLoadProgress(&stop);
    picker.chosen = {big, numbers};
    EXPECT_FALSE(teacher.Load(picker));
    EXPECT_GT(stop.lastRead, 0u);
    EXPECT_EQ(teacher.GetTotalCues(), 3);
    EXPECT_EQ(teacher.GetLoadedFileCount(), 1);
    EXPECT_EQ(ToDoIds(), before);

    // The stopped file took no ids: the next cards number on as if it had never been tried.
    cStopAfter never(1000);
    teacher.SetLoadProgress(&never);
    ASSERT_TRUE(teacher.LoadCueFile(big, false));
    EXPECT_EQ(teacher.GetTotalCues(), 20003);
    EXPECT_EQ(teacher.FindCard(cCueLineKey(103))->GetCue(), u"Wort0");
    EXPECT_EQ(teacher.FindCard(cCueLineKey(20102))->GetAnswer(), u"word19999");
    EXPECT_FALSE(teacher.FindCard(cCueLineKey(20103)));
    teacher.SetLoadProgress(nullptr);
}
