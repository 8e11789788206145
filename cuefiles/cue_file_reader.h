// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// How the bytes of a cue file are turned into UTF-16 text.
enum class eCueEncoding {
    Utf16Le,  // UTF-16 little-endian; a leading byte-order mark is skipped
    Utf16Be,  // UTF-16 big-endian, only ever decided by its byte-order mark, which is skipped
    Latin1,   // 8-bit text, each byte one character (ISO-8859-1); 0x1A ends the data
    Utf8,     // UTF-8; a leading byte-order mark is skipped
};

// Reads a cue file line by line, decoding as it goes so memory stays bounded whatever
// the size of the file. A line ends at LF, at CR LF or at a CR alone (older Mac files), in every
// encoding.
class cCueFileReader {
public:
    // The file is read and decoded in pieces of this many bytes: large enough that system
    // calls cost little, small enough that a huge file never has to fit in memory.
    static constexpr size_t kPieceBytes = 64 * 1024;

    cCueFileReader();
    virtual ~cCueFileReader();
    cCueFileReader(const cCueFileReader&) = delete;
    cCueFileReader& operator=(const cCueFileReader&) = delete;

    // Opens a regular file (path in UTF-16, converted to the file system's encoding) and
    // decides its encoding. False for a missing, unreadable or non-regular file
    // (directory, FIFO, device); nothing is left open then.
    bool Open(const std::u16string& path);
    bool IsOpen() const;
    eCueEncoding GetEncoding() const;

    // The next physical line without its line feeds into line. Returns false, with line
    // empty, when nothing was left to read.
    bool ReadTextLine(std::u16string& line);
    // The same line without copying it where it can: line views the reader's own text and
    // stays valid until the next read. A line that runs across two pieces of the file is
    // put together in spill, which line then views.
    bool ReadTextLine(std::u16string_view& line, std::u16string& spill);

    // How far reading has got through the file, in bytes, and the file's size when it was
    // opened: enough to show the progress of a long load.
    uint64_t GetBytesRead() const;
    uint64_t GetFileSize() const;

    // True once a read has reached the end of the data (or a read error stopped it).
    bool IsAtEnd() const;
    // True when reading stopped on a read error rather than at the end of the file.
    bool HasReadError() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};
