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
    for (const int entry : {kIdFontFirst + 1, kJapaneseEntry}) {
        Rebuild(kLocaleEnglishUs);
        OpenFileMenu();
        const int stored = profile.GetValueCount();
        {
            cMessageBoxAnswerer answerer(QMessageBox::No);
            frame->FindAction(entry)->trigger();
            ASSERT_TRUE(answerer.shown);
            EXPECT_EQ(answerer.text, Translated(eUiText::RestartQuestion));
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
    struct cCallingView : cView {
        void OnUpdate(cView*, long) override { onUpdate(); }
        std::function<void()> onUpdate;
    } first, second;
    bool secondCalled = false;
    first.onUpdate = [&] { doc->RemoveView(&second); };
    second.onUpdate = [&] { secondCalled = true; };
    doc->AddView(&first);
    doc->AddView(&second);
    doc->Restart();
    EXPECT_FALSE(secondCalled);
    doc->RemoveView(&first);
}

constexpr int kButtonIds[] = {kIdClear, kIdRestart, kIdLoad, kIdNext, kIdIgnore, kIdClose};

TEST_F(MainWindowTest, TooShortAWindowHidesTheButtonsUntilItGrowsAgain) {
    const QSize normal = form->size();
    const auto resizeForm = [&](int height) {
        frame->resize(frame->size() + QSize(normal.width(), height) - form->size());
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->height() == height; }, 2000));
    };
    const int tight = FileList()->y() + Button(kIdClose)->height() + 10;
    for (const int height : {tight, tight - 1}) {
        resizeForm(height);
        for (int id : kButtonIds) {
            EXPECT_EQ(Button(id)->isVisible(), height == tight) << id;
        }
    }
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

TEST_F(MainWindowTest, CloseButtonClosesTheWindowOnceItsHandlerHasReturned) {
    Button(kIdClose)->click();
    EXPECT_TRUE(frame->isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(runState.RestartRequested);
}

TEST_F(MainWindowTest, WindowIconComesInTheThemeSizes) {
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_EQ(frame->windowIcon().pixmap(QSize(size, size)).size(), QSize(size, size)) << size;
    }
}

}  // namespace
