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
#include <algorithm>
#include <atomic>
#include <map>
#include <thread>
#include <tuple>

namespace {

// SQLite's result codes: the file is locked by another connection; it is not a database
// or its pages are broken; the disk is full or failed.
constexpr int kSqliteBusy = 5, kSqliteLocked = 6;
constexpr int kSqliteCorrupt = 11, kSqliteNotADatabase = 26;
constexpr int kSqliteIoError = 10, kSqliteFull = 13;

// What a call may spend on its own work within the bound, beside waiting for a lock.
constexpr std::chrono::milliseconds kOwnWorkAllowance{100};
// The longest pause between two attempts on a locked file.
constexpr std::chrono::milliseconds kLongestPause{20};

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
    // Version 3: every card's memory and the graded answers that made it; a graded answer
    // of a pass that did not finish has no pass.
    "ALTER TABLE pass ADD COLUMN due INTEGER NOT NULL DEFAULT 0;"
    "CREATE TABLE card_memory(card INTEGER PRIMARY KEY, stability REAL NOT NULL,"
    " difficulty REAL NOT NULL, last_review_ms INTEGER NOT NULL, due_day INTEGER NOT NULL,"
    " first_day INTEGER NOT NULL, reps INTEGER NOT NULL, lapses INTEGER NOT NULL,"
    " usual_answer_ms INTEGER NOT NULL);"
    "CREATE TABLE graded_answer(id INTEGER PRIMARY KEY,"
    " pass_id INTEGER REFERENCES pass(id) ON DELETE CASCADE, card INTEGER NOT NULL,"
    " answered_utc_ms INTEGER NOT NULL, grade INTEGER NOT NULL, answer_ms INTEGER NOT NULL);"
    "CREATE INDEX graded_answer_by_card ON graded_answer(card, answered_utc_ms)",
};
static_assert(std::size(kMigrations) == cSqlitePassHistory::kSchemaVersion);

int PrimaryCode(const QSqlError& error) {
    return error.nativeErrorCode().toInt() & 0xFF;
}

bool IsDamageError(const QSqlError& error) {
    const int code = PrimaryCode(error);
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

bool IsBusyError(const QSqlError& error) {
    const int code = PrimaryCode(error);
    return code == kSqliteBusy || code == kSqliteLocked;
}

// A write that may well succeed later: the passes wait for it in memory.
bool IsPassingError(const QSqlError& error) {
    const int code = PrimaryCode(error);
    return IsBusyError(error) || code == kSqliteFull || code == kSqliteIoError;
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

cSqlitePassHistory::cSqlitePassHistory(QString path, std::chrono::milliseconds waitBound)
    : m_path(path.isEmpty() ? DefaultPath() : std::move(path)), m_waitBound(waitBound) {
    static std::atomic<int> connections{0};
    m_connection = QStringLiteral("recallix-history-%1").arg(++connections);
}

cSqlitePassHistory::~cSqlitePassHistory() {
    // A last offer of the passes still waiting; there is no one left to tell about it.
    m_unavailableNotice.SetListener({});
    m_deferredNotice.SetListener({});
    if (!m_waiting.empty() || !m_waitingGraded.empty()) {
        StartCall();
        WriteWaiting();
    }
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
    Disconnect();
    m_state = eState::Off;
    m_waiting.clear();  // nowhere to keep them: the notice says so
    m_waitingGraded.clear();
    m_unavailableNotice.Give();
}

void cSqlitePassHistory::StartCall() {
    // The waits for another program end a little before the bound: the call's own work
    // and the wake-up from the last wait must fit in it too.
    m_deadline = Clock::now() + m_waitBound - std::min(m_waitBound / 10, kOwnWorkAllowance);
}

int cSqlitePassHistory::RemainingMs() const {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Runs attempt until it succeeds, fails for another reason than another connection's
// lock, or the call's time is up. SQLite's own busy handler is not used: it counts the
// sleeps it meant to take rather than the time that passed, which on a loaded machine
// comes to far more.
bool cSqlitePassHistory::Retry(QSqlQuery& query, const std::function<bool()>& attempt) {
    std::chrono::milliseconds pause{1};
    while (!attempt()) {
        if (!IsBusyError(query.lastError())) {
            return false;
        }
        const Clock::duration left = m_deadline - Clock::now();
        if (left <= Clock::duration::zero()) {
            m_busy = true;
            return false;
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, left));
        pause = std::min(pause * 2, kLongestPause);
    }
    return true;
}

bool cSqlitePassHistory::Run(QSqlQuery& query, const QString& sql) {
    return Retry(query, [&] { return query.exec(sql); });
}

// ---------------------------------------------------------------------------------------
// Opening

bool cSqlitePassHistory::Open() {
    StartCall();
    return TryOpen();
}

bool cSqlitePassHistory::TryOpen() {
    if (m_state != eState::Closed) {
        return m_state == eState::Open;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Copies starting at once take turns to open, the way they take turns to write the
    // settings: one may be creating the file, writing its header or switching it to WAL
    // while another would otherwise read a half-made file as damaged, or find it busy.
    // Without a turn within the bound, SQLite's own locking still guards the data.
    cSettingsLock turn(m_path);
    turn.Acquire(std::chrono::milliseconds(RemainingMs()));
    m_busy = false;
    // A file that is no database at all is set aside before SQLite opens it: SQLite
    // would delete the journal beside it, which may be all that is left of the passes.
    bool damaged = !HasDatabaseHeader();
    bool usable = damaged || Connect();
    damaged = damaged || (usable && IsDamaged());
    if (damaged && !m_busy) {
        usable = SetAside() && Connect() && !IsDamaged();
    }
    if (usable && !m_busy && Configure() && Migrate()) {
        m_state = eState::Open;
        if (!m_setAsidePath.isEmpty() && m_setAsideNotice) {
            m_setAsideNotice();
        }
        return true;
    }
    if (m_busy) {
        Disconnect();  // another program holds the file: opened again at the next use
        return false;
    }
    Fail();
    return false;
}

bool cSqlitePassHistory::Connect() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));  // Retry waits instead
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
    if (!Run(query, QStringLiteral("PRAGMA quick_check(1)"))) {
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
    return Run(query, QStringLiteral("PRAGMA journal_mode=WAL")) &&
           Run(query, QStringLiteral("PRAGMA synchronous=NORMAL")) &&
           Run(query, QStringLiteral("PRAGMA foreign_keys=ON"));
}

bool cSqlitePassHistory::Migrate() {
    QSqlQuery query(Database());
    // A file that is up to date needs no write lock: another program's write then keeps
    // the history from taking passes for a while, not from being read.
    if (Run(query, QStringLiteral("PRAGMA user_version")) && query.next() &&
        query.value(0).toInt() == kSchemaVersion) {
        query.finish();
        return true;
    }
    if (m_busy) {
        return false;
    }
    // The write lock first: two copies starting on a new file build it once.
    if (!Run(query, QStringLiteral("BEGIN IMMEDIATE"))) {
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
    if (m_state == eState::Off) {
        return;
    }
    StartCall();
    sPassRecord& waiting = m_waiting.emplace_back(pass);
    if (waiting.endedUtcMs == 0) {
        waiting.endedUtcMs = QDateTime::currentMSecsSinceEpoch();  // not when it is written
    }
    WriteWaiting();
}

void cSqlitePassHistory::RecordGradedAnswers(const std::vector<sGradedAnswer>& answers) {
    if (m_state == eState::Off) {
        return;
    }
    StartCall();
    m_waitingGraded.insert(m_waitingGraded.end(), answers.begin(), answers.end());
    WriteWaiting();
}

bool cSqlitePassHistory::WriteWaiting() {
    if (m_waiting.empty() && m_waitingGraded.empty()) {
        return true;
    }
    if (!TryOpen()) {
        if (m_state == eState::Closed) {
            m_deferredNotice.Give();
        }
        return false;
    }
    // All the waiting passes in one transaction: each is still written whole or not at all.
    QSqlQuery query(Database());
    bool written = Run(query, QStringLiteral("BEGIN IMMEDIATE"));
    QSqlError error = query.lastError();
    if (written) {
        for (const sPassRecord& pass : m_waiting) {
            if (!Insert(pass, error)) {
                written = false;
                break;
            }
        }
        written = written && InsertGraded(m_waitingGraded, QVariant(), error);
        if (written && !Run(query, QStringLiteral("COMMIT"))) {
            written = false;
            error = query.lastError();
        }
        if (!written) {
            query.exec(QStringLiteral("ROLLBACK"));
        }
    }
    if (written) {
        m_waiting.clear();
        m_waitingGraded.clear();
    } else if (IsPassingError(error)) {
        m_deferredNotice.Give();
    } else {
        Fail();
    }
    return written;
}

bool cSqlitePassHistory::Insert(const sPassRecord& pass, QSqlError& error) {
    QSqlQuery query(Database());
    query.prepare(QStringLiteral(
        "INSERT INTO pass(ended_utc_ms, key, files, time_ms, cards, wrong, ignored, review, due)"
        " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(qint64(pass.endedUtcMs)), QVariant(Text(pass.key)), QVariant(Text(pass.files)),
          QVariant(qint64(pass.timeMs)), QVariant(pass.cards), QVariant(pass.wrongAnswers),
          QVariant(pass.ignoredCards), QVariant(pass.review ? 1 : 0), QVariant(pass.due ? 1 : 0)}) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        error = query.lastError();
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
            error = query.lastError();
            return false;
        }
    }
    return InsertGraded(pass.graded, passId, error);
}

bool cSqlitePassHistory::InsertGraded(const std::vector<sGradedAnswer>& answers,
                                      const QVariant& passId, QSqlError& error) {
    QSqlQuery log(Database());
    QSqlQuery memory(Database());
    log.prepare(
        QStringLiteral("INSERT INTO graded_answer(pass_id, card, answered_utc_ms, grade,"
                       " answer_ms) VALUES(?, ?, ?, ?, ?)"));
    // Two copies may grade the same card: the later grade holds, whichever is written last.
    memory.prepare(QStringLiteral(
        "INSERT INTO card_memory(card, stability, difficulty, last_review_ms, due_day, first_day,"
        " reps, lapses, usual_answer_ms) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"
        " ON CONFLICT(card) DO UPDATE SET stability = excluded.stability,"
        " difficulty = excluded.difficulty, last_review_ms = excluded.last_review_ms,"
        " due_day = excluded.due_day, first_day = excluded.first_day, reps = excluded.reps,"
        " lapses = excluded.lapses, usual_answer_ms = excluded.usual_answer_ms"
        " WHERE excluded.last_review_ms >= card_memory.last_review_ms"));
    for (const sGradedAnswer& answer : answers) {
        const auto card = QVariant(static_cast<qint64>(answer.card));  // all 64 bits kept
        const sMemoryState& state = answer.memory;
        for (const QVariant& value :
             {passId, card, QVariant(qint64(answer.answeredUtcMs)),
              QVariant(static_cast<int>(answer.grade)), QVariant(qint64(answer.answerMs))}) {
            log.addBindValue(value);
        }
        for (const QVariant& value :
             {card, QVariant(state.stability), QVariant(state.difficulty),
              QVariant(qint64(state.lastReviewMs)), QVariant(state.dueDay),
              QVariant(state.firstDay), QVariant(state.reps), QVariant(state.lapses),
              QVariant(qint64(state.usualAnswerMs))}) {
            memory.addBindValue(value);
        }
        if (!log.exec() || !memory.exec()) {
            error = log.lastError().isValid() ? log.lastError() : memory.lastError();
            return false;
        }
    }
    return true;
}

bool cSqlitePassHistory::ReadCardMemories(std::vector<sCardMemory>& list) {
    std::map<uint64_t, sMemoryState> memories;
    StartCall();
    WriteWaiting();
    QSqlQuery query(TryOpen() ? Database() : QSqlDatabase());
    query.setForwardOnly(true);
    const bool read =
        m_state == eState::Open && Retry(query, [&] {
            return query.exec(QStringLiteral(
                "SELECT card, stability, difficulty, last_review_ms, due_day, first_day,"
                " reps, lapses, usual_answer_ms FROM card_memory"));
        });
    if (read) {
        while (query.next()) {
            sMemoryState& state = memories[static_cast<uint64_t>(query.value(0).toLongLong())];
            state.stability = query.value(1).toDouble();
            state.difficulty = query.value(2).toDouble();
            state.lastReviewMs = query.value(3).toLongLong();
            state.dueDay = query.value(4).toInt();
            state.firstDay = query.value(5).toInt();
            state.reps = query.value(6).toInt();
            state.lapses = query.value(7).toInt();
            state.usualAnswerMs = static_cast<uint32_t>(query.value(8).toLongLong());
        }
    }
    // The answers the file has not taken yet, by the rule the file keeps: the later grade.
    const auto keep = [&memories](const sGradedAnswer& answer) {
        const auto [kept, added] = memories.try_emplace(answer.card, answer.memory);
        if (!added && answer.memory.lastReviewMs >= kept->second.lastReviewMs) {
            kept->second = answer.memory;
        }
    };
    for (const sPassRecord& pass : m_waiting) {
        std::for_each(pass.graded.begin(), pass.graded.end(), keep);
    }
    std::for_each(m_waitingGraded.begin(), m_waitingGraded.end(), keep);
    list.clear();
    list.reserve(memories.size());
    for (const auto& [card, state] : memories) {
        list.push_back({card, state});
    }
    // A history that is off keeps nothing: there is nothing to read, and nothing to spoil.
    return read || m_state == eState::Off;
}

std::vector<sPassRecord> cSqlitePassHistory::ReadPasses(const std::u16string& key) {
    std::vector<sPassRecord> passes;
    StartCall();
    WriteWaiting();
    QSqlQuery query(TryOpen() ? Database() : QSqlDatabase());
    if (m_state == eState::Open && Retry(query, [&] {
            return SelectForKey(
                query,
                "SELECT ended_utc_ms, key, files, time_ms, cards, wrong, ignored, review, due"
                " FROM pass WHERE ? OR key = ? ORDER BY ended_utc_ms DESC, id DESC",
                key);
        })) {
        ReadPassRows(query, passes);
    }
    // The passes the file has not taken yet are part of the history all the same.
    bool added = false;
    for (const sPassRecord& waiting : m_waiting) {
        if (key.empty() || waiting.key == key) {
            passes.push_back(waiting);
            passes.back().missed.clear();
            passes.back().graded.clear();
            added = true;
        }
    }
    if (added) {
        std::stable_sort(passes.begin(), passes.end(),
                         [](const auto& a, const auto& b) { return a.endedUtcMs > b.endedUtcMs; });
    }
    return passes;
}

void cSqlitePassHistory::ReadPassRows(QSqlQuery& query, std::vector<sPassRecord>& passes) {
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
        pass.due = query.value(8).toInt() != 0;
    }
}

std::vector<sHardCard> cSqlitePassHistory::ReadHardestCards(const std::u16string& key, int limit) {
    std::vector<sHardCard> cards;
    StartCall();
    WriteWaiting();
    // The cards of the waiting passes, counted as the file counts them.
    std::map<std::pair<std::u16string, std::u16string>, std::pair<int, int>> waitingCards;
    for (const sPassRecord& waiting : m_waiting) {
        if (!key.empty() && waiting.key != key) {
            continue;
        }
        for (const sMissedCard& card : waiting.missed) {
            auto& [passes, wrong] = waitingCards[{card.cue, card.answer}];
            ++passes;
            wrong += card.wrongAnswers;
        }
    }
    QSqlQuery query(TryOpen() ? Database() : QSqlDatabase());
    if (m_state == eState::Open && Retry(query, [&] {
            return SelectForKey(
                query,
                "SELECT m.cue, m.answer, COUNT(*) AS passes, SUM(m.wrong) AS wrong"
                " FROM missed_card m JOIN pass p ON p.id = m.pass_id WHERE ? OR p.key = ?"
                " GROUP BY m.cue, m.answer ORDER BY passes DESC, wrong DESC, m.cue"
                " LIMIT ?",
                key, {limit + static_cast<int>(waitingCards.size())});
        })) {
        while (query.next()) {
            cards.push_back({query.value(0).toString().toStdU16String(),
                             query.value(1).toString().toStdU16String(), query.value(2).toInt(),
                             query.value(3).toInt()});
        }
    }
    if (waitingCards.empty()) {
        cards.resize(std::min<size_t>(cards.size(), static_cast<size_t>(std::max(limit, 0))));
        return cards;
    }
    for (sHardCard& card : cards) {
        const auto waiting = waitingCards.find({card.cue, card.answer});
        if (waiting != waitingCards.end()) {
            card.passesMissed += waiting->second.first;
            card.wrongAnswers += waiting->second.second;
            waitingCards.erase(waiting);
        }
    }
    for (const auto& [card, counts] : waitingCards) {
        cards.push_back({card.first, card.second, counts.first, counts.second});
    }
    std::sort(cards.begin(), cards.end(), [](const sHardCard& a, const sHardCard& b) {
        return std::tie(b.passesMissed, b.wrongAnswers, a.cue) <
               std::tie(a.passesMissed, a.wrongAnswers, b.cue);
    });
    cards.resize(std::min<size_t>(cards.size(), static_cast<size_t>(std::max(limit, 0))));
    return cards;
}
