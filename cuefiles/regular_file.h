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

    // File names are bytes, mostly UTF-8. A byte that is not part of well-formed UTF-8
    // (a Latin-1 name from an old archive) travels in UTF-16 as the unpaired surrogate
    // U+DC80..U+DCFF, so that every name comes back to the very bytes it was made from.

    // The path as bytes for the file system. False for an empty path, a path holding
    // U+0000 (the system would cut it there) or any other unpaired surrogate.
    static bool ToFileSystemPath(std::u16string_view path, std::string& result);
    // The bytes of a path (a command-line argument, a name read from a folder) as UTF-16.
    static std::u16string FromFileSystemPath(std::string_view path);

private:
    int m_fd = -1;
};
