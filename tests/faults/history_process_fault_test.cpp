// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Other instances finishing passes into the same history: at the same moment, or killed
// in the middle of a write.
#include <memory>

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "platform/qt/sqlite_pass_history.h"

namespace {

std::unique_ptr<QProcess> StartWriter(const QString& path, int count) {
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(FAULT_HELPER),
                   {QStringLiteral("passes"), path, QString::number(count)});
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
}

class HistoryInstancesTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }

    // Every pass in the file, after checking that each has all three of its missed cards:
    // no pass is ever half written.
    int CompletePasses() {
        cSqlitePassHistory history(Path());
        EXPECT_TRUE(history.Open());
        EXPECT_TRUE(history.GetSetAsidePath().isEmpty()) << "the file was found damaged";
        int passes = 0;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "check");
            db.setDatabaseName(Path());
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(
                "SELECT COUNT(*), SUM((SELECT COUNT(*) FROM missed_card m WHERE m.pass_id = p.id"
                " AND m.wrong = 1) = 3) FROM pass p"));
            EXPECT_TRUE(query.next());
            passes = query.value(0).toInt();
            EXPECT_EQ(query.value(1).toInt(), passes) << "a pass lacks some of its cards";
        }
        QSqlDatabase::removeDatabase("check");
        return passes;
    }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(HistoryInstancesTest, TwoInstancesFinishingPassesAtOnceLoseNone) {
    constexpr int kPassesEach = 400;
    auto first = StartWriter(Path(), kPassesEach);
    auto second = StartWriter(Path(), kPassesEach);
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
        auto writer = StartWriter(Path(), 0);
        ASSERT_TRUE(writer->waitForReadyRead(30000));  // "ready": one pass is in
        QThread::msleep(killAfterMs);
        writer->kill();  // SIGKILL, in whatever it was doing
        writer->waitForFinished();
        const int after = CompletePasses();
        EXPECT_GT(after, before);
        before = after;
    }
    // And the file takes new passes as before.
    auto writer = StartWriter(Path(), 3);
    ASSERT_TRUE(writer->waitForFinished(30000));
    EXPECT_EQ(writer->exitCode(), 0);
    EXPECT_EQ(CompletePasses(), before + 3);
}
