// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QAccessible>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "tests/support/qt/main_window_fixture.h"

namespace {

// The name a screen reader reads for an object.
QString Read(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

using AccessibilityTest = MainWindowTest;

// Screen readers need a name for every control: its label's, or a button's text.
TEST_F(AccessibilityTest, EveryControlOfEveryLayoutHasAName) {
    for (int layout = 0; layout < 6; ++layout) {
        SetThreadLocale(layout < 3 ? kLocaleEnglishUs : kLocaleJapanese);
        const std::unique_ptr<cMainForm> form = cMainForm::Create(*doc, layout % 3);
        ASSERT_NE(form, nullptr);
        for (int id = kIdClose; id <= kIdFastest; ++id) {
            QWidget* control = form->GetControl(id);
            ASSERT_NE(control, nullptr) << id;
            EXPECT_FALSE(Read(control).isEmpty()) << "control " << id << " in layout " << layout;
        }
    }
    EXPECT_EQ(Read(Edit(kIdTotalCues)), "Total cues");  // without the label's colon
}

TEST_F(AccessibilityTest, StatusBarReadsTheTextShownInOnePlace) {
    QLabel* status = frame->statusBar()->findChild<QLabel*>("StatusText");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(Read(status), "Ready.");
    LoadGerman();
    EXPECT_EQ(Read(status), Translated(eUiText::LoadSucceeded));

    // A menu prompt, then the idle prompt once the menus are left.
    QStatusTipEvent prompt(frame->FindAction(kIdExit)->statusTip());
    QCoreApplication::sendEvent(frame.get(), &prompt);
    EXPECT_EQ(Read(status), frame->FindAction(kIdExit)->statusTip());
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(frame.get(), &leave);
    EXPECT_EQ(Read(status), "Ready.");
}

}  // namespace
