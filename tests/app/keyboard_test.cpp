// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QMenuBar>

#include "tests/support/qt/main_window_fixture.h"

namespace {

class KeyboardTest : public MainWindowTest {
protected:
    // Shortcuts reach only the active window.
    void SetUp() override {
        MainWindowTest::SetUp();
        Activate();
    }
    void Activate() {
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    // A key as the user sends it to the widget that has the focus.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = Focused() != nullptr ? Focused() : form;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    bool MenuOpen() const { return QApplication::activePopupWidget() != nullptr; }
    void LoadWithLanguage(uint32_t locale) {
        frame.reset();
        SetThreadLocale(locale);
        frame = cMainFrame::Create(*doc, profile, runState);
        form = frame->GetForm();
        doc->SetFilePicker(&picker);
        Activate();
    }
};

TEST_F(KeyboardTest, FormAccessKeysWinOverTheMenuBarInBothLanguages) {
    for (const uint32_t locale : {kLocaleEnglishUs, kLocaleJapanese}) {
        LoadWithLanguage(locale);
        doc->Clear();
        picker.chosen = {files.Write("german.recallix", "one = eins\ntwo = zwei\n")};
        Press(Qt::Key_L, Qt::AltModifier);  // Load, not the Language menu
        EXPECT_FALSE(MenuOpen()) << locale;
        EXPECT_EQ(Edit(kIdTotalCues)->text(), "2") << locale;

        QTest::keyClicks(AnswerBox(), RightAnswer());
        Press(Qt::Key_N, Qt::AltModifier);
        EXPECT_EQ(CuesLeft(), "1") << locale;
        Press(Qt::Key_I, Qt::AltModifier);
        EXPECT_EQ(CuesLeft(), "0") << locale;
        Press(Qt::Key_R, Qt::AltModifier);
        EXPECT_EQ(CuesLeft(), "2") << locale;
        EXPECT_EQ(Focused(), AnswerBox());
    }
}

TEST_F(KeyboardTest, SharedAccessKeyOnlyMovesTheFocusAndNextWaitsForAnAnswer) {
    LoadGerman();
    Press(Qt::Key_C, Qt::AltModifier);  // Clear and Close share C
    QCoreApplication::processEvents();
    EXPECT_TRUE(Focused() == Button(kIdClear) || Focused() == Button(kIdClose));
    Press(Qt::Key_C, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "3");
    EXPECT_TRUE(frame->isVisible());

    AnswerBox()->setFocus();
    Press(Qt::Key_N, Qt::AltModifier);  // Next is disabled: nothing, and nothing typed
    EXPECT_EQ(AnswerBox()->text(), "");
    EXPECT_EQ(CuesLeft(), "3");
}

TEST_F(KeyboardTest, EnterPressesTheFocusedButtonElseNext) {
    picker.chosen = {files.Write("german.recallix", "one = eins\ntwo = zwei\n")};
    Button(kIdLoad)->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "2");

    // From a read-only box, with keypad Enter: Next, while it is enabled.
    QTest::keyClicks(AnswerBox(), RightAnswer());
    Edit(kIdTime)->setFocus();
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(CuesLeft(), "1");

    // Shift+Enter and Ctrl+Enter in the Answer box keep the answer.
    QTest::keyClicks(AnswerBox(), RightAnswer());
    for (const auto modifier : {Qt::ShiftModifier, Qt::ControlModifier}) {
        QTest::keyClick(AnswerBox(), Qt::Key_Return, modifier);
        EXPECT_EQ(CuesLeft(), "1");
        EXPECT_EQ(AnswerBox()->text(), RightAnswer());
    }
    Button(kIdRestart)->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(CuesLeft(), "2");
}

TEST_F(KeyboardTest, StandardShortcutsAreShownAndLeaveTypingAlone) {
    EXPECT_EQ(frame->FindAction(kIdLoad)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(frame->FindAction(kIdExit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(frame->FindAction(kIdAccents)->shortcut(), QKeySequence(Qt::Key_F1));

    picker.chosen = {files.Write("german.recallix", "Ma:dchen = girl\n")};
    Press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "1");
    QTest::keyClicks(AnswerBox(), "a:");
    EXPECT_EQ(AnswerBox()->text(), "ä");
    {
        cMessageBoxAnswerer answerer(QMessageBox::Ok);
        Press(Qt::Key_F1);
        EXPECT_TRUE(answerer.shown);
        EXPECT_TRUE(answerer.text.contains("ä")) << answerer.text.toStdString();
    }
    Activate();  // the box has closed
    Press(Qt::Key_Q, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(KeyboardTest, TabVisitsEveryItemInTheLayoutsOrder) {
    const int order[] = {kIdCue,  kIdAnswer, kIdTotalCues, kIdCuesLeft, kIdClear, kIdRestart,
                         kIdLoad, kIdIgnore, kIdClose,     kIdFileList, kIdTime,  kIdFastest};
    LoadGerman();  // Next is enabled once an answer is typed; here it is skipped
    Edit(kIdCue)->setFocus();
    for (size_t i = 1; i < std::size(order); ++i) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(Focused(), form->GetControl(order[i])) << "step " << i;
    }
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), Edit(kIdCue));
}

}  // namespace
