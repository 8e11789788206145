// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "posix/regular_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/file_system_path.h"

namespace {

// Opened without blocking so that a FIFO without a writer cannot hang the open; the check
// for a regular file then happens on the very file that was opened.
int OpenRegular(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

cRegularFile::~cRegularFile() {
    Close();
}

bool cRegularFile::Open(const std::u16string& path) {
    Close();
    std::string systemPath;
    if (!ToFileSystemPath(path, systemPath)) {
        return false;
    }
    m_fd = OpenRegular(systemPath);
    return m_fd >= 0;
}

void cRegularFile::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

ptrdiff_t cRegularFile::Read(unsigned char* buffer, size_t size) {
    if (m_fd < 0) {
        return -1;
    }
    for (;;) {
        const ssize_t count = ::read(m_fd, buffer, size);
        if (count >= 0 || errno != EINTR) {
            return count;
        }
    }
}

uint64_t cRegularFile::GetSize() const {
    struct stat info {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || info.st_size < 0) {
        return 0;
    }
    return static_cast<uint64_t>(info.st_size);
}

ptrdiff_t cRegularFile::ReadFullyAt(uint64_t offset, unsigned char* buffer, size_t size) const {
    if (m_fd < 0) {
        return -1;
    }
    size_t done = 0;
    while (done < size) {
        const ssize_t count =
            ::pread(m_fd, buffer + done, size - done, static_cast<off_t>(offset + done));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return -1;
        }
        if (count == 0) {
            break;
        }
        done += static_cast<size_t>(count);
    }
    return static_cast<ptrdiff_t>(done);
}
