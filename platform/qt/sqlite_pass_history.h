// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QString>
#include <chrono>
#include <vector>

#include "platform/once_notice.h"
#include "platform/pass_history.h"

class QSqlDatabase;
class QSqlError;
class QSqlQuery;
class QVariant;

// The pass history in an SQLite file, shared by every running copy of the program. The
// file is opened on first use; each pass is written in one transaction, so a copy killed
// while writing loses that pass at most, and copies writing at once wait their turn.
// A damaged file is renamed aside with the date and a new one started; a file that
// cannot be used leaves the history unavailable for the run, and the program goes on.
//
// Another program may hold the file locked for a while (a backup, an sqlite3 shell, a
// second copy in a long write). No call waits longer than the bound for it: a pass that
// cannot be written yet is kept, offered again with the next pass, the next read and at
// the end, and the file is opened again at the next use.
class cSqlitePassHistory : public cPassHistory {
public:
    // The version of the tables this program writes; older files are brought up to it.
    static constexpr int kSchemaVersion = 3;
    // How long one call waits, in all, for another program's lock on the file.
    static constexpr std::chrono::milliseconds kWaitBound{2000};

    // path: the database file; empty for history.sqlite in the user's data folder.
    explicit cSqlitePassHistory(QString path = {},
                                std::chrono::milliseconds waitBound = kWaitBound);
    ~cSqlitePassHistory() override;
    cSqlitePassHistory(const cSqlitePassHistory&) = delete;
    cSqlitePassHistory& operator=(const cSqlitePassHistory&) = delete;

    void RecordPass(const sPassRecord& pass) override;
    std::vector<sPassRecord> ReadPasses(const std::u16string& key) override;
    std::vector<sHardCard> ReadHardestCards(const std::u16string& key, int limit) override;
    void RecordGradedAnswers(const std::vector<sGradedAnswer>& answers) override;
    bool ReadCardMemories(std::vector<sCardMemory>& memories) override;
    void SetUnavailableNotice(std::function<void()> notice) override;

    // notice is called when a damaged file has been set aside and a new one started.
    void SetSetAsideNotice(std::function<void()> notice) { m_setAsideNotice = std::move(notice); }
    // notice is called once, the first time a pass has to wait to be written.
    void SetDeferredNotice(std::function<void()> notice) {
        m_deferredNotice.SetListener(std::move(notice));
    }

    // The file in the user's data folder (under $XDG_DATA_HOME when that is set).
    static QString DefaultPath();
    const QString& GetPath() const { return m_path; }
    // Where a damaged file was put aside this run; empty when none was.
    const QString& GetSetAsidePath() const { return m_setAsidePath; }
    // Opens the file unless it is open or unusable; true when the history can be used.
    bool Open();
    // Passes kept in memory until the file takes them.
    size_t GetWaitingPassCount() const { return m_waiting.size(); }

private:
    enum class eState { Closed, Open, Off };
    using Clock = std::chrono::steady_clock;

    QSqlDatabase Database() const;
    void StartCall();
    int RemainingMs() const;
    bool Run(QSqlQuery& query, const QString& sql);
    bool Retry(QSqlQuery& query, const std::function<bool()>& attempt);
    bool TryOpen();
    bool Connect();
    void Disconnect();
    bool HasDatabaseHeader() const;
    bool IsDamaged();
    bool SetAside();
    bool Configure();
    bool Migrate();
    bool WriteWaiting();
    bool Insert(const sPassRecord& pass, QSqlError& error);
    bool InsertGraded(const std::vector<sGradedAnswer>& answers, const QVariant& passId,
                      QSqlError& error);
    static void ReadPassRows(QSqlQuery& query, std::vector<sPassRecord>& passes);
    void Fail();

    QString m_path;
    QString m_connection;  // this object's own connection name
    QString m_setAsidePath;
    std::chrono::milliseconds m_waitBound;
    Clock::time_point m_deadline;
    eState m_state = eState::Closed;
    bool m_busy = false;  // the last statement found the file locked by another program
    std::vector<sPassRecord> m_waiting;
    std::vector<sGradedAnswer> m_waitingGraded;  // of passes that did not finish
    cOnceNotice m_unavailableNotice;
    cOnceNotice m_deferredNotice;
    std::function<void()> m_setAsideNotice;
};
