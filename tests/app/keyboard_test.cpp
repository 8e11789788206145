// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "tests/support/qt/main_window_fixture.h"

namespace {

class KeyboardTest : public MainWindowTest {
protected:
    // A key as the user sends it to the widget that has the focus.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_F(KeyboardTest, FormAccessKeysWinOverTheMenuBarInBothLanguages) {
    for (const uint32_t locale : {kLocaleEnglishUs, kLocaleJapanese}) {
        Rebuild(locale);
        doc->Clear();
        picker.chosen = {files.Write("german.recallix", "one = eins\ntwo = zwei\n")};
        Press(Qt::Key_L, Qt::AltModifier);  // Load, not the Language menu
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << locale;
        EXPECT_EQ(Edit(kIdTotalCues)->text(), "2") << locale;

        Press(Qt::Key_N, Qt::AltModifier);  // Next is disabled: nothing, and nothing typed
        EXPECT_EQ(CuesLeft(), "2") << locale;
        QTest::keyClicks(AnswerBox(), RightAnswer());
        Press(Qt::Key_N, Qt::AltModifier);
        EXPECT_EQ(CuesLeft(), "1") << locale;
        Press(Qt::Key_I, Qt::AltModifier);
        EXPECT_EQ(CuesLeft(), "0") << locale;
        Press(Qt::Key_R, Qt::AltModifier);
        EXPECT_EQ(CuesLeft(), "2") << locale;
    }
    // Clear and Close share C: each press only moves the focus between them.
    for (int press = 0; press < 2; ++press) {
        Press(Qt::Key_C, Qt::AltModifier);
        QCoreApplication::processEvents();
        EXPECT_TRUE(Focused() == Button(kIdClear) || Focused() == Button(kIdClose));
    }
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "2");
    EXPECT_TRUE(frame->isVisible());
}

// Enter presses the focused button, else Next while an answer (more than a punctuation mark)
// is typed; with Shift or Ctrl it only gives the focus back, so a slip cannot submit.
TEST_F(KeyboardTest, EnterPressesTheFocusedButtonElseNext) {
    picker.chosen = {files.Write("german.recallix", "one = eins\ntwo = zwei\n")};
    Button(kIdLoad)->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "2");

    QTest::keyClicks(AnswerBox(), ".");
    Press(Qt::Key_Return);
    EXPECT_EQ(CuesLeft(), "2");
    AnswerBox()->clear();
    QTest::keyClicks(AnswerBox(), RightAnswer());
    for (const auto modifier : {Qt::ShiftModifier, Qt::ControlModifier}) {
        Press(Qt::Key_Return, modifier);
        EXPECT_EQ(CuesLeft(), "2");
    }
    Edit(kIdTime)->setFocus();  // from a read-only box, with the keypad's Enter
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(CuesLeft(), "1");
}

TEST_F(KeyboardTest, StandardShortcutsLoadHelpAndQuit) {
    picker.chosen = {files.Write("german.recallix", "Ma:dchen = girl\n")};
    Press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "1");
    {
        cMessageBoxAnswerer answerer(QMessageBox::Ok);
        Button(kIdLoad)->setFocus();
        Press(Qt::Key_F1);
        ASSERT_TRUE(answerer.shown);
    }
    EXPECT_EQ(Focused(), AnswerBox());  // the accents help gives the focus back
    Rebuild(kLocaleEnglishUs);          // a window that is active again
    Press(Qt::Key_Q, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(KeyboardTest, TabVisitsEveryItemInTheLayoutsOrder) {
    const int order[] = {kIdCue,  kIdAnswer, kIdTotalCues, kIdCuesLeft, kIdClear, kIdRestart,
                         kIdLoad, kIdIgnore, kIdClose,     kIdFileList, kIdTime,  kIdFastest};
    LoadGerman();  // Next is enabled once an answer is typed; here it is skipped
    Edit(kIdCue)->setFocus();
    for (size_t i = 1; i <= std::size(order); ++i) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(Focused(), form->GetControl(order[i % std::size(order)])) << "step " << i;
    }
}

}  // namespace
