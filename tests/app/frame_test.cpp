// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/view.h"
#include "tests/support/qt/main_window_fixture.h"

namespace {

using FontChangeTest = MainWindowTest;

TEST_F(FontChangeTest, RestartQuestionNoChangesNothingYesStoresTheFontAndClosesTheWindow) {
    {
        cMessageBoxAnswerer answerer(QMessageBox::No);
        frame->FindAction(kIdFontFirst + 1)->trigger();
        ASSERT_TRUE(answerer.shown);
        EXPECT_EQ(answerer.text, Translated(eUiText::RestartQuestion));
        EXPECT_EQ(answerer.icon, QMessageBox::Question);
    }
    EXPECT_EQ(runState.CurrentFontIndex, 0);
    EXPECT_EQ(profile.GetValueCount(), 0);
    EXPECT_FALSE(runState.RestartRequested);
    EXPECT_TRUE(frame->FindAction(kIdFontFirst)->isChecked());
    EXPECT_FALSE(frame->FindAction(kIdFontFirst + 1)->isChecked());
    QCoreApplication::processEvents();  // a close would have been posted
    ASSERT_TRUE(frame->isVisible());

    cMessageBoxAnswerer answerer(QMessageBox::Yes);
    frame->FindAction(kIdFontFirst + 1)->trigger();
    ASSERT_TRUE(answerer.shown);
    EXPECT_EQ(profile.GetProfileInt(u"", u"Font", 99), 1u);
    EXPECT_EQ(runState.CurrentFontIndex, 1);
    EXPECT_TRUE(runState.RestartRequested);
    EXPECT_TRUE(frame->isVisible());  // until the handler has returned
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(FontChangeTest, TheMarkedFontAsksNothing) {
    cMessageBoxAnswerer answerer(QMessageBox::Yes);
    frame->FindAction(kIdFontFirst)->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(answerer.shown);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(profile.GetValueCount(), 0);
}

TEST_F(MainWindowTest, ViewRemovedByAnotherDuringARefreshIsNotCalled) {
    struct cRecordingView : cView {
        void OnUpdate(cView*, long) override {
            ++updates;
            if (removeOnUpdate != nullptr) {
                owner->RemoveView(removeOnUpdate);
            }
        }
        cMainDoc* owner = nullptr;
        cView* removeOnUpdate = nullptr;
        int updates = 0;
    } first, second;
    first.owner = doc.get();
    first.removeOnUpdate = &second;
    doc->AddView(&first);
    doc->AddView(&second);
    doc->Restart();
    EXPECT_EQ(first.updates, 1);
    EXPECT_EQ(second.updates, 0);
    doc->RemoveView(&first);
}

TEST_F(MainWindowTest, CloseButtonClosesTheWindowOnceItsHandlerHasReturned) {
    Button(kIdClose)->click();
    EXPECT_TRUE(frame->isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(runState.RestartRequested);
}

TEST_F(MainWindowTest, WindowIconComesInTheThemeSizesFromTheProgramArtwork) {
    const QIcon icon = frame->windowIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
    // The large rendering is the program's artwork, not the list bitmap scaled up: its
    // heading band is blue.
    const QImage large = icon.pixmap(QSize(256, 256)).toImage();
    const QColor band = large.pixelColor(128, 60);
    EXPECT_GT(band.blue(), 150);
    EXPECT_LT(band.red(), 100);
}

}  // namespace
