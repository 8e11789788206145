#include "tests/app/main_window_fixture.h"

namespace {

constexpr uint32_t kRestartQuestion = 40013;

using FontChangeTest = MainWindowTest;

TEST_F(FontChangeTest, NoToTheRestartQuestionChangesNothing) {
    cMessageBoxAnswerer answerer(QMessageBox::No);
    frame->FindAction(kIdFontFirst + 1)->trigger();
    ASSERT_TRUE(answerer.WasShown());
    EXPECT_EQ(answerer.text, Translated(kRestartQuestion));
    EXPECT_EQ(answerer.icon, QMessageBox::Question);
    EXPECT_EQ(cMainApp::CurrentFontIndex, 0);
    EXPECT_EQ(profile.GetProfileInt(u"", u"Font", 99), 99u);
    EXPECT_FALSE(cMainApp::RestartRequested);
    EXPECT_TRUE(frame->FindAction(kIdFontFirst)->isChecked());
    EXPECT_FALSE(frame->FindAction(kIdFontFirst + 1)->isChecked());
    QTest::qWait(50);
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(FontChangeTest, YesStoresTheFontAtOnceAndThenClosesTheWindow) {
    cMessageBoxAnswerer answerer(QMessageBox::Yes);
    frame->FindAction(kIdFontFirst + 1)->trigger();
    ASSERT_TRUE(answerer.WasShown());
    EXPECT_EQ(profile.GetProfileInt(u"", u"Font", 99), 1u);
    EXPECT_EQ(cMainApp::CurrentFontIndex, 1);
    EXPECT_TRUE(cMainApp::RestartRequested);
    EXPECT_TRUE(frame->isVisible());  // until the handler has returned
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isVisible(); }, 2000));
}

TEST_F(FontChangeTest, TheMarkedFontAsksNothing) {
    {
        cMessageBoxAnswerer answerer(QMessageBox::Yes);
        frame->FindAction(kIdFontFirst)->trigger();
        EXPECT_FALSE(answerer.WasShown());
    }
    QTest::qWait(50);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(cMainApp::RestartRequested);
    EXPECT_EQ(profile.GetValueCount(), 0);
}

using ClosingTest = MainWindowTest;

TEST_F(ClosingTest, CloseButtonClosesTheWindowOnceItsHandlerHasReturned) {
    Button(kIdClose)->click();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isVisible(); }, 2000));
    EXPECT_FALSE(cMainApp::RestartRequested);
}

}  // namespace
