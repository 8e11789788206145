// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QClipboard>

#include "tests/support/qt/main_window_fixture.h"

namespace {

class TypingTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadGerman();  // the Answer box takes input only while cards are left
    }
};

TEST_F(TypingTest, CombinationsBecomeTheAccentedLetterWithTheCaretBehindIt) {
    AnswerBox()->setText("Mller");
    AnswerBox()->setCursorPosition(1);
    QTest::keyClicks(AnswerBox(), "u:");
    EXPECT_EQ(AnswerBox()->text(), "Müller");
    EXPECT_EQ(AnswerBox()->cursorPosition(), 2);

    AnswerBox()->clear();
    QApplication::clipboard()->setText("Gru:s:e");
    AnswerBox()->paste();
    EXPECT_EQ(AnswerBox()->text(), "Grüße");
    EXPECT_EQ(AnswerBox()->cursorPosition(), 5);

    // Line breaks of a pasted line are dropped, and combinations then form as usual.
    AnswerBox()->clear();
    QApplication::clipboard()->setText("Madchen\r\n");
    AnswerBox()->paste();
    EXPECT_EQ(AnswerBox()->text(), "Madchen");
    AnswerBox()->setCursorPosition(2);
    QTest::keyClicks(AnswerBox(), ":");
    EXPECT_EQ(AnswerBox()->text(), "Mädchen");
    EXPECT_EQ(AnswerBox()->cursorPosition(), 2);

    // A bar after e gives é, after other letters a slash.
    AnswerBox()->clear();
    QTest::keyClicks(AnswerBox(), "e|t");
    EXPECT_EQ(AnswerBox()->text(), "ét");
    AnswerBox()->clear();
    QTest::keyClicks(AnswerBox(), "x|");
    EXPECT_EQ(AnswerBox()->text(), "x/");
}

TEST_F(TypingTest, CombinationFormedAtTheStartLeavesTheCaretAtTheStart) {
    QTest::keyClicks(AnswerBox(), "X:bc");
    AnswerBox()->setCursorPosition(1);
    QTest::keyClicks(AnswerBox(), "a");
    ASSERT_EQ(AnswerBox()->text(), "Xa:bc");  // the caret stood between a and the colon
    AnswerBox()->setCursorPosition(0);
    QTest::keyClick(AnswerBox(), Qt::Key_Delete);
    EXPECT_EQ(AnswerBox()->text(), "äbc");
    EXPECT_EQ(AnswerBox()->cursorPosition(), 0);
}

using NextTest = TypingTest;

TEST_F(NextTest, ShiftOrCtrlOnlyGivesTheFocusBack) {
    QTest::keyClicks(AnswerBox(), "eins");
    QTest::keyClick(AnswerBox(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(AnswerBox(), Qt::Key_Return, Qt::ControlModifier);
    QTest::mouseClick(Button(kIdNext), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(CuesLeft(), "3");
    EXPECT_EQ(AnswerBox()->text(), "eins");
    EXPECT_EQ(Focused(), AnswerBox());
    QTest::mouseMove(Button(kIdNext));  // lets go of Ctrl for the tests that follow
}

TEST_F(NextTest, EnterSubmitsOnlyAnAnswerThatIsMoreThanAPunctuationMark) {
    cMessageBoxAnswerer answerer(QMessageBox::Ok);
    QTest::keyClick(AnswerBox(), Qt::Key_Return);
    QTest::keyClicks(AnswerBox(), ".");
    EXPECT_FALSE(Button(kIdNext)->isEnabled());
    QTest::keyClick(AnswerBox(), Qt::Key_Return);
    EXPECT_FALSE(answerer.shown);
    EXPECT_EQ(CuesLeft(), "3");

    AnswerBox()->clear();
    QTest::keyClicks(AnswerBox(), "eins");
    EXPECT_TRUE(Button(kIdNext)->isEnabled());
    QTest::keyClick(AnswerBox(), Qt::Key_Return);
    EXPECT_NE(Cue(), "one");
    EXPECT_EQ(CuesLeft(), "2");
    EXPECT_EQ(AnswerBox()->text(), "");
    EXPECT_FALSE(Button(kIdNext)->isEnabled());
}

TEST_F(NextTest, WrongAnswerShowsTheCorrectOneBehindTheMessage) {
    AnswerRight();  // starts the clock
    const QString cue = Cue();
    const QString answer = RightAnswer();
    QTest::keyClicks(AnswerBox(), "falsch");
    cMessageBoxAnswerer answerer(QMessageBox::Ok, [&] {
        EXPECT_EQ(Cue(), cue + " = " + answer);  // the correct answer behind the message
        EXPECT_EQ(AnswerBox()->text(), "falsch");
        ticks.Advance(7000);
        EXPECT_TRUE(ClockTimer()->isActive());  // the clock runs on behind the message
        EXPECT_EQ(TimeAfterATick(), "00 : 07");
    });
    QTest::keyClick(AnswerBox(), Qt::Key_Return);
    ASSERT_TRUE(answerer.shown);
    EXPECT_EQ(answerer.text, Translated(eUiText::WrongAnswer));
    EXPECT_EQ(answerer.icon, QMessageBox::Critical);
    EXPECT_EQ(Cue(), cue);
    EXPECT_EQ(AnswerBox()->text(), "");
    EXPECT_EQ(CuesLeft(), "4");  // the card comes twice more
    EXPECT_EQ(Focused(), AnswerBox());
}

// The clock ticks ten times a second but the Time box shows whole seconds: a tick that
// changes nothing on screen must paint nothing, or an idle window keeps the processor busy.
TEST_F(NextTest, ClockTickThatChangesNothingPaintsNothing) {
    struct cPaintCounter : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
        int paints = 0;
    } counter;
    AnswerRight();  // starts the clock
    ticks.Advance(2000);
    EXPECT_EQ(TimeAfterATick(), "00 : 02");
    QApplication::processEvents();
    AnswerBox()->clearFocus();  // no blinking text cursor
    QApplication::processEvents();
    qApp->installEventFilter(&counter);
    ticks.Advance(400);
    EXPECT_EQ(TimeAfterATick(), "00 : 02");
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    ticks.Advance(600);
    EXPECT_EQ(TimeAfterATick(), "00 : 03");
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0);  // the counter does see a change
    qApp->removeEventFilter(&counter);
}

TEST_F(NextTest, FinishedPassFreezesTheTimeAndLocksTheAnswerBox) {
    AnswerRight();  // the first right answer starts the clock
    ticks.Advance(30000);
    AnswerRight();
    ticks.Advance(35000);
    AnswerRight();
    ticks.Advance(10000);
    EXPECT_EQ(TimeAfterATick(), "01 : 05");
    EXPECT_EQ(Edit(kIdFastest)->text(), "01 : 05");
    EXPECT_EQ(Progress(), 100);
    EXPECT_TRUE(AnswerBox()->isReadOnly());
    QTest::keyClicks(AnswerBox(), "x");
    EXPECT_EQ(AnswerBox()->text(), "");
    EXPECT_FALSE(Button(kIdNext)->isEnabled());
}

}  // namespace
