// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QMenuBar>

#include "app/view.h"
#include "tests/support/qt/main_window_fixture.h"

namespace {

constexpr int kEnglishEntry = kIdLanguageFirst;
constexpr int kJapaneseEntry = kIdLanguageFirst + 1;

class MenuTest : public MainWindowTest {
protected:
    // Opening any menu of the bar builds the language list and sets the marks.
    void OpenFileMenu() { emit frame->menuBar()->actions().first()->menu()->aboutToShow(); }
};

TEST_F(MenuTest, LanguageListIsBuiltOnOpeningAndMarksTheCurrentPrimaryLanguage) {
    EXPECT_EQ(frame->FindAction(kJapaneseEntry), nullptr);
    OpenFileMenu();
    EXPECT_EQ(frame->FindAction(kEnglishEntry)->text(), "English");
    EXPECT_EQ(frame->FindAction(kJapaneseEntry)->text(), "日本語");
    EXPECT_EQ(frame->GetLanguageMenu()->actions().size(), 2);
    for (const uint32_t locale :
         {kLocaleEnglishUs, kLocaleEnglishUk, kLocaleJapanese, kLocaleGerman}) {
        SetThreadLocale(locale);
        OpenFileMenu();
        EXPECT_EQ(frame->FindAction(kEnglishEntry)->isChecked(),
                  locale == kLocaleEnglishUs || locale == kLocaleEnglishUk);
        EXPECT_EQ(frame->FindAction(kJapaneseEntry)->isChecked(), locale == kLocaleJapanese);
    }
}

// Another font or language asks to restart: No changes nothing, Yes stores the choice and
// closes the window once the handler has returned, asking for a new start.
TEST_F(MenuTest, FontOrLanguageChangeAsksToRestart) {
    OpenFileMenu();
    for (const int entry : {kIdFontFirst + 1, kJapaneseEntry}) {
        Rebuild(kLocaleEnglishUs);
        OpenFileMenu();
        const int stored = profile.GetValueCount();
        {
            cMessageBoxAnswerer answerer(QMessageBox::No);
            frame->FindAction(entry)->trigger();
            ASSERT_TRUE(answerer.shown);
            EXPECT_EQ(answerer.text, Translated(eUiText::RestartQuestion));
            EXPECT_EQ(answerer.icon, QMessageBox::Question);
        }
        QCoreApplication::processEvents();  // a close would have been posted
        EXPECT_EQ(profile.GetValueCount(), stored);
        EXPECT_FALSE(runState.RestartRequested);
        EXPECT_EQ(GetThreadLocale(), kLocaleEnglishUs);
        ASSERT_TRUE(frame->isVisible());

        cMessageBoxAnswerer answerer(QMessageBox::Yes);
        frame->FindAction(entry)->trigger();
        ASSERT_TRUE(answerer.shown);
        EXPECT_TRUE(runState.RestartRequested);
        EXPECT_TRUE(frame->isVisible());
        QCoreApplication::processEvents();
        EXPECT_FALSE(frame->isVisible());
        runState.RestartRequested = false;
    }
    EXPECT_EQ(runState.CurrentFontIndex, 1);
    EXPECT_EQ(profile.GetProfileInt(u"", u"Font", 99), 1u);
    EXPECT_TRUE(frame->FindAction(kIdFontFirst + 1)->isChecked());
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u""), u"Language_1041");

    // The font in use asks nothing.
    Rebuild(kLocaleEnglishUs);
    frame->FindAction(kIdFontFirst + 1)->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame->isVisible());
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

TEST_F(MainWindowTest, WindowIconComesInTheThemeSizes) {
    const QList<QSize> sizes = frame->windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
}

}  // namespace
