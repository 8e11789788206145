// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <climits>

#include "tests/support/qt/main_window_fixture.h"

namespace {

constexpr int kButtonIds[] = {kIdClear, kIdRestart, kIdLoad, kIdNext, kIdIgnore, kIdClose};

using LayoutTest = MainWindowTest;

// A 1280x800 screen, less a title bar, holds every layout whole, in either language; at
// that size no control reaches past the form's edge.
TEST_F(LayoutTest, EveryLayoutFitsA1280By800Screen) {
    for (int layout = 0; layout < 6; ++layout) {
        runState.CurrentFontIndex = layout % 3;
        Rebuild(layout < 3 ? kLocaleEnglishUs : kLocaleJapanese);
        EXPECT_LE(frame->sizeHint().width(), 1280) << "layout " << layout;
        EXPECT_LE(frame->sizeHint().height(), 800 - 40) << "layout " << layout;
        for (int id = kIdClose; id <= kIdFastest; ++id) {
            const QRect control = form->GetControl(id)->geometry();
            EXPECT_LE(control.right(), form->sizeHint().width()) << id << " in layout " << layout;
        }
    }
    // Stored fonts without a layout build no form.
    for (const int index : {3, -1, INT_MAX, INT_MIN}) {
        EXPECT_EQ(cMainForm::Create(*doc, index), nullptr) << index;
    }
}

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
