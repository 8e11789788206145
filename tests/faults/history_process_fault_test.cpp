// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Other instances finishing passes into the same history: at the same moment, or killed
// in the middle of a write; another program holding the file locked for a while.
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <tuple>

#include "fault_support.h"
#include "platform/qt/sqlite_pass_history.h"
#include "writer_pass.h"

namespace {

class HistoryInstancesTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }

    // Every pass in the file, after checking that each has all three of its missed cards
    // and graded answers: no pass is ever half written.
    int CompletePasses() const {
        cSqlitePassHistory history(Path());
        const int passes = static_cast<int>(history.ReadPasses(u"").size());
        std::vector<int> missed;
        for (const sHardCard& card : history.ReadHardestCards(u"", 4)) {
            missed.push_back(card.passesMissed);
        }
        EXPECT_EQ(missed, std::vector<int>(3, passes)) << "a pass lacks some of its cards";
        EXPECT_EQ(Count("SELECT COUNT(*) FROM pass p WHERE 3 !="
                        " (SELECT COUNT(*) FROM graded_answer g WHERE g.pass_id = p.id)"),
                  0);
        return passes;
    }
    // The answers graded in passes that did not finish.
    int LooseAnswers() const {
        return Count("SELECT COUNT(*) FROM graded_answer WHERE pass_id IS NULL");
    }
    int Count(const char* sql) const {
        int count = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "count");
            db.setDatabaseName(Path());
            QSqlQuery query(db);
            if (db.open() && query.exec(QString::fromLatin1(sql)) && query.next()) {
                count = query.value(0).toInt();
            }
        }
        QSqlDatabase::removeDatabase("count");
        return count;
    }

    QTemporaryDir m_dir;
};

}  // namespace

// Every pass finished while another program holds the file is kept and written later in
// the same run, no call waits beyond the bound, and the history is never switched off.
TEST_F(HistoryInstancesTest, PassesWaitForTheLockAndNoCallWaitsLongerThanTheBound) {
    constexpr std::chrono::milliseconds kBound{600};
    // How the other program holds the file (see fault_helper), whether this run wrote a pass
    // before the lock was taken, and whether the lock goes before the program ends rather
    // than before a pass.
    const std::tuple<const char*, const char*, bool, bool> rows[] = {
        {"TransactionAtFirstUse", "transaction", false, false},
        {"ExclusiveModeAtFirstUse", "exclusive", false, true},
        {"TransactionLater", "transaction", true, false},
        {"TransactionLaterUntilTheEnd", "transaction", true, true}};
    for (const auto& [name, kind, usedBefore, endsRun] : rows) {
        SCOPED_TRACE(name);
        QDir(m_dir.path()).removeRecursively();
        cSqlitePassHistory(Path()).RecordPass(WriterPass());  // an earlier run's pass
        int expected = 1, deferred = 0, unavailable = 0;
        auto history = std::make_unique<cSqlitePassHistory>(Path(), kBound);
        history->SetDeferredNotice([&] { ++deferred; });
        history->SetUnavailableNotice([&] { ++unavailable; });
        QElapsedTimer wait;
        const auto expectWithinBound = [&] { EXPECT_LT(wait.elapsed(), kBound.count() + 200); };
        const auto record = [&] {
            wait.start();
            history->RecordPass(WriterPass());
            expectWithinBound();
            ++expected;
        };
        if (usedBefore) {
            record();
        }
        auto holder = StartHelper({"hold", Path(), kind}, true);
        record();
        record();
        history->RecordGradedAnswers({WriterPass().graded[0]});  // of a pass left unfinished
        EXPECT_EQ(history->GetWaitingPassCount(), 2u);
        // A file held in exclusive mode cannot even be read; the waiting passes still show.
        const bool readable = std::string(kind) == "transaction";
        wait.start();
        EXPECT_EQ(history->ReadPasses(u"writer").size(), size_t(readable ? expected : 2))
            << "a waiting pass is missing from what the History window reads";
        std::vector<sCardMemory> memories;  // those of the waiting passes at least
        wait.start();
        EXPECT_EQ((std::pair{history->ReadCardMemories(memories), memories.size()}),
                  std::pair(readable, size_t(3)));
        expectWithinBound();
        holder->write("\n");
        holder->closeWriteChannel();
        ASSERT_TRUE(holder->waitForFinished(30000));
        if (endsRun) {
            history.reset();  // the waiting passes are written as the program ends
        } else {
            record();
        }
        EXPECT_EQ(std::pair(CompletePasses(), LooseAnswers()), std::pair(expected, 1));
        EXPECT_EQ(std::pair(deferred, unavailable), std::pair(1, 0));
    }
}

// Other instances killed in the middle of a write lose that pass at most; a write of half a
// second by another program is waited out within the program's own bound; two instances
// finishing passes at the same moment lose none.
TEST_F(HistoryInstancesTest, NoPassIsLostButTheOneOfAnInstanceKilledWhileWriting) {
    int before = 0;
    for (const int killAfterMs : {0, 30, 120}) {
        SCOPED_TRACE(killAfterMs);
        auto writer = StartHelper({"passes", Path(), "0"}, true);  // "ready": one pass is in
        QThread::msleep(killAfterMs);
        writer.reset();
        const int after = CompletePasses();
        EXPECT_GT(after, before);
        before = after;
    }
    cSqlitePassHistory history(Path());  // the program's own bound
    auto holder = StartHelper({"hold", Path(), "transaction", "500"}, true);
    history.RecordPass(WriterPass());
    EXPECT_EQ(history.GetWaitingPassCount(), 0u) << "the pass did not wait out a short write";
    const int loose = LooseAnswers();
    constexpr int kPassesEach = 400;
    auto first = StartHelper({"passes", Path(), QString::number(kPassesEach)});
    auto second = StartHelper({"passes", Path(), QString::number(kPassesEach)});
    for (QProcess* other : {holder.get(), first.get(), second.get()}) {
        ASSERT_TRUE(other->waitForFinished(120000));
        EXPECT_EQ(other->exitCode(), 0) << other->readAllStandardError().constData();
    }
    EXPECT_EQ(std::pair(CompletePasses(), LooseAnswers()),
              std::pair(before + 1 + 2 * kPassesEach, loose + 2 * kPassesEach));
}
