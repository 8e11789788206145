// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <map>
#include <memory>
#include <vector>

#include <QString>
#include <QVariant>

#include "platform/once_notice.h"
#include "platform/profile.h"

class QSettings;
class cSettingsLock;

// The user's settings on QSettings: ~/.config/Vorlen/Recallix.conf (following
// XDG_CONFIG_HOME), or an INI file at a given path. An empty section is the top level;
// any other section is a group of that name.
//
// The settings must never stop or freeze the program:
// - only a regular file of a sane size is read; anything else reads as empty;
// - writers of all running instances take turns through cSettingsLock, which waits a
//   bounded time; a read-compare-write (UpdateProfileInt) happens inside one turn;
// - a value that cannot be stored (no turn within the bound, a file that cannot be
//   written or would lose lines on a rewrite) lives in memory for the rest of the run,
//   reads prefer it, and the write reports false. An update that found no turn is
//   offered to the file again at the next write and when the profile ends.
class cSettingsProfile : public cProfile {
public:
    // Largest settings file that is read: far more than any number of records needs.
    static constexpr qint64 kMaxFileSize = 8 << 20;

    cSettingsProfile();
    // Settings in the INI file at path instead of the user's own.
    explicit cSettingsProfile(const QString& path);
    ~cSettingsProfile() override;
    cSettingsProfile(const cSettingsProfile&) = delete;
    cSettingsProfile& operator=(const cSettingsProfile&) = delete;

    uint32_t GetProfileInt(std::u16string_view section, std::u16string_view entry,
                           uint32_t defaultValue) const override;
    bool WriteProfileInt(std::u16string_view section, std::u16string_view entry,
                         uint32_t value) override;
    std::u16string GetProfileString(std::u16string_view section, std::u16string_view entry,
                                    std::u16string_view defaultValue) const override;
    bool WriteProfileString(std::u16string_view section, std::u16string_view entry,
                            std::u16string_view value) override;
    bool UpdateProfileInt(std::u16string_view section, std::u16string_view entry,
                          const IntUpdate& update) override;
    void SetStoreFailureNotice(std::function<void()> notice) override;

private:
    struct sPendingUpdate {
        QString key;
        IntUpdate update;
    };

    // A fresh QSettings on the file; null when the file may not be read.
    std::unique_ptr<QSettings> OpenSettings() const;
    // The QSettings key of section and entry; empty when they cannot name a value.
    static QString MakeKey(std::u16string_view section, std::u16string_view entry);
    QVariant ReadValue(const QString& key) const;
    QVariant ReadStoredValue(const QString& key) const;
    bool Write(const QString& key, const QVariant& value);
    // Both with the lock held.
    bool WriteStoredValue(const QString& key, const QVariant& value);
    bool ApplyPendingUpdates();
    void KeepInMemory(const QString& key, const QVariant& value);
    // Tells the notice, once per run.
    void ReportStoreFailure();

    QString m_path;
    std::unique_ptr<cSettingsLock> m_lock;
    std::map<QString, QVariant> m_kept;  // values the file does not hold
    std::vector<sPendingUpdate> m_pending;
    cOnceNotice m_failureNotice;
};
