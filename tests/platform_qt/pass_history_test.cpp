// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/qt/sqlite_pass_history.h"

namespace {

// A pass of ten cards with two wrong answers and one card ignored.
sPassRecord Pass(const char16_t* key, int64_t ended, std::vector<sMissedCard> missed = {}) {
    return {ended, key, u"", 9000, 10, 2, 1, false, std::move(missed)};
}

// Runs statements on the file through a connection of the test's own; the first value of
// the last one.
QVariant RawSql(const QString& path, const QStringList& statements) {
    static int connections = 0;  // each left open till the end, out of the way
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QString::number(++connections));
    db.setDatabaseName(path);
    EXPECT_TRUE(db.open());
    QSqlQuery query(db);
    for (const QString& sql : statements) {
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString();
    }
    return query.next() ? query.value(0) : QVariant();
}

class PassHistoryTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(PassHistoryTest, KeepsPassesAcrossRunsAndReadsThemByCombination) {
    {
        cSqlitePassHistory history(Path());
        history.RecordPass(Pass(u"verbs", 1000, {{u"Hund", u"dog", 2, false}}));
        history.RecordPass(
            Pass(u"verbs", 3000, {{u"Katze", u"cat", 0, true}, {u"Hund", u"dog", 2, false}}));
        history.RecordPass(Pass(u"verbs", 4000, {{u"Maus", u"mouse", 5, false}}));
        history.RecordPass(Pass(u"other", 0));  // no stamp of its own: the present time
    }
    cSqlitePassHistory history(Path());
    const std::vector<sPassRecord> verbs = history.ReadPasses(u"verbs");
    ASSERT_EQ(verbs.size(), 3u);  // newest first
    EXPECT_EQ(verbs[0].endedUtcMs, 4000);
    EXPECT_EQ(std::pair(verbs[1].wrongAnswers, verbs[1].ignoredCards), std::pair(2, 1));
    const std::vector<sPassRecord> all = history.ReadPasses(u"");
    ASSERT_EQ(all.size(), 4u);
    EXPECT_GT(all[0].endedUtcMs, 1700000000000);  // 2023 or later

    // Hund is missed in two passes, Maus in one with more wrong answers.
    const std::vector<sHardCard> hardest = history.ReadHardestCards(u"verbs", 2);
    ASSERT_EQ(hardest.size(), 2u);
    EXPECT_EQ(hardest[0].cue, u"Hund");
    EXPECT_EQ(std::pair(hardest[0].passesMissed, hardest[0].wrongAnswers), std::pair(2, 4));
    EXPECT_EQ(hardest[1].cue, u"Maus");  // among cards missed as often, most wrong answers first
}

// Each card keeps the memory of its latest grade, whichever copy of the program wrote it
// last; every graded answer is logged, with its pass or without one.
TEST_F(PassHistoryTest, KeepsEachCardsLatestMemoryAndLogsEveryGradedAnswer) {
    const auto graded = [](uint64_t card, int64_t reviewMs, int reps) {
        return sGradedAnswer{card, reviewMs, eGrade::Good, 1200, {2.5, 5, reviewMs, 9, 8, reps}};
    };
    constexpr uint64_t kHighCard = 0xF00D'0000'0000'0001;  // keys use all 64 bits
    {
        cSqlitePassHistory history(Path());
        sPassRecord pass = Pass(u"verbs", 1000);
        pass.graded = {graded(kHighCard, 5000, 2), graded(7, 5000, 1)};
        history.RecordPass(pass);
        history.RecordGradedAnswers({graded(7, 9000, 2)});
        history.RecordGradedAnswers({graded(kHighCard, 4000, 1)});  // an older grade
    }
    std::vector<std::tuple<uint64_t, int64_t, int>> memories;
    std::vector<sCardMemory> read;
    ASSERT_TRUE(cSqlitePassHistory(Path()).ReadCardMemories(read));
    for (const sCardMemory& card : read) {
        memories.emplace_back(card.card, card.memory.lastReviewMs, card.memory.reps);
    }
    std::sort(memories.begin(), memories.end());
    EXPECT_EQ(memories, (std::vector<std::tuple<uint64_t, int64_t, int>>{{7, 9000, 2},
                                                                         {kHighCard, 5000, 2}}));
    // All four answers, two of them with their pass.
    EXPECT_EQ(RawSql(Path(), {"SELECT COUNT(*) || ' ' || COUNT(pass_id) FROM graded_answer"}),
              QVariant("4 2"));
}

// A damaged file is kept aside under the date and time, its journal with it, and a new
// history starts: a file of rubbish, or one whose header stays but whose pages behind it
// turn to rubbish.
TEST_F(PassHistoryTest, DamagedFileIsSetAsideWithItsJournalAndANewHistoryStarts) {
    const std::tuple<const char*, int, QStringList> rows[] = {
        {"rubbish throughout", 0, {"", "-wal"}}, {"broken pages", 4096, {""}}};
    for (const auto& [name, from, parts] : rows) {
        SCOPED_TRACE(name);
        QDir(m_dir.path()).removeRecursively();
        {
            cSqlitePassHistory history(Path());
            for (int i = 0; i < 50; ++i) {
                history.RecordPass(Pass(u"verbs", 1000 + i, {{u"Hund", u"dog", 1, false}}));
            }
        }
        for (const QString& part : parts) {
            QFile file(Path() + part);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(from));
            file.write(QByteArray(std::max(8192, static_cast<int>(file.size()) - from), '\x5a'));
        }
        int setAside = 0, unavailable = 0;
        cSqlitePassHistory history(Path());
        history.SetSetAsideNotice([&] { ++setAside; });
        history.SetUnavailableNotice([&] { ++unavailable; });
        history.RecordPass(Pass(u"verbs", 1000));
        EXPECT_EQ(history.ReadPasses(u"verbs").size(), 1u);
        EXPECT_EQ(std::pair(setAside, unavailable), std::pair(1, 0));
        const QStringList aside =
            QDir(m_dir.path()).entryList({QStringLiteral("history.sqlite.damaged-*")});
        const QRegularExpression stamped(
            QStringLiteral("^history\\.sqlite\\.damaged-\\d{8}-\\d{6}(-wal)?$"));
        EXPECT_EQ(aside.filter(stamped).size(), parts.size()) << aside.join(' ').toStdString();
    }
}

TEST_F(PassHistoryTest, UnusableFileLeavesTheHistoryOffSaysSoAndIsNotTouched) {
    QDir().mkpath(Path());  // a folder where the file should be
    int unavailable = 0;
    {
        cSqlitePassHistory history(Path());
        history.SetUnavailableNotice([&] { ++unavailable; });
        history.RecordPass(Pass(u"verbs", 1000));
        EXPECT_EQ(unavailable, 1);
    }
    // A file of a newer program.
    QDir(Path()).removeRecursively();
    RawSql(Path(), {"CREATE TABLE future(x)", "PRAGMA user_version=99"});
    cSqlitePassHistory history(Path());
    history.RecordPass(Pass(u"verbs", 1000));
    history.SetUnavailableNotice([&] { ++unavailable; });  // said at once: it failed already
    EXPECT_EQ(unavailable, 2);
    EXPECT_EQ(RawSql(Path(), {"PRAGMA user_version"}).toInt(), 99);
}

// Answers of a pass left unfinished that wait for another program's lock are written as the
// program ends.
TEST_F(PassHistoryTest, AnswersWaitingForALockAreWrittenAsTheProgramEnds) {
    cSqlitePassHistory(Path()).RecordPass(Pass(u"verbs", 1000));
    QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "holder");
    holder.setDatabaseName(Path());
    ASSERT_TRUE(holder.open() && QSqlQuery(holder).exec("BEGIN EXCLUSIVE"));
    {
        cSqlitePassHistory waiting(Path(), std::chrono::milliseconds(50));
        waiting.RecordGradedAnswers({{7, 1000, eGrade::Good, 900, {}}});
        ASSERT_TRUE(QSqlQuery(holder).exec("COMMIT"));
    }
    EXPECT_EQ(RawSql(Path(), {"SELECT COUNT(*) FROM graded_answer"}), QVariant(1));
}
