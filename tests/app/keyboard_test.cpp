// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "tests/support/qt/main_window_fixture.h"

namespace {

class KeyboardTest : public MainWindowTest {
protected:
    // A key as the user sends it to the widget that has the focus; the cards left after it.
    QString Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
        return Text(kIdCuesLeft);
    }
};

TEST_F(KeyboardTest, FormAccessKeysWinOverTheMenuBarInBothLanguages) {
    for (const uint32_t locale : {kLocaleEnglishUs, kLocaleJapanese}) {
        SCOPED_TRACE(locale);
        Rebuild(locale);
        doc->Clear();
        ChooseGerman();
        EXPECT_EQ(Press(Qt::Key_L, Qt::AltModifier), "3");  // Load, not the Language menu
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(Press(Qt::Key_N, Qt::AltModifier), "3");  // Next is disabled: nothing typed
        QTest::keyClicks(AnswerBox(), RightAnswer());
        EXPECT_EQ(Press(Qt::Key_N, Qt::AltModifier), "2");
        EXPECT_EQ(Press(Qt::Key_I, Qt::AltModifier), "1");
        EXPECT_EQ(Press(Qt::Key_R, Qt::AltModifier), "3");
    }
    // Clear and Close share C: each press only moves the focus between them.
    for (int press = 0; press < 2; ++press) {
        Press(Qt::Key_C, Qt::AltModifier);
        QCoreApplication::processEvents();
        EXPECT_TRUE(Focused() == Button(kIdClear) || Focused() == Button(kIdClose));
    }
    EXPECT_EQ(std::pair(Text(kIdTotalCues), frame->isVisible()), std::pair(QString("3"), true));
}

// Enter presses the focused button, else Next while an answer (more than a punctuation mark)
// is typed; with Shift or Ctrl it only gives the focus back, so a slip cannot submit.
TEST_F(KeyboardTest, EnterPressesTheFocusedButtonElseNext) {
    ChooseGerman();
    Button(kIdLoad)->setFocus();
    EXPECT_EQ(Press(Qt::Key_Return), "3");
    QTest::keyClicks(AnswerBox(), ".");
    EXPECT_EQ(Press(Qt::Key_Return), "3");
    AnswerBox()->clear();
    QTest::keyClicks(AnswerBox(), RightAnswer());
    EXPECT_EQ(Press(Qt::Key_Return, Qt::ShiftModifier), "3");
    EXPECT_EQ(Press(Qt::Key_Return, Qt::ControlModifier), "3");
    Edit(kIdTime)->setFocus();  // from a read-only box, with the keypad's Enter
    EXPECT_EQ(Press(Qt::Key_Enter, Qt::KeypadModifier), "2");
}

TEST_F(KeyboardTest, StandardShortcutsLoadHelpAndQuit) {
    ChooseGerman();
    EXPECT_EQ(Press(Qt::Key_O, Qt::ControlModifier), "3");
    Button(kIdLoad)->setFocus();
    ASSERT_NE(BoxSaidBy([&] { Press(Qt::Key_F1); }), "");
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
