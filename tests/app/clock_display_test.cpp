// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The Time box's clock wakes only when the shown "MM : SS" can change, and shows every
// change the document makes at once.
#include <QGuiApplication>
#include <QStyleHints>

#include "tests/support/qt/main_window_fixture.h"

namespace {

class ClockDisplayTest : public LoadedWindowTest {
protected:
    // The wait until the clock wakes next; -1 while it sleeps until the document changes.
    int NextWakeMs() const { return ClockTimer()->isActive() ? ClockTimer()->interval() : -1; }
};

TEST_F(ClockDisplayTest, WakesAtEachChangeOfTheShownTimeAndOnlyThen) {
    AnswerRight();  // at 0 ms; a coarse timer may come late
    EXPECT_EQ(std::pair(NextWakeMs(), ClockTimer()->timerType()), std::pair(1, Qt::PreciseTimer));

    // Time to advance, the time shown then, the wait until the next wake-up.
    const std::tuple<uint32_t, const char*, int> wakes[] = {
        {1, "00 : 00", 999},       // the clock's first visible change
        {999, "00 : 01", 1000},    // then every whole second
        {1250, "00 : 02", 750},    // a late wake-up keeps to the boundaries
        {300, "00 : 02", 450},     // an early one changes nothing and waits for the rest
        {57450, "01 : 00", 1000},  // minutes
    };
    for (const auto& [advanceMs, shown, nextWakeMs] : wakes) {
        SCOPED_TRACE(shown);
        ticks.Advance(advanceMs);
        EXPECT_EQ((std::pair{TimeAfterATick(), NextWakeMs()}),
                  std::pair(QString(shown), nextWakeMs));
    }
}

TEST_F(ClockDisplayTest, WhatTheDocumentChangesShowsAtOnce) {
    Button(kIdIgnore)->click();  // starts the clock with a penalty
    ticks.Advance(2600);
    EXPECT_EQ(TimeAfterATick(), "00 : 32");
    Button(kIdIgnore)->click();
    EXPECT_EQ(Text(kIdTime), "01 : 02");  // no wait for the next wake-up
}

// After ten seconds without input the caret stops blinking (it stays drawn), so an idle
// window stops repainting; a key or a click makes it blink again, and rest again after the
// next quiet spell; closing leaves the desktop's setting.
TEST_F(ClockDisplayTest, CaretRestsWhileNobodyTypesAndBlinksAgainOnInput) {
    QStyleHints* hints = QGuiApplication::styleHints();
    const int blinkMs = hints->cursorFlashTime();
    ASSERT_NE(blinkMs, 0);
    auto* rest = frame->findChild<QTimer*>(QStringLiteral("CaretRestTimer"));
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(rest->interval(), 10000);
    const std::pair<const char*, std::function<void()>> inputs[] = {
        {"Key", [&] { QTest::keyClick(AnswerBox(), Qt::Key_V); }},
        {"Click", [&] { QTest::mouseClick(AnswerBox(), Qt::LeftButton); }}};
    for (const auto& [name, input] : inputs) {
        SCOPED_TRACE(name);
        rest->stop();  // as when it fires
        QMetaObject::invokeMethod(rest, "timeout");
        EXPECT_EQ(hints->cursorFlashTime(), 0);
        input();
        EXPECT_EQ(std::pair(hints->cursorFlashTime(), rest->isActive()), std::pair(blinkMs, true));
    }
    QMetaObject::invokeMethod(rest, "timeout");
    frame.reset();
    EXPECT_EQ(hints->cursorFlashTime(), blinkMs);
}

}  // namespace
