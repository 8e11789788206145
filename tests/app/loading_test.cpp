#include "tests/support/qt/main_window_fixture.h"

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
    EXPECT_TRUE(TimeShows("00 : 30"));  // the penalty of one ignored entry

    MoveFocusAway();
    frame->FindAction(kIdRestart)->trigger();
    EXPECT_EQ(CuesLeft(), "3");
    EXPECT_EQ(Progress(), 0);
    EXPECT_EQ(Focused(), AnswerBox());
    EXPECT_TRUE(TimeShows(""));
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

}  // namespace
