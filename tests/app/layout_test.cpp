// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <climits>

#include "tests/support/qt/main_window_fixture.h"

namespace {

constexpr int kButtonIds[] = {kIdClear, kIdRestart, kIdLoad, kIdNext, kIdIgnore, kIdClose};

class LayoutTest : public MainWindowTest {
protected:
    // Resizes the window so the form gets the given size, and waits until it has.
    void ResizeForm(QSize formSize) {
        frame->resize(frame->size() + formSize - form->size());
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->size() == formSize; }, 2000))
            << form->width() << " x " << form->height();
    }
};

TEST_F(LayoutTest, TooShortAWindowHidesTheButtonsUntilItGrowsAgain) {
    const QSize normal = form->size();
    const int tight = FileList()->y() + Button(kIdClose)->height() + 10;
    ResizeForm({normal.width(), tight - 1});
    for (int id : kButtonIds) {
        EXPECT_TRUE(Button(id)->isHidden()) << id;
    }
    EXPECT_EQ(FileList()->height(), 0);

    ResizeForm({normal.width(), tight});
    for (int id : kButtonIds) {
        EXPECT_TRUE(Button(id)->isVisible()) << id;
    }
    ResizeForm(normal);
    EXPECT_GT(FileList()->height(), 0);
}

// A 1280x800 screen, less a title bar, holds every layout whole, in either language.
TEST_F(MainWindowTest, EveryLayoutFitsA1280By800Screen) {
    for (int layout = 0; layout < 6; ++layout) {
        frame.reset();
        SetThreadLocale(layout < 3 ? 1033 : 1041);
        runState.CurrentFontIndex = layout % 3;
        frame = cMainFrame::Create(*doc, profile, runState);
        ASSERT_NE(frame, nullptr);
        const QSize wanted = frame->sizeHint();
        EXPECT_LE(wanted.width(), 1280) << "layout " << layout;
        EXPECT_LE(wanted.height(), 800 - 40) << "layout " << layout;
        // At that size no control reaches past the form's edge.
        cMainForm* shown = frame->GetForm();
        for (int id = kIdClose; id <= kIdFastest; ++id) {
            const QRect control = shown->GetControl(id)->geometry();
            EXPECT_LE(control.right(), shown->sizeHint().width()) << id << " in layout " << layout;
        }
    }
}

// Screen readers need a name for every control: its own, or a button's text.
TEST_F(LayoutTest, EveryControlOfEveryLayoutHasAName) {
    for (int layout = 0; layout < 6; ++layout) {
        SetThreadLocale(layout < 3 ? 1033 : 1041);
        const std::unique_ptr<cMainForm> form = cMainForm::Create(*doc, layout % 3);
        ASSERT_NE(form, nullptr);
        for (int id = kIdClose; id <= kIdFastest; ++id) {
            QWidget* control = form->GetControl(id);
            ASSERT_NE(control, nullptr) << id;
            auto* button = qobject_cast<QPushButton*>(control);
            const QString name = button != nullptr ? button->text() : control->accessibleName();
            EXPECT_FALSE(name.isEmpty()) << "control " << id << " in layout " << layout;
        }
    }
    // Stored fonts without a layout build no form.
    for (const int index : {3, -1, INT_MAX, INT_MIN}) {
        EXPECT_EQ(cMainForm::Create(*doc, index), nullptr) << index;
    }
}

}  // namespace
