// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <chrono>

#include <QString>

// Lets one running instance at a time write the settings file, and never waits long.
//
// The lock is an advisory lock (flock) on "<settings>.update.lock". The system drops it
// together with the process that held it, so a crash cannot leave it behind whatever the
// file holds, and a process that hangs holding it costs the others the wait bound only.
// Every writer takes it before QSettings takes its own lock file "<settings>.lock", so
// once it is held that file can only be a leftover of a crash and is cleared, unless it
// names a process that is still running.
class cSettingsLock {
public:
    // How long Acquire waits for other instances, in all.
    static constexpr std::chrono::milliseconds kWaitBound{2000};

    explicit cSettingsLock(const QString& settingsPath);
    ~cSettingsLock();
    cSettingsLock(const cSettingsLock&) = delete;
    cSettingsLock& operator=(const cSettingsLock&) = delete;

    // True once this process may write the settings file. Waits at most bound.
    bool Acquire(std::chrono::milliseconds bound = kWaitBound);
    void Release();

private:
    using Deadline = std::chrono::steady_clock::time_point;

    bool TakeUpdateLock(Deadline deadline);
    bool ClearSettingsLock(Deadline deadline) const;

    QString m_settingsPath;
    int m_fd = -1;
};
