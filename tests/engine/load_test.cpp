// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <tuple>

#include "engine/load_progress.h"
#include "tests/support/fake_file_picker.h"
#include "tests/support/teacher_fixture.h"

namespace {

// Lets a load go on for a number of progress reports, then stops it; keeps every report.
struct sStopAfter : cLoadProgress {
    explicit sStopAfter(size_t reportsToGoOn) : goOn(reportsToGoOn) {}
    bool OnLoadProgress(uint64_t bytesRead, uint64_t fileSize) override {
        reports.emplace_back(bytesRead, fileSize);
        return reports.size() <= goOn;
    }
    size_t goOn;
    std::vector<std::pair<uint64_t, uint64_t>> reports;  // bytes read, file size
};

}  // namespace

class LoadTest : public TeacherTest {
protected:
    cFakeFilePicker picker;
    const std::u16string animals = dir.Write(
        "animals.recallix", "Animals\n Hund = dog\nK\xC3\xA4tzchen = kitten\n\nMa:dchen = girl\n");
    const std::u16string numbers = dir.Write("numbers.recallix", "eins = one\r\nzwei = two\r\n");
};

TEST_F(LoadTest, ShiftLoadsEveryFileReversedReadAsUtf8WhenItIs) {
    picker.chosen = {animals, numbers, dir.Write("words.csv", "a,b\n")};
    picker.shift = true;
    EXPECT_TRUE(teacher.Load(picker));
    EXPECT_EQ(teacher.GetCurrentCue(), u"dog");
    const CardTexts reversed = {{u"dog", u"Hund"}, {u"kitten", u"Kätzchen"}, {u"girl", u"Mädchen"},
                                {u"one", u"eins"}, {u"two", u"zwei"},        {u"b", u"a"}};
    EXPECT_EQ(Cards(), reversed);
    EXPECT_EQ(teacher.GetFastestTimeKey(), u"animals_recallix____numbers_recallix____words_csv_");
}

// A load counts on from the time of a finished or running pass, without a jump. An attempt
// that changes nothing leaves the pass alone: a file that cannot be read, or one that gives
// a finished pass no new card.
TEST_F(LoadTest, ClockCarriesOverAFinishedOrRunningPassThatAnAttemptLeavesAlone) {
    ASSERT_TRUE(teacher.LoadCueFile(numbers, false));
    AnswerRight();
    ticks.Advance(3000);
    AnswerRight();
    ticks.Advance(60000);
    // A finished pass that gets no new card stays finished and keeps its time.
    EXPECT_TRUE(teacher.LoadCueFile(dir.Write("empty.recallix", "title only\n"), false));
    EXPECT_EQ(std::pair(teacher.IsClockRunning(), teacher.GetElapsedMs()), std::pair(false, 3000u));
    ASSERT_TRUE(teacher.LoadCueFile(animals, false));  // counts on from the frozen time
    EXPECT_TRUE(teacher.IsClockRunning());
    ticks.Advance(500);
    // Stopping the clock here would let the pass be recorded with only the later time.
    EXPECT_FALSE(teacher.LoadCueFile(u"/proc/self/mem", false));  // opens, but cannot be read
    EXPECT_EQ(teacher.GetElapsedMs(), 3500u);
    ASSERT_TRUE(teacher.LoadCueFile(numbers, false));
    EXPECT_EQ(teacher.GetElapsedMs(), 3500u) << "no jump";
    AnswerTheRest();
    ticks.Advance(1000);
    EXPECT_EQ(std::pair(teacher.IsClockRunning(), teacher.GetElapsedMs()), std::pair(false, 3500u));
}

// Every format tells how far a long load has got. A stopped load keeps nothing of its file
// and leaves the pass as it was; its file took no ids, so the cards of a later load number
// on as if it had never been tried. A load nobody stops reads to the end.
TEST_F(LoadTest, EveryFormatReportsProgressAndAStoppedLoadKeepsNothingOfItsFile) {
    std::string recallix, tab, comma, entries, openQuote = "a\t\"never closed\n";
    for (int i = 0; i < 20000; ++i) {
        const std::string n = std::to_string(i);
        recallix += "Wort" + n + " = word" + n + "\n";
        tab += "Wort" + n + "\tword" + n + "\n";
        comma += "Wort" + n + ",word" + n + "\n";
        entries += KvtmlEntry("Wort" + n, "word" + n);
        openQuote += "more of the quoted field " + n + "\n";
    }
    // Each row: the file, and whether it loads whole when nobody stops it.
    const std::tuple<const char*, std::string, bool> cases[] = {
        {"big.recallix", recallix, true}, {"big.tsv", tab, true},
        {"big.csv", comma, true},         {"big.kvtml", KvtmlDocument(entries), true},
        {"open.tsv", openQuote, false},
    };
    for (const auto& [name, bytes, whole] : cases) {
        SCOPED_TRACE(name);
        cTeacher running(profile, ticks);
        ASSERT_TRUE(running.LoadCueFile(animals, false));
        running.Next(running.GetCurrentCard().GetAnswer());  // a running pass, ids 100 to 102
        const std::u16string current = running.GetCurrentCue(), path = dir.Write(name, bytes);
        sStopAfter stop(1), never(1000);
        running.SetLoadProgress(&stop);
        picker.chosen = {path, numbers};
        EXPECT_EQ(
            (std::tuple{running.Load(picker), running.GetLastLoadFault(), stop.reports.size(),
                        running.GetTotalCues(), running.GetCuesLeft(), running.GetCurrentCue()}),
            std::tuple(false, eLoadFault::Stopped, 2u, 3, 2, current));

        running.SetLoadProgress(&never);
        EXPECT_EQ((std::tuple{running.LoadCueFile(path, false), running.GetLastLoadFault(),
                              running.GetTotalCues(),
                              running.FindCard(cCueLineKey(103)).value_or(cCueLine()).GetCue()}),
                  std::tuple(whole, whole ? eLoadFault::None : eLoadFault::OpenQuote,
                             whole ? 20003 : 3, whole ? u"Wort0" : u""));
        ASSERT_GT(never.reports.size(), 2u);
        const auto [read, size] = never.reports.back();
        EXPECT_TRUE(read <= size && read > size / 2) << read << " of " << size;
    }
}

TEST_F(LoadTest, EachFormatLoadsByItsExtensionWithItsTextsAsWritten) {
    const std::tuple<const char*, std::string, CardTexts> files[] = {
        // No combination or bar turns into anything outside cue files: these hold real letters.
        {"Words.TSV", "the:\tder\nHund\ter|sie\n", {{u"the:", u"der"}, {u"Hund", u"er|sie"}}},
        // A .txt file is a tab list when its first line, blank ones passed over, holds a tab
        // or is a header line.
        {"anki.txt", "#separator:tab\n#html:true\ne/\tx\n", {{u"e/", u"x"}}},
        {"blank.txt", "\n\nc:\td\n", {{u"c:", u"d"}}},
        {"a.txt", "#a:1\nf:\tg\n", {{u"f:", u"g"}}},
        {"words.csv", "\"a, b\",c:\n", {{u"a, b", u"c:"}}},
        {"words.recallix", "the: = der\n", {{u"thë", u"der"}}},
        {"old.txt", "Words\nthe: = der\n", {{u"thë", u"der"}}},
        {"words.kvtml",
         KvtmlDocument(KvtmlEntry("a:", "b|c") + KvtmlEntry("only one", "")),
         {{u"a:", u"b|c"}}},
        // The last dot starts the extension; a cue file stays one whatever its first line holds.
        {"unit.3.tsv", "u:\tv\n", {{u"u:", u"v"}}},
        {"tabbed.recallix", "a\tb = c\n", {{u"a\tb", u"c"}}},
    };
    CardTexts expected;
    for (const auto& [name, bytes, cards] : files) {
        EXPECT_TRUE(teacher.LoadCueFile(dir.Write(name, bytes), false)) << name;
        expected.insert(expected.end(), cards.begin(), cards.end());
    }
    EXPECT_EQ(Cards(), expected);
}

// A file that is not well-formed loads nothing, ends the Load command there, and says what
// is wrong in the terms of its format.
TEST_F(LoadTest, MalformedFilesLoadNothingStopTheLoadAndSayWhy) {
    const std::string document = KvtmlDocument(KvtmlEntry("Hund", "dog"));
    const std::tuple<const char*, std::string, eLoadFault> cases[] = {
        {"missing.tsv", "", eLoadFault::Unreadable},  // not written
        {"open.csv", "a,b\n\"c,d\n", eLoadFault::OpenQuote},
        {"after.tsv", "a\tb\n\"c\"x\td\n", eLoadFault::TextAfterQuote},
        {"broken.kvtml", document.substr(0, document.size() - 9), eLoadFault::NotWellFormedXml},
        {"old.kvtml", "<kvtml><e><o>eins</o><t>one</t></e></kvtml>", eLoadFault::NotKvtml2},
    };
    AddCards({{u"kept", u"card"}});
    const std::u16string good = dir.Write("good.tsv", "eins\tone\n");
    for (const auto& [name, bytes, fault] : cases) {
        SCOPED_TRACE(name);
        picker.chosen = {good, bytes.empty() ? dir.U16(name) : dir.Write(name, bytes), good};
        EXPECT_EQ((std::pair{teacher.Load(picker), teacher.GetLastLoadFault()}),
                  std::pair(false, fault));
    }
    // Each command loaded the good file before the bad one, and nothing of the bad one.
    EXPECT_EQ(std::pair(teacher.GetTotalCues(), teacher.GetLoadedFileCount()), std::pair(1 + 5, 5));
}
