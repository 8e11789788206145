#include "cuefiles/regular_file.h"

#include <cerrno>
#include <span>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cuefiles/utf8_validator.h"

namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The stand-in for a byte that is not part of well-formed UTF-8.
constexpr char16_t kEscapedByteBase = 0xDC00;
bool IsEscapedByte(char16_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}

// The length of the well-formed UTF-8 sequence at bytes[i] and its code point; 0 when the
// byte does not start one.
size_t ReadUtf8Sequence(std::span<const unsigned char> bytes, size_t i, char32_t& code) {
    sUtf8Lead lead;
    if (!ReadUtf8Lead(bytes[i], lead) || i + lead.continuations >= bytes.size()) {
        return 0;
    }
    code = lead.bits;
    unsigned char low = lead.firstLow;
    unsigned char high = lead.firstHigh;
    for (int k = 1; k <= lead.continuations; ++k) {
        const unsigned char byte = bytes[i + k];
        if (byte < low || byte > high) {
            return 0;
        }
        code = (code << 6) | (byte & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    return static_cast<size_t>(lead.continuations) + 1;
}

void AppendUtf16(char32_t code, std::u16string& out) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
        return;
    }
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

void AppendUtf8(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

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

bool cRegularFile::ToFileSystemPath(std::u16string_view path, std::string& result) {
    result.clear();
    if (path.empty()) {
        return false;
    }
    for (size_t i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i];
        if (IsEscapedByte(unit)) {
            result += static_cast<char>(unit - kEscapedByteBase);
            continue;
        }
        if (unit == 0 || IsLowSurrogate(unit)) {
            return false;
        }
        if (!IsHighSurrogate(unit)) {
            AppendUtf8(unit, result);
            continue;
        }
        if (i + 1 == path.size() || !IsLowSurrogate(path[i + 1])) {
            return false;
        }
        const char32_t high = unit - 0xD800u;
        const char32_t low = path[++i] - 0xDC00u;
        AppendUtf8(0x10000 + (high << 10) + low, result);
    }
    return true;
}

std::u16string cRegularFile::FromFileSystemPath(std::string_view path) {
    const std::span<const unsigned char> bytes(reinterpret_cast<const unsigned char*>(path.data()),
                                               path.size());
    std::u16string result;
    result.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        if (bytes[i] < 0x80) {
            result += static_cast<char16_t>(bytes[i++]);
        } else if (const size_t length = ReadUtf8Sequence(bytes, i, code)) {
            AppendUtf16(code, result);
            i += length;
        } else {
            result += static_cast<char16_t>(kEscapedByteBase + bytes[i++]);
        }
    }
    return result;
}
