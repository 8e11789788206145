// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Other instances finishing passes into the same history: at the same moment, or killed
// in the middle of a write.
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "fault_support.h"
#include "platform/qt/sqlite_pass_history.h"

namespace {

class HistoryInstancesTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }

    // Every pass in the file, after checking that each has all three of its missed cards:
    // no pass is ever half written.
    int CompletePasses() const {
        cSqlitePassHistory history(Path());
        const int passes = static_cast<int>(history.ReadPasses(u"").size());
        const std::vector<sHardCard> cards = history.ReadHardestCards(u"", 3);
        EXPECT_EQ(cards.size(), 3u);
        for (const sHardCard& card : cards) {
            EXPECT_EQ(card.passesMissed, passes) << "a pass lacks some of its cards";
        }
        return passes;
    }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(HistoryInstancesTest, TwoInstancesFinishingPassesAtOnceLoseNone) {
    constexpr int kPassesEach = 400;
    auto first = StartHelper({"passes", Path(), QString::number(kPassesEach)});
    auto second = StartHelper({"passes", Path(), QString::number(kPassesEach)});
    for (QProcess* writer : {first.get(), second.get()}) {
        ASSERT_TRUE(writer->waitForFinished(120000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().constData();
    }
    EXPECT_EQ(CompletePasses(), 2 * kPassesEach);
}

TEST_F(HistoryInstancesTest, InstanceKilledWhileWritingLosesAtMostThatPass) {
    int before = 0;
    for (const int killAfterMs : {0, 30, 120}) {
        SCOPED_TRACE(killAfterMs);
        auto writer = StartHelper({"passes", Path(), "0"});
        ASSERT_TRUE(writer->waitForReadyRead(30000));  // "ready": one pass is in
        QThread::msleep(killAfterMs);
        writer->kill();  // SIGKILL, in whatever it was doing
        writer->waitForFinished();
        const int after = CompletePasses();
        EXPECT_GT(after, before);
        before = after;
    }
    // And the file takes new passes as before.
    auto writer = StartHelper({"passes", Path(), "3"});
    ASSERT_TRUE(writer->waitForFinished(30000));
    EXPECT_EQ(CompletePasses(), before + 3);
}
