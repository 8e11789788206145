// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "tests/support/qt/main_window_fixture.h"

namespace {

constexpr int kButtonIds[] = {kIdClear, kIdRestart, kIdLoad, kIdNext, kIdIgnore, kIdClose};

using LayoutTest = MainWindowTest;

TEST_F(LayoutTest, TooShortAWindowHidesTheButtonsUntilItGrowsAgain) {
    const QSize normal = form->size();
    const auto resizeForm = [&](int height) {
        frame->resize(frame->size() + QSize(normal.width(), height) - form->size());
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->height() == height; }, 2000));
    };
    const int tight = FileList()->y() + Button(kIdClose)->height() + 10;
    for (const int height : {tight - 1, tight}) {
        resizeForm(height);
        for (int id : kButtonIds) {
            EXPECT_EQ(Button(id)->isVisible(), height == tight) << id;
        }
    }
    resizeForm(tight - 1);
    EXPECT_EQ(FileList()->height(), 0);
    resizeForm(normal.height());
    EXPECT_GT(FileList()->height(), 0);
    for (int id : kButtonIds) {
        for (int other : kButtonIds) {
            EXPECT_TRUE(id == other ||
                        !Button(id)->geometry().intersects(Button(other)->geometry()))
                << id << " overlaps " << other;
        }
    }
}

}  // namespace
