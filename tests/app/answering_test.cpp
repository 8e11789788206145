#include <QClipboard>

#include "tests/app/main_window_fixture.h"

namespace {

class TypingTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadGerman();  // the Answer box takes input only while cards are left
    }
};

TEST_F(TypingTest, CombinationBecomesTheAccentedLetterWithTheCaretBehindIt) {
    QTest::keyClicks(AnswerBox(), "a:");
    EXPECT_EQ(AnswerBox()->text(), "ä");
    EXPECT_EQ(AnswerBox()->cursorPosition(), 1);
}

TEST_F(TypingTest, CombinationTypedInsideTheTextKeepsTheCaretBehindTheNewLetter) {
    QTest::keyClicks(AnswerBox(), "Mller");
    AnswerBox()->setCursorPosition(1);
    QTest::keyClicks(AnswerBox(), "u:");
    EXPECT_EQ(AnswerBox()->text(), "Müller");
    EXPECT_EQ(AnswerBox()->cursorPosition(), 2);
}

TEST_F(TypingTest, PastedCombinationsAreAllReplaced) {
    QApplication::clipboard()->setText("Gru:s:e");
    AnswerBox()->paste();
    EXPECT_EQ(AnswerBox()->text(), "Grüße");
    EXPECT_EQ(AnswerBox()->cursorPosition(), 5);
}

TEST_F(TypingTest, BarAfterEGivesEAcuteAndAfterOtherLettersASlash) {
    QTest::keyClicks(AnswerBox(), "e|");
    EXPECT_EQ(AnswerBox()->text(), "é");
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

class NextTest : public TypingTest {};

TEST_F(NextTest, EnterWithTheRightAnswerShowsAnotherCue) {
    QTest::keyClicks(AnswerBox(), "eins");
    EXPECT_TRUE(Button(kIdNext)->isEnabled());
    QTest::keyClick(AnswerBox(), Qt::Key_Return);
    EXPECT_NE(Cue(), "one");
    EXPECT_FALSE(Cue().isEmpty());
    EXPECT_EQ(CuesLeft(), "2");
    EXPECT_EQ(AnswerBox()->text(), "");
    EXPECT_FALSE(Button(kIdNext)->isEnabled());
}

TEST_F(NextTest, ShiftOrCtrlOnlyGivesTheFocusBack) {
    QTest::keyClicks(AnswerBox(), "eins");
    QTest::keyClick(AnswerBox(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(AnswerBox(), Qt::Key_Return, Qt::ControlModifier);
    QTest::mouseClick(Button(kIdNext), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Cue(), "one");
    EXPECT_EQ(CuesLeft(), "3");
    EXPECT_EQ(AnswerBox()->text(), "eins");
    EXPECT_EQ(Focused(), AnswerBox());
    QTest::mouseMove(Button(kIdNext));  // lets go of Ctrl for the tests that follow
}

TEST_F(NextTest, NothingIsSubmittedForAnEmptyBoxOrAPunctuationMarkAlone) {
    cMessageBoxAnswerer answerer(QMessageBox::Ok);
    EXPECT_FALSE(Button(kIdNext)->isEnabled());
    QTest::keyClick(AnswerBox(), Qt::Key_Return);
    QTest::keyClicks(AnswerBox(), ".");
    EXPECT_FALSE(Button(kIdNext)->isEnabled());
    QTest::keyClick(AnswerBox(), Qt::Key_Return);
    EXPECT_FALSE(answerer.WasShown());
    EXPECT_EQ(AnswerBox()->text(), ".");
    EXPECT_EQ(CuesLeft(), "3");
}

TEST_F(NextTest, WrongAnswerShowsTheCorrectOneBehindTheMessage) {
    AnswerRight();  // starts the clock
    const QString cue = Cue();
    QTest::keyClicks(AnswerBox(), "falsch");
    QString cueWhileOpen;
    QString answerWhileOpen;
    QString timeWhileOpen;
    cMessageBoxAnswerer answerer(QMessageBox::Ok, [&] {
        cueWhileOpen = Cue();
        answerWhileOpen = AnswerBox()->text();
        ticks.Advance(7000);
        timeWhileOpen = TimeAfterATick();
    });
    QTest::keyClick(AnswerBox(), Qt::Key_Return);
    ASSERT_TRUE(answerer.WasShown());
    EXPECT_EQ(answerer.text, Translated(40010));
    EXPECT_EQ(answerer.icon, QMessageBox::Critical);
    EXPECT_EQ(cueWhileOpen, cue + " = " + answers.at(cue));
    EXPECT_EQ(answerWhileOpen, "falsch");
    EXPECT_EQ(timeWhileOpen, "00 : 07");  // the clock runs on behind the message
    EXPECT_EQ(Cue(), cue);
    EXPECT_EQ(AnswerBox()->text(), "");
    EXPECT_EQ(CuesLeft(), "4");  // the card comes twice more
    EXPECT_EQ(Focused(), AnswerBox());
}

TEST_F(NextTest, FinishedPassFreezesTheTimeAndLocksTheAnswerBox) {
    AnswerRight();  // the first right answer starts the clock
    ticks.Advance(30000);
    EXPECT_EQ(TimeAfterATick(), "00 : 30");
    AnswerRight();
    ticks.Advance(35000);
    AnswerRight();
    EXPECT_EQ(TimeAfterATick(), "01 : 05");
    ticks.Advance(10000);
    EXPECT_EQ(TimeAfterATick(), "01 : 05");
    EXPECT_EQ(Edit(kIdFastest)->text(), "01 : 05");
    EXPECT_EQ(CuesLeft(), "0");
    EXPECT_EQ(Progress(), 100);
    EXPECT_EQ(AnswerBox()->text(), "");
    EXPECT_TRUE(AnswerBox()->isReadOnly());
    QTest::keyClicks(AnswerBox(), "x");
    EXPECT_EQ(AnswerBox()->text(), "");
    EXPECT_FALSE(Button(kIdNext)->isEnabled());
}

}  // namespace
