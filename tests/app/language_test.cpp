// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QMenuBar>

#include "app/main_app.h"

#include "tests/support/qt/main_window_fixture.h"

namespace {

constexpr int kEnglishEntry = kIdLanguageFirst;
constexpr int kJapaneseEntry = kIdLanguageFirst + 1;

class LanguageMenuTest : public MainWindowTest {
protected:
    // Opening any menu of the bar builds the language list.
    void OpenFileMenu() { emit frame->menuBar()->actions().first()->menu()->aboutToShow(); }
    void OpenLanguageMenu() { emit frame->GetLanguageMenu()->aboutToShow(); }
};

TEST_F(LanguageMenuTest, BuiltOnceOnTheFirstOpeningOfTheMenuBar) {
    EXPECT_EQ(frame->FindAction(kJapaneseEntry), nullptr);
    OpenFileMenu();
    EXPECT_EQ(frame->FindAction(kEnglishEntry)->text(), "English");
    EXPECT_EQ(frame->FindAction(kJapaneseEntry)->text(), "日本語");
    EXPECT_EQ(doc->GetMenuLanguage(kJapaneseEntry), 1041);
    OpenLanguageMenu();
    EXPECT_EQ(frame->GetLanguageMenu()->actions().size(), 2);
}

TEST_F(LanguageMenuTest, MarksTheEntryOfTheCurrentPrimaryLanguage) {
    OpenLanguageMenu();
    for (const uint32_t locale : {1033u, 2057u, 1041u, 1031u}) {
        SetThreadLocale(locale);
        OpenLanguageMenu();
        EXPECT_EQ(frame->FindAction(kEnglishEntry)->isChecked(), locale != 1041 && locale != 1031);
        EXPECT_EQ(frame->FindAction(kJapaneseEntry)->isChecked(), locale == 1041) << locale;
    }
}

TEST_F(LanguageMenuTest, RestartQuestionNoChangesNothingYesStoresTheLanguageAndRestarts) {
    OpenLanguageMenu();
    {
        cMessageBoxAnswerer answerer(QMessageBox::No);
        frame->FindAction(kJapaneseEntry)->trigger();
        ASSERT_TRUE(answerer.shown);
        EXPECT_EQ(answerer.text, Translated(eUiText::RestartQuestion));
    }
    EXPECT_EQ(profile.GetValueCount(), 0);
    EXPECT_EQ(GetThreadLocale(), 1033u);
    EXPECT_FALSE(runState.RestartRequested);

    cMessageBoxAnswerer answerer(QMessageBox::Yes);
    frame->FindAction(kJapaneseEntry)->trigger();
    ASSERT_TRUE(answerer.shown);
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u""), u"Language_1041");
    EXPECT_TRUE(runState.RestartRequested);
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
}

TEST(StartUpTest, StoredJapaneseAppliesBeforeTheWindowIsBuilt) {
    SetThreadLocale(1033);
    auto profile = std::make_unique<cMemoryProfile>();
    profile->WriteProfileString(u"", u"Language", u"Language_1041");
    profile->WriteProfileInt(u"", u"Font", 1);
    {
        cMainApp app(std::move(profile));
        ASSERT_TRUE(app.InitInstance({}));
        cMainFrame* frame = app.GetFrame();
        EXPECT_EQ(frame->menuBar()->actions().first()->text(), "ファイル(&F)");
        EXPECT_EQ(frame->GetForm()->font().pointSize(), 12);
    }
    SetThreadLocale(kLocaleEnglishUs);
}

// Keeps the values it was given but stores nothing new, like a store that cannot be written.
class cUnwritableProfile : public cMemoryProfile {
public:
    bool WriteProfileInt(std::u16string_view, std::u16string_view, uint32_t) override {
        return false;
    }
};

// Until start-up has succeeded the stored font is the normal one, so a font without a layout
// stops one start, not every later one; a cue file that fails says nothing against the font.
TEST(StartUpTest, ChosenFontIsStoredOnceTheWindowIsBuilt) {
    const auto start = [](int font, const QStringList& arguments, bool unwritable = false) {
        auto profile = unwritable ? std::make_unique<cUnwritableProfile>()
                                  : std::make_unique<cMemoryProfile>();
        profile->cMemoryProfile::WriteProfileInt(u"", u"Font", static_cast<uint32_t>(font));
        cMainApp app(std::move(profile));
        // A cue file that cannot be loaded is reported in a box.
        cMessageBoxAnswerer answerer(QMessageBox::Ok);
        const bool started = app.InitInstance(arguments);
        EXPECT_EQ(answerer.shown, !arguments.isEmpty());
        return std::pair(started, app.GetProfile().GetProfileInt(u"", u"Font", 99));
    };
    EXPECT_EQ(start(1, {}), std::pair(true, 1u));
    EXPECT_EQ(start(3, {}), std::pair(false, 0u));
    EXPECT_EQ(start(1, {QStringLiteral("/nonexistent/cards.recallix")}), std::pair(false, 1u));
    // Where the reset cannot be stored, this run takes the first layout instead.
    EXPECT_EQ(start(3, {}, true), std::pair(true, 3u));
}

}  // namespace
