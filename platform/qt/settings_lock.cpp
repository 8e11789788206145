// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/qt/settings_lock.h"

#include <cerrno>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

namespace {

using namespace std::chrono_literals;

// A lock file of QSettings holds three short lines; anything longer is not one.
constexpr off_t kMaxLockFileSize = 4096;

QByteArray SystemPath(const QString& path) {
    return QFile::encodeName(path);
}

// Removes whatever sits at path, file or empty folder, without following a link.
bool RemoveEntry(const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
        return errno == ENOENT;
    }
    return (S_ISDIR(info.st_mode) ? ::rmdir(path.constData()) : ::unlink(path.constData())) == 0;
}

// Opens the lock file as a regular file of its own, replacing once anything else found
// there (a folder, a link, a pipe): none of those can be left by a writer of ours.
int OpenLockFile(const QByteArray& path) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd =
            ::open(path.constData(),
                   O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
            return fd;
        }
        if (fd >= 0) {
            ::close(fd);
        }
        if (!RemoveEntry(path)) {
            return -1;
        }
    }
    return -1;
}

bool IsProcessRunning(qint64 pid) {
    if (pid <= 0 || pid == ::getpid()) {
        return false;
    }
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Whether QSettings' lock file names a process that may still be writing: one running
// here, or one on another machine sharing the home folder, which cannot be asked.
bool NamesLiveWriter(const QString& path) {
    struct stat info {};
    if (::lstat(SystemPath(path).constData(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > kMaxLockFileSize) {
        return false;
    }
    qint64 pid = 0;
    QString hostName;
    QString appName;
    if (!QLockFile(path).getLockInfo(&pid, &hostName, &appName)) {
        return false;  // empty or garbage: a writer died before finishing it
    }
    if (!hostName.isEmpty() && hostName != QSysInfo::machineHostName()) {
        return true;
    }
    return IsProcessRunning(pid);
}

void Pause(std::chrono::milliseconds& pause, std::chrono::steady_clock::time_point deadline) {
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
        pause, std::max<std::chrono::steady_clock::duration>(
                   deadline - std::chrono::steady_clock::now(), 0ms)));
    pause = std::min(pause * 2, std::chrono::milliseconds(16));
}

}  // namespace

cSettingsLock::cSettingsLock(const QString& settingsPath) : m_settingsPath(settingsPath) {}

cSettingsLock::~cSettingsLock() {
    Release();
}

bool cSettingsLock::Acquire(std::chrono::milliseconds bound) {
    if (m_fd >= 0) {
        return true;
    }
    const Deadline deadline = std::chrono::steady_clock::now() + bound;
    if (!TakeUpdateLock(deadline)) {
        return false;
    }
    if (!ClearSettingsLock(deadline)) {
        Release();
        return false;
    }
    return true;
}

void cSettingsLock::Release() {
    if (m_fd >= 0) {
        ::close(m_fd);  // drops the flock with it
        m_fd = -1;
    }
}

bool cSettingsLock::TakeUpdateLock(Deadline deadline) {
    // The lock sits beside the settings, whose folder may not exist before the first write.
    QDir().mkpath(QFileInfo(m_settingsPath).absolutePath());
    const int fd = OpenLockFile(SystemPath(m_settingsPath + QStringLiteral(".update.lock")));
    if (fd < 0) {
        return false;
    }
    auto pause = std::chrono::milliseconds(1);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return false;
        }
        Pause(pause, deadline);
    }
    m_fd = fd;
    return true;
}

bool cSettingsLock::ClearSettingsLock(Deadline deadline) const {
    const QString path = m_settingsPath + QStringLiteral(".lock");
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (!NamesLiveWriter(path)) {
            return RemoveEntry(SystemPath(path));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        Pause(pause, deadline);
    }
}
