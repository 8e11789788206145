// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QAccessible>
#include <QMenuBar>
#include <QStatusTipEvent>

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

TEST_F(MenuTest, LanguageMenuMarksTheCurrentPrimaryLanguage) {
    for (const uint32_t locale : {kLocaleEnglishUs, kLocaleEnglishUk, kLocaleJapanese}) {
        SetThreadLocale(locale);
        OpenFileMenu();
        EXPECT_EQ(frame->FindAction(kEnglishEntry)->isChecked(),
                  locale == kLocaleEnglishUs || locale == kLocaleEnglishUk);
        EXPECT_EQ(frame->FindAction(kJapaneseEntry)->isChecked(), locale == kLocaleJapanese);
    }
}

// Another font or language asks to restart: No changes nothing, Yes stores the choice and
// asks for a new start.
TEST_F(MenuTest, FontOrLanguageChangeAsksToRestart) {
    for (const int entry : {kIdFontFirst + 1, kJapaneseEntry}) {
        Rebuild(kLocaleEnglishUs);
        OpenFileMenu();
        const int stored = profile.GetValueCount();
        {
            cMessageBoxAnswerer answerer(QMessageBox::No);
            frame->FindAction(entry)->trigger();
            ASSERT_TRUE(answerer.shown);
        }
        EXPECT_EQ(profile.GetValueCount(), stored);

        cMessageBoxAnswerer answerer(QMessageBox::Yes);
        frame->FindAction(entry)->trigger();
        ASSERT_TRUE(answerer.shown);
        EXPECT_TRUE(runState.RestartRequested);
        runState.RestartRequested = false;
    }
    EXPECT_EQ(profile.GetProfileInt(u"", u"Font", 99), 1u);
    EXPECT_TRUE(frame->FindAction(kIdFontFirst + 1)->isChecked());
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u""), u"Language_1041");

    Rebuild(kLocaleEnglishUs);
    frame->FindAction(kIdFontFirst + 1)->trigger();  // the font in use: no question
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

TEST_F(MainWindowTest, ButtonsLieApartAndATooShortWindowHidesThem) {
    EXPECT_FALSE(Button(kIdNext)->geometry().intersects(Button(kIdIgnore)->geometry()));
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
}

TEST_F(MainWindowTest, CloseButtonClosesTheWindowOnceItsHandlerHasReturned) {
    Button(kIdClose)->click();
    EXPECT_TRUE(frame->isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(MainWindowTest, WindowIconComesInTheThemeSizes) {
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_EQ(frame->windowIcon().pixmap(QSize(size, size)).size(), QSize(size, size)) << size;
    }
}

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

TEST_F(AccessibilityTest, StatusBarSaysReadyOnceTheMenusAreLeft) {
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(frame.get(), &leave);
    EXPECT_EQ(frame->GetStatusText(), "Ready.");
}

}  // namespace
