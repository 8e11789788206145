// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The Time box's clock wakes only when the shown "MM : SS" can change, and shows every
// change the document makes at once.
#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>

#include "tests/support/qt/main_window_fixture.h"

namespace {

class ClockDisplayTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadGerman();
    }
    QString Time() const { return Edit(kIdTime)->text(); }
    // The wait until the clock wakes next; -1 while it sleeps until the document changes.
    int NextWakeMs() const { return ClockTimer()->isActive() ? ClockTimer()->interval() : -1; }
};

TEST_F(ClockDisplayTest, WakesAtEachChangeOfTheShownTimeAndOnlyThen) {
    EXPECT_EQ(Time(), "");
    EXPECT_EQ(NextWakeMs(), -1);  // not started: nothing to show until the first answer
    AnswerRight();
    EXPECT_EQ(Time(), "");  // 0 ms
    EXPECT_EQ(NextWakeMs(), 1);
    EXPECT_TRUE(ClockTimer()->isSingleShot());
    EXPECT_EQ(ClockTimer()->timerType(), Qt::PreciseTimer);  // a coarse one may come late

    const struct {
        uint32_t advanceMs;
        const char* shown;
        int nextWakeMs;
    } wakes[] = {
        {1, "00 : 00", 999},       // the clock's first visible change
        {999, "00 : 01", 1000},    // then every whole second
        {1000, "00 : 02", 1000},   //
        {1250, "00 : 03", 750},    // a late wake-up keeps to the boundaries
        {300, "00 : 03", 450},     // an early one changes nothing and waits for the rest
        {56450, "01 : 00", 1000},  // minutes
    };
    for (const auto& wake : wakes) {
        SCOPED_TRACE(wake.shown);
        ticks.Advance(wake.advanceMs);
        EXPECT_EQ(TimeAfterATick(), wake.shown);
        EXPECT_EQ(NextWakeMs(), wake.nextWakeMs);
    }
}

TEST_F(ClockDisplayTest, WhatTheDocumentChangesShowsAtOnce) {
    Button(kIdIgnore)->click();  // starts the clock with a penalty
    EXPECT_EQ(Time(), "00 : 30");
    EXPECT_EQ(NextWakeMs(), 1000);
    ticks.Advance(2600);
    EXPECT_EQ(TimeAfterATick(), "00 : 32");
    Button(kIdIgnore)->click();
    EXPECT_EQ(Time(), "01 : 02");  // no wait for the next wake-up
    EXPECT_EQ(NextWakeMs(), 400);

    ticks.Advance(1500);  // the clock has not woken: the box still shows 01 : 02
    LoadFile("more.recallix", "four = vier\r\n");
    EXPECT_EQ(Time(), "01 : 04");  // carried over into the larger working set
    EXPECT_EQ(NextWakeMs(), 900);
}

TEST_F(ClockDisplayTest, SleepsWhileTheClockStandsAndWakesWithTheNextPass) {
    AnswerRight();
    ticks.Advance(1200);
    AnswerRight();
    ticks.Advance(1000);
    AnswerRight();  // the pass is finished at 2.2 s
    EXPECT_EQ(Time(), "00 : 02");
    EXPECT_EQ(NextWakeMs(), -1);

    ticks.Advance(5000);
    LoadFile("more.recallix", "four = vier\r\n");  // the pass goes on from where it stood
    EXPECT_EQ(Time(), "00 : 02");
    EXPECT_EQ(NextWakeMs(), 800);

    frame->FindAction(kIdRestart)->trigger();
    EXPECT_EQ(Time(), "");
    EXPECT_EQ(NextWakeMs(), -1);
    ticks.Advance(700);
    AnswerRight();
    EXPECT_EQ(NextWakeMs(), 1);

    frame->FindAction(kIdClear)->trigger();
    EXPECT_EQ(Time(), "");
    EXPECT_EQ(NextWakeMs(), -1);
}

// Without input for a while the caret stops blinking (it stays drawn), so an idle window
// stops repainting; any input makes it blink again, and closing leaves the desktop's setting.
TEST_F(ClockDisplayTest, CaretRestsWhileNobodyTypesAndBlinksAgainOnInput) {
    QStyleHints* hints = QGuiApplication::styleHints();
    const int blinkMs = hints->cursorFlashTime();
    ASSERT_NE(blinkMs, 0);
    auto* rest = frame->findChild<QTimer*>(QStringLiteral("CaretRestTimer"));
    ASSERT_NE(rest, nullptr);
    EXPECT_TRUE(rest->isActive());

    QMetaObject::invokeMethod(rest, "timeout");
    EXPECT_EQ(hints->cursorFlashTime(), 0);
    QTest::keyClick(AnswerBox(), Qt::Key_V);
    EXPECT_EQ(hints->cursorFlashTime(), blinkMs);
    EXPECT_EQ(AnswerBox()->text(), "v");  // the input itself goes through
    EXPECT_TRUE(rest->isActive());

    QMetaObject::invokeMethod(rest, "timeout");
    frame.reset();
    EXPECT_EQ(hints->cursorFlashTime(), blinkMs);
}

}  // namespace
