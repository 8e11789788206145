// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QClipboard>
#include <QLabel>

#include "tests/support/qt/main_window_fixture.h"

namespace {

using AnsweringTest = LoadedWindowTest;  // the Answer box takes input only while cards are left

TEST_F(AnsweringTest, CombinationsBecomeTheAccentedLetterWithTheCaretBehindIt) {
    AnswerBox()->setText("Mller");
    AnswerBox()->setCursorPosition(1);
    QTest::keyClicks(AnswerBox(), "u:");
    EXPECT_EQ(std::pair(AnswerBox()->text(), AnswerBox()->cursorPosition()),
              std::pair(QString("Müller"), 2));

    // Line breaks of a pasted line are dropped, and combinations then form as usual.
    AnswerBox()->clear();
    QApplication::clipboard()->setText("Gru:s:e\r\n");
    AnswerBox()->paste();
    EXPECT_EQ(AnswerBox()->text(), "Grüße");
}

// A screen reader cannot see the Cue box behind the message: it hears the correct answer
// as the description of the box and of its text.
TEST_F(AnsweringTest, WrongAnswerShowsTheCorrectOneBehindTheMessage) {
    QTest::keyClicks(AnswerBox(), "falsch");
    const auto showCorrect = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(QStringList({Cue(), Accessible(box, QAccessible::Description),
                               Accessible(box->findChild<QLabel*>("qt_msgbox_label"),
                                          QAccessible::Description)}),
                  QStringList({"one = eins", "eins", "eins"}));
    };
    ASSERT_NE(BoxSaidBy([&] { QTest::keyClick(AnswerBox(), Qt::Key_Return); }, QMessageBox::Ok,
                        showCorrect),
              "");
    EXPECT_EQ(Cue(), "one");
}

TEST_F(AnsweringTest, FinishedPassStopsTheClockAndLocksTheAnswerBox) {
    for (const int ms : {30000, 35000, 10000}) {
        AnswerRight();                       // the first right answer starts the clock
        EXPECT_EQ(AnswerBox()->text(), "");  // empty for the next card
        ticks.Advance(ms);
    }
    // Nothing changes any more.
    EXPECT_EQ(std::pair(ClockTimer()->isActive(), AnswerBox()->isReadOnly()),
              std::pair(false, true));
}

}  // namespace
