#include <gtest/gtest.h>
#include <sys/stat.h>

#include "i18n/lexitra/lexitra.h"
#include "platform/thread_locale.h"
#include "tests/support/fake_file_picker.h"
#include "tests/support/teacher_fixture.h"
#include "tests/support/temp_dir.h"

class LoadTest : public TeacherTest {
protected:
    void SetUp() override {
        SetThreadLocale(1033);
        dir.Write("animals.recallix", "Animals\nHund = dog\nKatze = cat\n\nMa:dchen = girl\n");
        dir.Write("numbers.recallix", "eins = one\r\nzwei = two\r\n");
    }

    std::u16string Path(const std::string& name) const { return dir.U16(name); }

    cTempDir dir;
    cFakeFilePicker picker;
};

TEST_F(LoadTest, LoadFlowAsksWithTheFileTypeAndTitle) {
    picker.chosen = {Path("animals.recallix")};
    EXPECT_TRUE(teacher.Load(picker));
    EXPECT_EQ(picker.lastTitle, LoadTranslatedUiString(40007));
    EXPECT_EQ(picker.lastFilter, LoadTranslatedUiString(40004) + u" (*.recallix)|*.recallix||");
    EXPECT_EQ(teacher.GetTotalCues(), 3);
    EXPECT_EQ(teacher.GetCurrentCue(), u"Hund");  // the first card of the first file
    EXPECT_EQ(teacher.GetLoadedFile(0), Path("animals.recallix"));
}

TEST_F(LoadTest, CancelChangesNothing) {
    picker.cancel = true;
    EXPECT_FALSE(teacher.Load(picker));
    EXPECT_EQ(teacher.GetTotalCues(), 0);
    EXPECT_EQ(teacher.GetLoadedFileCount(), 0);
}

TEST_F(LoadTest, StopsAtTheFirstFileThatFails) {
    picker.chosen = {Path("animals.recallix"), Path("missing.recallix"),
                     Path("numbers.recallix")};
    EXPECT_FALSE(teacher.Load(picker));
    EXPECT_EQ(teacher.GetLoadedFileCount(), 1);
    EXPECT_EQ(teacher.GetTotalCues(), 3);
}

TEST_F(LoadTest, ShiftLoadsEveryFileReversed) {
    picker.chosen = {Path("animals.recallix"), Path("numbers.recallix")};
    picker.shift = true;
    EXPECT_TRUE(teacher.Load(picker));
    EXPECT_EQ(teacher.GetLoadedFile(0), Path("animals.recallix") + u"-");
    EXPECT_EQ(teacher.GetLoadedFile(1), Path("numbers.recallix") + u"-");
    EXPECT_EQ(teacher.GetCurrentCue(), u"dog");
    EXPECT_EQ(teacher.GetCurrentCard().GetAnswer(), u"Hund");
    EXPECT_EQ(teacher.GetFastestTimeKey(), u"animals_recallix____numbers_recallix_");
}

TEST_F(LoadTest, SameFileTwiceGivesEveryCardTwice) {
    EXPECT_TRUE(teacher.LoadCueFile(Path("animals.recallix"), false));
    EXPECT_TRUE(teacher.LoadCueFile(Path("animals.recallix"), true));
    EXPECT_EQ(teacher.GetTotalCues(), 6);
    EXPECT_EQ(teacher.GetLoadedFileCount(), 2);
    EXPECT_EQ(teacher.GetCurrentCue(), u"Hund");  // a later load never displaces it
}

TEST_F(LoadTest, CardsAreTrimmedAndSubstituted) {
    ASSERT_TRUE(teacher.LoadCueFile(Path("animals.recallix"), false));
    const cCueLine* girl = teacher.FindCard(cCueLineKey(102));
    ASSERT_NE(girl, nullptr);
    EXPECT_EQ(girl->GetCue(), u"Mädchen");
    EXPECT_EQ(girl->GetAnswer(), u"girl");
}

TEST_F(LoadTest, PathsThatAreNoRegularFileFailAndTouchNothing) {
    ASSERT_TRUE(teacher.LoadCueFile(Path("animals.recallix"), false));
    std::filesystem::create_directory(dir.Path() / "folder.recallix");
    ASSERT_EQ(mkfifo((dir.Path() / "pipe.recallix").c_str(), 0600), 0);
    for (const std::u16string& path :
         {Path("folder.recallix"), Path("pipe.recallix"), Path("missing.recallix"),
          std::u16string(u"/dev/null"), std::u16string(u"")}) {
        EXPECT_FALSE(teacher.LoadCueFile(path, false));
    }
    EXPECT_EQ(teacher.GetLoadedFileCount(), 1);
    EXPECT_EQ(teacher.GetTotalCues(), 3);
}

TEST_F(LoadTest, EmptyFileLoadsWithoutCards) {
    dir.Write("empty.recallix", "");
    EXPECT_TRUE(teacher.LoadCueFile(Path("empty.recallix"), false));
    EXPECT_EQ(teacher.GetLoadedFileCount(), 1);
    EXPECT_EQ(teacher.GetTotalCues(), 0);
}

TEST_F(LoadTest, ClockCarriesOverARunningPass) {
    ASSERT_TRUE(teacher.LoadCueFile(Path("animals.recallix"), false));
    AnswerRight();
    ticks.Advance(4000);
    ASSERT_TRUE(teacher.LoadCueFile(Path("numbers.recallix"), false));
    EXPECT_EQ(teacher.GetElapsedMs(), 4000u) << "no jump";
    ticks.Advance(1000);
    EXPECT_EQ(teacher.GetElapsedMs(), 5000u) << "still counting";
}

TEST_F(LoadTest, FinishedPassCountsOnFromItsFrozenTime) {
    ASSERT_TRUE(teacher.LoadCueFile(Path("numbers.recallix"), false));
    AnswerRight();
    ticks.Advance(3000);
    AnswerRight();
    ASSERT_TRUE(teacher.IsPassFinished());
    ticks.Advance(60000);
    ASSERT_TRUE(teacher.LoadCueFile(Path("animals.recallix"), false));
    EXPECT_FALSE(teacher.IsPassFinished());
    EXPECT_EQ(teacher.GetElapsedMs(), 3000u);
    ticks.Advance(500);
    EXPECT_EQ(teacher.GetElapsedMs(), 3500u);
}

TEST_F(LoadTest, FailedAttemptOrFirstFileStopsTheClock) {
    ASSERT_TRUE(teacher.LoadCueFile(Path("animals.recallix"), false));
    AnswerRight();
    ticks.Advance(4000);
    EXPECT_FALSE(teacher.LoadCueFile(Path("missing.recallix"), false));
    EXPECT_EQ(teacher.GetElapsedText(), u"");

    teacher.Clear();
    AddCards({{u"A", u"a"}, {u"B", u"b"}});
    AnswerRight();  // cards from no file: the clock runs, but the first file resets it
    ASSERT_TRUE(teacher.LoadCueFile(Path("numbers.recallix"), false));
    EXPECT_EQ(teacher.GetElapsedMs(), 0u);
}

TEST_F(LoadTest, FinishedPassIsRecordedUnderItsFiles) {
    ASSERT_TRUE(teacher.LoadCueFile(Path("numbers.recallix"), false));
    AnswerRight();
    ticks.Advance(6000);
    AnswerRight();
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"numbers_recallix", 0), 6000u);
    EXPECT_EQ(teacher.GetFastestText(), u"00 : 06");
}

TEST_F(LoadTest, OddFilesLoadWithWhateverValidLinesTheyHold) {
    // UTF-16 big-endian: taken as 8-bit text with its zero bytes dropped.
    std::string bigEndian = "\xFE\xFF";
    for (char c : std::string("Baum = tree\nHaus = house\n")) {
        bigEndian += '\0';
        bigEndian += c;
    }
    dir.Write("big-endian.recallix", bigEndian);
    EXPECT_TRUE(teacher.LoadCueFile(Path("big-endian.recallix"), false));
    EXPECT_EQ(teacher.GetTotalCues(), 2);

    // Binary garbage around one good line.
    std::string garbage(4096, '\0');
    for (size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 131) % 256);
    }
    dir.Write("garbage.recallix", garbage + "\nKatze = cat\n" + garbage);
    EXPECT_TRUE(teacher.LoadCueFile(Path("garbage.recallix"), false));
    EXPECT_GE(teacher.GetTotalCues(), 3);

    // One line of 100 MB.
    std::string huge = "long = ";
    huge.append(100 * 1024 * 1024, 'x');
    dir.Write("huge.recallix", huge);
    huge = std::string();
    const int before = teacher.GetTotalCues();
    EXPECT_TRUE(teacher.LoadCueFile(Path("huge.recallix"), false));
    EXPECT_EQ(teacher.GetTotalCues(), before + 1);
    EXPECT_EQ(teacher.GetLoadedFileCount(), 3);
}
