#include <QMenuBar>

#include "tests/app/main_window_fixture.h"

namespace {

constexpr int kEnglishEntry = kIdLanguageFirst;
constexpr int kJapaneseEntry = kIdLanguageFirst + 1;

class LanguageMenuTest : public MainWindowTest {
protected:
    // Opening any menu of the bar builds the language list.
    void OpenFileMenu() { emit frame->menuBar()->actions().first()->menu()->aboutToShow(); }
    void OpenLanguageMenu() { emit frame->GetLanguageMenu()->aboutToShow(); }
    QStringList LanguageEntries() const {
        QStringList texts;
        for (QAction* action : frame->GetLanguageMenu()->actions()) {
            texts << action->text();
        }
        return texts;
    }
};

TEST_F(LanguageMenuTest, BuiltOnceOnTheFirstOpeningOfTheMenuBar) {
    EXPECT_EQ(LanguageEntries(), QStringList{"-"});
    OpenFileMenu();
    EXPECT_EQ(LanguageEntries(), (QStringList{"English", "日本語"}));
    EXPECT_EQ(frame->FindAction(kEnglishEntry)->text(), "English");
    EXPECT_EQ(frame->FindAction(kJapaneseEntry)->text(), "日本語");
    EXPECT_EQ(doc->GetMenuLanguage(kJapaneseEntry), 1041);
    OpenLanguageMenu();
    EXPECT_EQ(LanguageEntries().size(), 2);
}

TEST_F(LanguageMenuTest, MarksTheEntryOfTheCurrentPrimaryLanguage) {
    OpenLanguageMenu();
    const std::pair<uint32_t, std::pair<bool, bool>> cases[] = {
        {1033, {true, false}}, {2057, {true, false}}, {1041, {false, true}}, {1031, {false, false}}};
    for (const auto& [locale, marks] : cases) {
        SetThreadLocale(locale);
        OpenLanguageMenu();
        EXPECT_EQ(frame->FindAction(kEnglishEntry)->isChecked(), marks.first) << locale;
        EXPECT_EQ(frame->FindAction(kJapaneseEntry)->isChecked(), marks.second) << locale;
    }
}

TEST_F(LanguageMenuTest, NoToTheRestartQuestionChangesNothing) {
    OpenLanguageMenu();
    cMessageBoxAnswerer answerer(QMessageBox::No);
    frame->FindAction(kJapaneseEntry)->trigger();
    ASSERT_TRUE(answerer.WasShown());
    EXPECT_EQ(answerer.text, Translated(40013));
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u"none"), u"none");
    EXPECT_EQ(GetThreadLocale(), 1033u);
    EXPECT_FALSE(cMainApp::RestartRequested);
}

TEST_F(LanguageMenuTest, YesStoresTheLanguageAndRestarts) {
    OpenLanguageMenu();
    cMessageBoxAnswerer answerer(QMessageBox::Yes);
    frame->FindAction(kJapaneseEntry)->trigger();
    ASSERT_TRUE(answerer.WasShown());
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u""), u"Language_1041");
    EXPECT_TRUE(cMainApp::RestartRequested);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isVisible(); }, 2000));
}

TEST(StartUpTest, StoredJapaneseAppliesBeforeTheWindowIsBuilt) {
    SetThreadLocale(1033);
    auto profile = std::make_unique<cMemoryProfile>();
    profile->WriteProfileString(u"", u"Language", u"Language_1041");
    profile->WriteProfileInt(u"", u"Font", 1);
    cMemoryProfile& stored = *profile;
    {
        cMainApp app(std::move(profile));
        ASSERT_TRUE(app.InitInstance({}));
        cMainFrame* frame = app.GetFrame();
        EXPECT_EQ(frame->menuBar()->actions().first()->text(), "ファイル(&F)");
        auto* next = qobject_cast<QPushButton*>(frame->GetForm()->GetControl(kIdNext));
        EXPECT_EQ(next->text(), "次(&N)");
        EXPECT_EQ(frame->GetForm()->font().pointSize(), 12);
        EXPECT_EQ(Translated(40007).isEmpty(), false);
        EXPECT_NE(Translated(40007), "Load cue files");
        EXPECT_EQ(stored.GetProfileString(u"", u"Language", u""), u"Language_1041");
        EXPECT_EQ(stored.GetProfileInt(u"", u"Font", 99), 1u);
    }
    cMainApp::CurrentFontIndex = 0;
    SetThreadLocale(1033);
}

}  // namespace
