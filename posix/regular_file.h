// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A regular file open for reading through a POSIX file descriptor, closed on destruction.
// Anything that is not a regular file (directory, FIFO, device) is refused, so a read can
// neither block on a pipe nor run forever on a device.
class cRegularFile {
public:
    cRegularFile() = default;
    virtual ~cRegularFile();
    cRegularFile(const cRegularFile&) = delete;
    cRegularFile& operator=(const cRegularFile&) = delete;

    // Opens the file (path in UTF-16). False, with nothing open, when the path cannot be
    // expressed for the file system, the file cannot be opened or it is not regular.
    bool Open(const std::u16string& path);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

    // Reads up to size bytes at the current position. The byte count, 0 at the end of the
    // file, -1 on a read error.
    ptrdiff_t Read(unsigned char* buffer, size_t size);
    // Reads until size bytes, the end of the file or an error, at offset and without
    // moving the current position. The byte count or -1 on a read error.
    ptrdiff_t ReadFullyAt(uint64_t offset, unsigned char* buffer, size_t size) const;
    // The size of the open file in bytes now; 0 when nothing is open.
    uint64_t GetSize() const;

private:
    int m_fd = -1;
};
