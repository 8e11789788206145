// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/qt/sqlite_pass_history.h"

#include "platform/qt/settings_lock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <atomic>

namespace {

// How long a write waits for another copy of the program to finish its own.
constexpr int kBusyTimeoutMs = 2000;

// SQLite's result codes for a file that is not a database or whose pages are broken.
constexpr int kSqliteCorrupt = 11, kSqliteNotADatabase = 26;

// Each version's step from the one before; index 0 builds version 1 from nothing.
const char* const kMigrations[] = {
    "CREATE TABLE pass(id INTEGER PRIMARY KEY, ended_utc_ms INTEGER NOT NULL,"
    " key TEXT NOT NULL, files TEXT NOT NULL, time_ms INTEGER NOT NULL,"
    " cards INTEGER NOT NULL, wrong INTEGER NOT NULL, ignored INTEGER NOT NULL,"
    " review INTEGER NOT NULL);"
    "CREATE TABLE missed_card(pass_id INTEGER NOT NULL REFERENCES pass(id) ON DELETE CASCADE,"
    " cue TEXT NOT NULL, answer TEXT NOT NULL, wrong INTEGER NOT NULL,"
    " ignored INTEGER NOT NULL)",
    // Version 2: the History window reads one combination's passes and their cards.
    "CREATE INDEX pass_by_key ON pass(key, ended_utc_ms);"
    "CREATE INDEX missed_card_by_pass ON missed_card(pass_id)",
};
static_assert(std::size(kMigrations) == cSqlitePassHistory::kSchemaVersion);

bool IsDamageError(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xFF;  // the primary code
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

// Runs statements separated by ";" (Qt's driver runs one per call).
bool ExecAll(QSqlQuery& query, const QString& statements) {
    for (const QString& statement : statements.split(u';', Qt::SkipEmptyParts)) {
        if (!query.exec(statement)) {
            return false;
        }
    }
    return true;
}

QString Text(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// Runs a read of one combination of files, or of every one when key is empty; more are
// the values bound after the key.
bool SelectForKey(QSqlQuery& query, const char* sql, const std::u16string& key,
                  const QVariantList& more = {}) {
    query.setForwardOnly(true);
    query.prepare(QString::fromLatin1(sql));
    query.addBindValue(key.empty() ? 1 : 0);
    query.addBindValue(Text(key));
    for (const QVariant& value : more) {
        query.addBindValue(value);
    }
    return query.exec();
}

}  // namespace

cSqlitePassHistory::cSqlitePassHistory(QString path)
    : m_path(path.isEmpty() ? DefaultPath() : std::move(path)) {
    static std::atomic<int> connections{0};
    m_connection = QStringLiteral("recallix-history-%1").arg(++connections);
}

cSqlitePassHistory::~cSqlitePassHistory() {
    Disconnect();
}

QString cSqlitePassHistory::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/history.sqlite");
}

QSqlDatabase cSqlitePassHistory::Database() const {
    return QSqlDatabase::database(m_connection, false);
}

void cSqlitePassHistory::SetUnavailableNotice(std::function<void()> notice) {
    m_unavailableNotice.SetListener(std::move(notice));
}

void cSqlitePassHistory::Fail() {
    m_unavailableNotice.Give();
}

// ---------------------------------------------------------------------------------------
// Opening

bool cSqlitePassHistory::Open() {
    if (m_tried) {
        return m_open;
    }
    m_tried = true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Copies starting at once take turns to open, the way they take turns to write the
    // settings: one may be creating the file, writing its header or switching it to WAL
    // while another would otherwise read a half-made file as damaged, or find it busy.
    // Without a turn within the bound, SQLite's own locking still guards the data.
    cSettingsLock turn(m_path);
    turn.Acquire();
    // A file that is no database at all is set aside before SQLite opens it: SQLite
    // would delete the journal beside it, which may be all that is left of the passes.
    bool damaged = !HasDatabaseHeader();
    bool usable = damaged || Connect();
    damaged = damaged || (usable && IsDamaged());
    if (damaged) {
        usable = SetAside() && Connect() && !IsDamaged();
    }
    m_open = usable && Configure() && Migrate();
    if (!m_open) {
        Disconnect();
        Fail();
    } else if (!m_setAsidePath.isEmpty() && m_setAsideNotice) {
        m_setAsideNotice();
    }
    return m_open;
}

bool cSqlitePassHistory::Connect() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    return db.isValid() && db.open();
}

void cSqlitePassHistory::Disconnect() {
    if (QSqlDatabase::contains(m_connection)) {
        Database().close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool cSqlitePassHistory::HasDatabaseHeader() const {
    QFile file(m_path);
    if (!QFileInfo(m_path).isFile() || file.size() == 0) {
        return true;  // a new history, or a path SQLite will refuse by itself
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return true;  // left to SQLite, which says what is wrong with it
    }
    return file.read(16) == QByteArray("SQLite format 3", 16);
}

bool cSqlitePassHistory::IsDamaged() {
    QSqlQuery query(Database());
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)"))) {
        return IsDamageError(query.lastError());
    }
    return !query.next() || query.value(0).toString() != QStringLiteral("ok");
}

bool cSqlitePassHistory::SetAside() {
    Disconnect();
    const QString suffix = QStringLiteral(".damaged-") + QDateTime::currentDateTimeUtc().toString(
                                                             QStringLiteral("yyyyMMdd-HHmmss"));
    // The journal files belong to the damaged file; a new file must not pick them up.
    for (const QString& part : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFile::exists(m_path + part)) {
            QFile::rename(m_path + part, m_path + suffix + part);
        }
    }
    if (!QFile::rename(m_path, m_path + suffix)) {
        return false;  // never deleted: without a place aside the history stays off
    }
    m_setAsidePath = m_path + suffix;
    return true;
}

bool cSqlitePassHistory::Configure() {
    QSqlQuery query(Database());
    // WAL lets the History window read while another copy writes; NORMAL sync keeps every
    // committed pass through a crash of the program (only a power loss may undo the last).
    return query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) &&
           query.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) &&
           query.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
}

bool cSqlitePassHistory::Migrate() {
    QSqlQuery query(Database());
    // The write lock first: two copies starting on a new file build it once.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return false;
    }
    int version = -1;
    if (query.exec(QStringLiteral("PRAGMA user_version")) && query.next()) {
        version = query.value(0).toInt();
    }
    // A file from a newer program is left as it is.
    bool migrated = version >= 0 && version <= kSchemaVersion;
    for (int step = version; migrated && step < kSchemaVersion; ++step) {
        migrated = ExecAll(query, QString::fromLatin1(kMigrations[step]));
    }
    if (migrated && version != kSchemaVersion) {
        migrated = query.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
    }
    query.exec(QString::fromLatin1(migrated ? "COMMIT" : "ROLLBACK"));
    return migrated;
}

// ---------------------------------------------------------------------------------------
// Writing and reading

void cSqlitePassHistory::RecordPass(const sPassRecord& pass) {
    if (!Open()) {
        return;
    }
    QSqlQuery query(Database());
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        Fail();
        return;
    }
    if (Insert(pass) && query.exec(QStringLiteral("COMMIT"))) {
        return;
    }
    query.exec(QStringLiteral("ROLLBACK"));
    Fail();
}

bool cSqlitePassHistory::Insert(const sPassRecord& pass) {
    QSqlQuery query(Database());
    query.prepare(QStringLiteral(
        "INSERT INTO pass(ended_utc_ms, key, files, time_ms, cards, wrong, ignored, review)"
        " VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
    const qint64 ended =
        pass.endedUtcMs != 0 ? pass.endedUtcMs : QDateTime::currentMSecsSinceEpoch();
    for (const QVariant& value :
         {QVariant(ended), QVariant(Text(pass.key)), QVariant(Text(pass.files)),
          QVariant(qint64(pass.timeMs)), QVariant(pass.cards), QVariant(pass.wrongAnswers),
          QVariant(pass.ignoredCards), QVariant(pass.review ? 1 : 0)}) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        return false;
    }
    const QVariant passId = query.lastInsertId();
    query.prepare(QStringLiteral(
        "INSERT INTO missed_card(pass_id, cue, answer, wrong, ignored) VALUES(?, ?, ?, ?, ?)"));
    for (const sMissedCard& card : pass.missed) {
        query.addBindValue(passId);
        query.addBindValue(Text(card.cue));
        query.addBindValue(Text(card.answer));
        query.addBindValue(card.wrongAnswers);
        query.addBindValue(card.ignored ? 1 : 0);
        if (!query.exec()) {
            return false;
        }
    }
    return true;
}

std::vector<sPassRecord> cSqlitePassHistory::ReadPasses(const std::u16string& key) {
    std::vector<sPassRecord> passes;
    if (!Open()) {
        return passes;
    }
    QSqlQuery query(Database());
    if (!SelectForKey(query,
                      "SELECT ended_utc_ms, key, files, time_ms, cards, wrong, ignored, review"
                      " FROM pass WHERE ? OR key = ? ORDER BY ended_utc_ms DESC, id DESC",
                      key)) {
        return passes;
    }
    while (query.next()) {
        sPassRecord& pass = passes.emplace_back();
        pass.endedUtcMs = query.value(0).toLongLong();
        pass.key = query.value(1).toString().toStdU16String();
        pass.files = query.value(2).toString().toStdU16String();
        pass.timeMs = static_cast<uint32_t>(query.value(3).toLongLong());
        pass.cards = query.value(4).toInt();
        pass.wrongAnswers = query.value(5).toInt();
        pass.ignoredCards = query.value(6).toInt();
        pass.review = query.value(7).toInt() != 0;
    }
    return passes;
}

std::vector<sHardCard> cSqlitePassHistory::ReadHardestCards(const std::u16string& key, int limit) {
    std::vector<sHardCard> cards;
    if (!Open()) {
        return cards;
    }
    QSqlQuery query(Database());
    if (!SelectForKey(query,
                      "SELECT m.cue, m.answer, COUNT(*) AS passes, SUM(m.wrong) AS wrong"
                      " FROM missed_card m JOIN pass p ON p.id = m.pass_id WHERE ? OR p.key = ?"
                      " GROUP BY m.cue, m.answer ORDER BY passes DESC, wrong DESC, m.cue"
                      " LIMIT ?",
                      key, {limit})) {
        return cards;
    }
    while (query.next()) {
        cards.push_back({query.value(0).toString().toStdU16String(),
                         query.value(1).toString().toStdU16String(), query.value(2).toInt(),
                         query.value(3).toInt()});
    }
    return cards;
}
