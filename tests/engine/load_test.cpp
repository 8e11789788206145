// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <map>

#include "engine/load_progress.h"
#include "tests/support/fake_file_picker.h"
#include "tests/support/teacher_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

// A vocabulary document with the given entries (translation 0, translation 1).
std::string Document(std::initializer_list<std::pair<const char*, const char*>> entries) {
    std::string xml = "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\"><entries>\n";
    for (const auto& [first, second] : entries) {
        xml += std::string("<entry><translation id=\"0\"><text>") + first +
               "</text></translation><translation id=\"1\"><text>" + second +
               "</text></translation></entry>\n";
    }
    return xml + "</entries></kvtml>\n";
}

// Lets a load go on for a number of reports, then stops it.
class cStopAfter : public cLoadProgress {
public:
    explicit cStopAfter(int reports) : m_reportsLeft(reports) {}
    bool OnLoadProgress(uint64_t, uint64_t) override { return m_reportsLeft-- > 0; }

private:
    int m_reportsLeft;
};

}  // namespace

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

TEST_F(LoadTest, ShiftLoadsEveryFileReversedReadAsUtf8WhenItIs) {
    picker.chosen = {animals, numbers};
    picker.shift = true;
    EXPECT_TRUE(teacher.Load(picker));
    EXPECT_EQ(teacher.GetCurrentCue(), u"dog");
    EXPECT_EQ(Cards(), (CardTexts{{u"dog", u"Hund"},
                                  {u"kitten", u"Kätzchen"},
                                  {u"girl", u"Mädchen"},
                                  {u"one", u"eins"},
                                  {u"two", u"zwei"}}));
    EXPECT_EQ(teacher.GetFastestTimeKey(), u"animals_recallix____numbers_recallix_");
}

TEST_F(LoadTest, ClockCarriesOverAFinishedOrRunningPass) {
    ASSERT_TRUE(teacher.LoadCueFile(numbers, false));
    AnswerRight();
    ticks.Advance(3000);
    AnswerRight();
    ASSERT_FALSE(teacher.IsClockRunning());  // finished
    ticks.Advance(60000);
    ASSERT_TRUE(teacher.LoadCueFile(animals, false));  // counts on from the frozen time
    EXPECT_TRUE(teacher.IsClockRunning());
    ticks.Advance(500);
    EXPECT_EQ(teacher.GetElapsedMs(), 3500u);
    ASSERT_TRUE(teacher.LoadCueFile(numbers, false));
    EXPECT_EQ(teacher.GetElapsedMs(), 3500u) << "no jump";
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
    EXPECT_FALSE(teacher.IsClockRunning());
    EXPECT_EQ(teacher.GetElapsedMs(), 4000u);
}

TEST_F(LoadTest, StoppedLoadLeavesNothingOfItsFileAndOthersAsTheyWere) {
    std::string text;
    for (int i = 0; i < 20000; ++i) {
        text += "Wort" + std::to_string(i) + " = word" + std::to_string(i) + "\n";
    }
    const std::u16string big = dir.Write("big.recallix", text);
    ASSERT_TRUE(teacher.LoadCueFile(animals, false));
    AnswerRight();  // a running pass, ids 100 to 102 used
    const std::u16string current = teacher.GetCurrentCue();

    cStopAfter stop(2);
    teacher.SetLoadProgress(&stop);
    picker.chosen = {big, numbers};
    EXPECT_FALSE(teacher.Load(picker));
    EXPECT_EQ(teacher.GetTotalCues(), 3);
    EXPECT_EQ(teacher.GetCuesLeft(), 2);
    EXPECT_EQ(teacher.GetCurrentCue(), current);

    // The stopped file took no ids: the next cards number on as if it had never been tried.
    cStopAfter never(1000);
    teacher.SetLoadProgress(&never);
    ASSERT_TRUE(teacher.LoadCueFile(big, false));
    EXPECT_EQ(teacher.GetTotalCues(), 20003);
    EXPECT_EQ(teacher.FindCard(cCueLineKey(103))->GetCue(), u"Wort0");
}

TEST_F(LoadTest, EachFormatLoadsByItsExtensionWithItsTextsAsWritten) {
    // No combination or bar turns into anything outside cue files: these hold real letters.
    const std::u16string tab = dir.Write("Words.TSV", "the:\tder\nHund\ter|sie\n");
    const std::u16string text = dir.Write("anki.txt", "#separator:tab\n#html:true\ne/\tx\n");
    const std::u16string comma = dir.Write("words.csv", "\"a, b\",c:\n");
    const std::u16string cue = dir.Write("words.recallix", "the: = der\n");
    const std::u16string cueText = dir.Write("old.txt", "Words\nthe: = der\n");
    const std::u16string document =
        dir.Write("words.kvtml", Document({{"a:", "b|c"}, {"only one", ""}}));
    for (const std::u16string& path : {tab, text, comma, cue, cueText, document}) {
        EXPECT_TRUE(teacher.LoadCueFile(path, false)) << testing::PrintToString(path);
    }
    EXPECT_EQ(Cards(), (CardTexts{{u"the:", u"der"},
                                  {u"Hund", u"er|sie"},
                                  {u"e/", u"x"},
                                  {u"a, b", u"c:"},
                                  {u"thë", u"der"},
                                  {u"thë", u"der"},
                                  {u"a:", u"b|c"}}));
}

TEST_F(LoadTest, MalformedFilesLoadNothingAndStopTheLoad) {
    AddCards({{u"kept", u"card"}});
    const std::u16string good = dir.Write("good.tsv", "eins\tone\n");
    const std::u16string textAfterQuote = dir.Write("after.tsv", "a\tb\n\"c\"x\td\n");
    const std::string whole = Document({{"Hund", "dog"}});
    const std::u16string broken = dir.Write("broken.kvtml", whole.substr(0, whole.size() - 9));
    for (const std::u16string& path : {textAfterQuote, broken}) {
        picker.chosen = {good, path, good};
        EXPECT_FALSE(teacher.Load(picker)) << testing::PrintToString(path);
    }
    // Each command loaded the good file before the bad one, and nothing of the bad one.
    EXPECT_EQ(teacher.GetTotalCues(), 1 + 2);
    EXPECT_EQ(teacher.GetLoadedFileCount(), 2);
}

TEST_F(LoadTest, AListLoadsReversed) {
    EXPECT_TRUE(teacher.LoadCueFile(dir.Write("good.csv", "a,b\n"), true));
    EXPECT_EQ(teacher.GetCurrentCue(), u"b");  // reversed
}
