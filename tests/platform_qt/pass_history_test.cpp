// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include "platform/qt/sqlite_pass_history.h"

namespace {

sPassRecord Pass(const char16_t* key, uint32_t timeMs, int64_t ended,
                 std::vector<sMissedCard> missed = {}) {
    sPassRecord pass;
    pass.endedUtcMs = ended;
    pass.key = key;
    pass.files = key + std::u16string(u".recallix");
    pass.timeMs = timeMs;
    pass.cards = 10;
    for (const sMissedCard& card : missed) {
        pass.wrongAnswers += card.wrongAnswers;
        pass.ignoredCards += card.ignored ? 1 : 0;
    }
    pass.missed = std::move(missed);
    return pass;
}

// A connection of the test's own, to look into the file or to build an old one.
class cRawDatabase {
public:
    explicit cRawDatabase(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
    }
    ~cRawDatabase() { QSqlDatabase::removeDatabase(kName); }
    QVariant Value(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(kName));
        EXPECT_TRUE(query.exec(sql) && query.next()) << sql.toStdString();
        return query.value(0);
    }
    void Exec(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(kName));
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString();
    }

private:
    static constexpr const char* kName = "raw";
};

class PassHistoryTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("data/history.sqlite")); }
    QStringList FilesAside() const {
        return QDir(m_dir.filePath(QStringLiteral("data")))
            .entryList({QStringLiteral("history.sqlite.damaged-*")}, QDir::Files);
    }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(PassHistoryTest, KeepsPassesWithTheirCardsAcrossRunsInANewFile) {
    {
        cSqlitePassHistory history(Path());
        history.RecordPass(Pass(u"verbs", 9000, 1000, {{u"Hund", u"dog", 2, false}}));
        history.RecordPass(Pass(u"nouns", 5000, 2000, {{u"Hund", u"dog", 1, false}}));
        history.RecordPass(
            Pass(u"verbs", 7000, 3000, {{u"Katze", u"cat", 0, true}, {u"Hund", u"dog", 1, false}}));
        sPassRecord review = Pass(u"verbs", 1000, 4000, {{u"Maus", u"mouse", 3, false}});
        review.review = true;
        history.RecordPass(review);
        // With no stamp of its own a pass gets the present time.
        history.RecordPass(Pass(u"other", 1, 0));
    }
    cSqlitePassHistory history(Path());
    const std::vector<sPassRecord> verbs = history.ReadPasses(u"verbs");
    ASSERT_EQ(verbs.size(), 3u);  // newest first
    EXPECT_EQ(verbs[0].endedUtcMs, 4000);
    EXPECT_TRUE(verbs[0].review);
    EXPECT_EQ(verbs[1].timeMs, 7000u);
    EXPECT_EQ(verbs[1].files, u"verbs.recallix");
    EXPECT_EQ(verbs[1].wrongAnswers, 1);
    EXPECT_EQ(verbs[1].ignoredCards, 1);
    EXPECT_EQ(verbs[1].cards, 10);
    EXPECT_FALSE(verbs[1].review);
    EXPECT_EQ(verbs[2].endedUtcMs, 1000);
    const std::vector<sPassRecord> all = history.ReadPasses(u"");
    ASSERT_EQ(all.size(), 5u);
    EXPECT_GT(all[0].endedUtcMs, 1700000000000);  // 2023 or later
    EXPECT_EQ(all[0].key, u"other");

    const std::vector<sHardCard> hardest = history.ReadHardestCards(u"verbs", 2);
    ASSERT_EQ(hardest.size(), 2u);
    EXPECT_EQ(hardest[0].cue, u"Hund");  // missed in two passes
    EXPECT_EQ(hardest[0].passesMissed, 2);
    EXPECT_EQ(hardest[0].wrongAnswers, 3);
    EXPECT_EQ(hardest[1].cue, u"Maus");  // one pass, but more wrong answers than Katze
    EXPECT_EQ(history.ReadHardestCards(u"", 10).front().passesMissed, 3);

    cRawDatabase raw(Path());
    EXPECT_EQ(raw.Value("PRAGMA user_version").toInt(), cSqlitePassHistory::kSchemaVersion);
    EXPECT_EQ(raw.Value("PRAGMA journal_mode").toString(), "wal");
}

TEST_F(PassHistoryTest, BringsAFileOfTheFirstVersionUpToDateKeepingItsPasses) {
    QDir().mkpath(m_dir.filePath(QStringLiteral("data")));
    {
        cRawDatabase v1(Path());
        v1.Exec(
            "CREATE TABLE pass(id INTEGER PRIMARY KEY, ended_utc_ms INTEGER NOT NULL,"
            " key TEXT NOT NULL, files TEXT NOT NULL, time_ms INTEGER NOT NULL,"
            " cards INTEGER NOT NULL, wrong INTEGER NOT NULL, ignored INTEGER NOT NULL,"
            " review INTEGER NOT NULL)");
        v1.Exec(
            "CREATE TABLE missed_card(pass_id INTEGER NOT NULL REFERENCES pass(id)"
            " ON DELETE CASCADE, cue TEXT NOT NULL, answer TEXT NOT NULL,"
            " wrong INTEGER NOT NULL, ignored INTEGER NOT NULL)");
        v1.Exec("INSERT INTO pass VALUES(1, 500, 'verbs', 'Verbs.recallix', 42000, 3, 1, 0, 0)");
        v1.Exec("INSERT INTO missed_card VALUES(1, 'Hund', 'dog', 1, 0)");
        v1.Exec("PRAGMA user_version=1");
    }
    cSqlitePassHistory history(Path());
    history.RecordPass(Pass(u"verbs", 40000, 600));
    const std::vector<sPassRecord> passes = history.ReadPasses(u"verbs");
    ASSERT_EQ(passes.size(), 2u);
    EXPECT_EQ(passes[1].timeMs, 42000u);
    EXPECT_EQ(history.ReadHardestCards(u"verbs", 5).at(0).cue, u"Hund");
    cRawDatabase raw(Path());
    EXPECT_EQ(raw.Value("PRAGMA user_version").toInt(), 2);
    EXPECT_EQ(raw.Value("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index'").toInt(), 2);
}

TEST_F(PassHistoryTest, DamagedFileIsSetAsideWithTheDateAndANewHistoryStarts) {
    QDir().mkpath(m_dir.filePath(QStringLiteral("data")));
    const QByteArray garbage(8192, '\x5a');
    for (const QString& part : {QString(), QStringLiteral("-wal")}) {
        QFile file(Path() + part);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    int setAside = 0, unavailable = 0;
    cSqlitePassHistory history(Path());
    history.SetSetAsideNotice([&] { ++setAside; });
    history.SetUnavailableNotice([&] { ++unavailable; });
    history.RecordPass(Pass(u"verbs", 9000, 1000));
    EXPECT_EQ(history.ReadPasses(u"verbs").size(), 1u);
    EXPECT_EQ(setAside, 1);
    EXPECT_EQ(unavailable, 0);

    // Kept, byte for byte, under a name with today's date; its journal with it.
    ASSERT_EQ(FilesAside().size(), 2u) << FilesAside().join(' ').toStdString();
    EXPECT_TRUE(history.GetSetAsidePath().contains(
        QStringLiteral(".damaged-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-"))));
    QFile kept(history.GetSetAsidePath());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbage);
}

TEST_F(PassHistoryTest, UnusableFileLeavesTheHistoryOffSaysSoOnceAndIsNotTouched) {
    // A folder where the file should be, and a file from a newer program.
    QDir().mkpath(Path());
    int unavailable = 0;
    {
        cSqlitePassHistory history(Path());
        history.SetUnavailableNotice([&] { ++unavailable; });
        history.RecordPass(Pass(u"verbs", 9000, 1000));
        history.RecordPass(Pass(u"verbs", 8000, 2000));
        EXPECT_TRUE(history.ReadPasses(u"verbs").empty());
        EXPECT_EQ(unavailable, 1);
    }
    QDir(Path()).removeRecursively();
    {
        cRawDatabase newer(Path());
        newer.Exec("CREATE TABLE future(x)");
        newer.Exec("PRAGMA user_version=99");
    }
    cSqlitePassHistory history(Path());
    history.RecordPass(Pass(u"verbs", 9000, 1000));
    history.SetUnavailableNotice([&] { ++unavailable; });  // said at once: it failed already
    EXPECT_EQ(unavailable, 2);
    EXPECT_TRUE(FilesAside().isEmpty());
    cRawDatabase raw(Path());
    EXPECT_EQ(raw.Value("PRAGMA user_version").toInt(), 99);
    EXPECT_EQ(raw.Value("SELECT COUNT(*) FROM sqlite_master WHERE name = 'pass'").toInt(), 0);
}

TEST_F(PassHistoryTest, FileWithBrokenPagesIsSetAsideToo) {
    {
        cSqlitePassHistory history(Path());
        for (int i = 0; i < 50; ++i) {
            history.RecordPass(Pass(u"verbs", 9000 + i, 1000 + i, {{u"Hund", u"dog", 1, false}}));
        }
    }
    {
        // The database header stays; the pages behind it turn to rubbish.
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_GT(file.size(), 4096);
        file.seek(4096);
        file.write(QByteArray(static_cast<int>(file.size()) - 4096, '\x5a'));
    }
    cSqlitePassHistory history(Path());
    EXPECT_TRUE(history.ReadPasses(u"verbs").empty());  // a new, empty history
    EXPECT_FALSE(history.GetSetAsidePath().isEmpty());
    EXPECT_EQ(FilesAside().size(), 1u);
    history.RecordPass(Pass(u"verbs", 1, 1));
    EXPECT_EQ(history.ReadPasses(u"verbs").size(), 1u);
}
