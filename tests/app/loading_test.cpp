// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "tests/support/qt/main_window_fixture.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

using LoadingTest = MainWindowTest;

TEST_F(LoadingTest, LoadShowsTheFirstCardTheCountsAndTheFileTitles) {
    LoadGerman();
    EXPECT_EQ(Cue(), "one");
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "3");
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadSucceeded));
    EXPECT_FALSE(AnswerBox()->isReadOnly());
    EXPECT_EQ(Focused(), AnswerBox());

    LoadFile("french.recallix", "four = quatre\nfive = cinq\n");
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "5");
    ASSERT_EQ(FileList()->count(), 2);
    EXPECT_EQ(FileList()->item(0)->text(), "french");  // sorted by name
    EXPECT_EQ(FileList()->item(1)->text(), "german");

    picker.cancel = true;
    Button(kIdLoad)->click();
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadFailed));
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "5");
    EXPECT_EQ(FileList()->count(), 2);
}

TEST_F(LoadingTest, WaitCursorOnlyOnceTheFilesArePickedAndLongCuesShowTheirStart) {
    // A picker that notes the cursor while it is open.
    struct cCursorNotingPicker : cFakeFilePicker {
        bool PickFiles(const std::u16string& title, const std::u16string& filter,
                       std::vector<std::u16string>& paths) override {
            busyWhilePicking = QApplication::overrideCursor() != nullptr;
            return cFakeFilePicker::PickFiles(title, filter, paths);
        }
        bool busyWhilePicking = true;
    } notingPicker;
    const std::string longCue = "start of a long cue" + std::string(200, '.') + "end";
    notingPicker.chosen = {files.Write("long.recallix", longCue + " = x\n")};
    doc->SetFilePicker(&notingPicker);
    Button(kIdLoad)->click();
    EXPECT_FALSE(notingPicker.busyWhilePicking);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Cue().toStdString(), longCue);
    EXPECT_EQ(Edit(kIdCue)->cursorPosition(), 0);
}

TEST_F(LoadingTest, FileLoadedWithShiftHeldIsReversedButListedUnderItsName) {
    picker.shift = true;
    LoadGerman();
    EXPECT_EQ(Cue(), "eins");
    EXPECT_EQ(FileList()->item(0)->text(), "german");
}

using WorkingSetTest = MainWindowTest;

TEST_F(WorkingSetTest, IgnoreDropsTheCardAndRestartBringsItBack) {
    LoadGerman();
    MoveFocusAway();
    Button(kIdIgnore)->click();
    EXPECT_NE(Cue(), "one");
    EXPECT_EQ(CuesLeft(), "2");
    EXPECT_EQ(Focused(), AnswerBox());
    EXPECT_EQ(TimeAfterATick(), "00 : 30");  // the penalty of one ignored entry

    MoveFocusAway();
    frame->FindAction(kIdRestart)->trigger();
    EXPECT_EQ(CuesLeft(), "3");
    EXPECT_EQ(Progress(), 0);
    EXPECT_EQ(Focused(), AnswerBox());
    EXPECT_EQ(TimeAfterATick(), "");
}

TEST_F(WorkingSetTest, ClearFromTheFileMenuEmptiesEverythingAtOnce) {
    LoadGerman();
    QTest::keyClicks(AnswerBox(), "ei");
    MoveFocusAway();
    frame->FindAction(kIdClear)->trigger();
    EXPECT_EQ(Cue(), "");
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "0");
    EXPECT_EQ(Progress(), 100);
    EXPECT_EQ(FileList()->count(), 0);
    EXPECT_EQ(AnswerBox()->text(), "");
    EXPECT_TRUE(AnswerBox()->isReadOnly());
    EXPECT_FALSE(Button(kIdNext)->isEnabled());
    EXPECT_EQ(Focused(), AnswerBox());
}

// Resident memory of this process in bytes.
long ResidentBytes() {
    long pages = 0;
    long resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm != nullptr) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * ::sysconf(_SC_PAGESIZE);
}

TEST_F(WorkingSetTest, ClearGivesTheMemoryOfALargeSetBackToTheSystem) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps freed memory in quarantine";
#endif
    std::string text;
    for (int i = 0; i < 300000; ++i) {
        text += "cue number " + std::to_string(i) + " = answer number " + std::to_string(i) + "\n";
    }
    const std::u16string path = files.Write("large.recallix", text);
    text = std::string();
    const long before = ResidentBytes();
    picker.chosen = {path};
    Button(kIdLoad)->click();
    ASSERT_EQ(Edit(kIdTotalCues)->text(), "300000");
    const long loaded = ResidentBytes();
    frame->FindAction(kIdClear)->trigger();
    const long cleared = ResidentBytes();
    EXPECT_LT(cleared - before, (loaded - before) / 4)
        << "before " << before << ", loaded " << loaded << ", cleared " << cleared;
}

TEST_F(WorkingSetTest, AccentsHelpListsTheCombinations) {
    MoveFocusAway();
    cMessageBoxAnswerer answerer(QMessageBox::Ok);
    frame->FindAction(kIdAccents)->trigger();
    ASSERT_TRUE(answerer.shown);
    EXPECT_TRUE(answerer.text.startsWith(Translated(eUiText::AccentsHelp)));
    EXPECT_TRUE(answerer.text.contains("\na:\tä\n"));
    EXPECT_TRUE(answerer.text.endsWith("\ns:\tß\n"));
    EXPECT_EQ(Focused(), AnswerBox());
}

// A load that runs long shows how far it has got and gives the window its turns, in which
// no command gets through; Esc there stops it and nothing of that file stays.
TEST_F(LoadingTest, LongLoadShowsItsProgressTakesNoCommandsAndEscStopsIt) {
    LoadGerman();
    std::string text;
    for (int i = 0; i < 30000; ++i) {
        text += "Wort" + std::to_string(i) + " = word" + std::to_string(i) + "\n";
    }
    doc->SetLoadQuietMs(0);
    QStringList shown;
    QTimer watcher;  // runs only while the load lets the window have its turns
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        shown << frame->GetStatusText();
        QTest::mouseClick(Button(kIdClear), Qt::LeftButton);  // held back
        QTest::keyClick(AnswerBox(), Qt::Key_Escape);         // stops the load
    });
    watcher.start(0);
    LoadFile("big.recallix", text);
    watcher.stop();
    ASSERT_FALSE(shown.isEmpty());
    const QStringList around = Translated(eUiText::LoadProgress).split("%i");
    EXPECT_TRUE(shown.first().startsWith(around.first())) << shown.first().toStdString();
    EXPECT_TRUE(shown.first().endsWith(around.last())) << shown.first().toStdString();
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadFailed));
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "3");
    EXPECT_EQ(FileList()->count(), 1);
    EXPECT_EQ(Cue(), "one");

    // Left alone, the same load runs to its end.
    LoadFile("big.recallix", text);
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadSucceeded));
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "30003");
}

}  // namespace

TEST_F(LoadingTest, VocabularyListsLoadBesideCueFilesAndABrokenOneLoadsNothing) {
    LoadFile("animals.kvtml",
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><entries>"
             "<entry id=\"0\"><translation id=\"0\"><text>the: Hund</text></translation>"
             "<translation id=\"1\"><text>dog</text></translation></entry>"
             "</entries></kvtml>\n");
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadSucceeded));
    EXPECT_EQ(Cue(), "the: Hund");  // as written: no accent combinations outside cue files
    LoadFile("colours.tsv", "#separator:tab\nrot\tred\ngr&uuml;n<br>\tgreen\n");
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "3");
    ASSERT_EQ(FileList()->count(), 2);
    EXPECT_EQ(FileList()->item(0)->text(), "animals");

    LoadFile("broken.kvtml", "<kvtml version=\"2.0\"><entries><entry>");
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadFailed));
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "3");
    EXPECT_EQ(FileList()->count(), 2);
    // The picker offered cue files first, then the lists, then everything.
    EXPECT_EQ(QString::fromStdU16String(picker.lastFilter).split(u'|').size(), 6 + 2);
}
