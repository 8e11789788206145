// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// What a screen reader is told, with the window's accessibility live: run through
// with_screen_reader.sh, on a display with the bus screen readers listen on.
#include "tests/support/qt/main_window_fixture.h"

namespace {

int statusAnnouncements = 0;

// Every outcome shown in the status bar is announced as the new name of its text, also one
// that repeats the text before (a second file loaded), which the label alone would not tell.
TEST(ScreenReaderTest, StatusBarAnnouncesEveryOutcomeEvenARepeatedOne) {
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 20000))
        << "no screen reader bus: run the test through with_screen_reader.sh";
    AnswerUnexpectedMessageBoxes();
    cTempDir files;
    cMemoryProfile profile;
    cFakeTickSource ticks;
    sRunState runState;
    cMainDoc doc(profile, ticks);
    const std::unique_ptr<cMainFrame> frame = cMainFrame::Create(doc, profile, runState);
    ASSERT_NE(frame, nullptr);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        const QObject* object = event->object();
        statusAnnouncements += event->type() == QAccessible::NameChanged && object != nullptr &&
                               object->objectName() == QStringLiteral("StatusText");
    });
    const std::u16string path = files.Write("german.recallix", "one = eins\n");
    EXPECT_TRUE(doc.OnOpenDocument(path));
    const int afterFirst = statusAnnouncements;
    EXPECT_GT(afterFirst, 0);
    EXPECT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadSucceeded));
    EXPECT_GT(statusAnnouncements, afterFirst);
    QAccessible::installUpdateHandler(nullptr);
}

}  // namespace
