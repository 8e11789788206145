// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QString>

#include "platform/once_notice.h"
#include "platform/pass_history.h"

class QSqlDatabase;

// The pass history in an SQLite file, shared by every running copy of the program. The
// file is opened on first use; each pass is written in one transaction, so a copy killed
// while writing loses that pass at most, and copies writing at once wait their turn.
// A damaged file is renamed aside with the date and a new one started; a file that
// cannot be used leaves the history unavailable for the run, and the program goes on.
class cSqlitePassHistory : public cPassHistory {
public:
    // The version of the tables this program writes; older files are brought up to it.
    static constexpr int kSchemaVersion = 2;

    // path: the database file; empty for history.sqlite in the user's data folder.
    explicit cSqlitePassHistory(QString path = {});
    ~cSqlitePassHistory() override;
    cSqlitePassHistory(const cSqlitePassHistory&) = delete;
    cSqlitePassHistory& operator=(const cSqlitePassHistory&) = delete;

    void RecordPass(const sPassRecord& pass) override;
    std::vector<sPassRecord> ReadPasses(const std::u16string& key) override;
    std::vector<sHardCard> ReadHardestCards(const std::u16string& key, int limit) override;
    void SetUnavailableNotice(std::function<void()> notice) override;

    // notice is called when a damaged file has been set aside and a new one started.
    void SetSetAsideNotice(std::function<void()> notice) { m_setAsideNotice = std::move(notice); }

    // The file in the user's data folder (under $XDG_DATA_HOME when that is set).
    static QString DefaultPath();
    const QString& GetPath() const { return m_path; }
    // Where a damaged file was put aside this run; empty when none was.
    const QString& GetSetAsidePath() const { return m_setAsidePath; }
    // Opens the file if that has not been tried yet; true when the history can be used.
    bool Open();

private:
    QSqlDatabase Database() const;
    bool Connect();
    void Disconnect();
    bool HasDatabaseHeader() const;
    bool IsDamaged();
    bool SetAside();
    bool Configure();
    bool Migrate();
    bool Insert(const sPassRecord& pass);
    void Fail();

    QString m_path;
    QString m_connection;  // this object's own connection name
    QString m_setAsidePath;
    bool m_tried = false;
    bool m_open = false;
    cOnceNotice m_unavailableNotice;
    std::function<void()> m_setAsideNotice;
};
