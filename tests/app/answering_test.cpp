// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QClipboard>

#include "tests/support/qt/main_window_fixture.h"

namespace {

class AnsweringTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadGerman();  // the Answer box takes input only while cards are left
    }
};

TEST_F(AnsweringTest, CombinationsBecomeTheAccentedLetterWithTheCaretBehindIt) {
    AnswerBox()->setText("Mller");
    AnswerBox()->setCursorPosition(1);
    QTest::keyClicks(AnswerBox(), "u:");
    EXPECT_EQ(AnswerBox()->text(), "Müller");
    EXPECT_EQ(AnswerBox()->cursorPosition(), 2);

    // Line breaks of a pasted line are dropped, and combinations then form as usual.
    AnswerBox()->clear();
    QApplication::clipboard()->setText("Gru:s:e\r\n");
    AnswerBox()->paste();
    EXPECT_EQ(AnswerBox()->text(), "Grüße");
    EXPECT_EQ(AnswerBox()->cursorPosition(), 5);
}

TEST_F(AnsweringTest, WrongAnswerShowsTheCorrectOneBehindTheMessage) {
    AnswerRight();  // starts the clock
    const QString cue = Cue();
    const QString answer = RightAnswer();
    QTest::keyClicks(AnswerBox(), "falsch");
    cMessageBoxAnswerer answerer(QMessageBox::Ok, [&] {
        EXPECT_EQ(Cue(), cue + " = " + answer);
        EXPECT_EQ(AnswerBox()->text(), "falsch");
        ticks.Advance(7000);
        EXPECT_EQ(TimeAfterATick(), "00 : 07");  // the clock runs on behind the message
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
TEST_F(AnsweringTest, ClockTickThatChangesNothingPaintsNothing) {
    struct cPaintCounter : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
        int paints = 0;
    } counter;
    AnswerRight();  // starts the clock
    ticks.Advance(2000);
    TimeAfterATick();
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

TEST_F(AnsweringTest, FinishedPassFreezesTheTimeAndLocksTheAnswerBox) {
    for (const int ms : {30000, 35000, 10000}) {
        AnswerRight();  // the first right answer starts the clock
        ticks.Advance(ms);
    }
    EXPECT_EQ(TimeAfterATick(), "01 : 05");
    EXPECT_EQ(Edit(kIdFastest)->text(), "01 : 05");
    EXPECT_TRUE(AnswerBox()->isReadOnly());
    QTest::keyClicks(AnswerBox(), "x");
    EXPECT_EQ(AnswerBox()->text(), "");
    EXPECT_FALSE(Button(kIdNext)->isEnabled());
}

}  // namespace
