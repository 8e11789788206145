// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <functional>
#include <string>

class cCueFileReader;

// Reads a list of records with separated fields from an open file (any encoding the cue
// file reader decodes), keeping the first two fields of each. Quoting follows the usual
// rules for comma-separated files: a field that starts with a double quote runs to the
// next lone double quote, holds separators and line ends, and writes a double quote as two.
class cDelimitedListReader {
public:
    enum class eDialect {
        Tab,    // separator tab; lines starting with "#" are skipped (export header lines)
                // and fields are HTML, as flash-card programs export them
        Comma,  // separator comma; fields are plain text
    };

    // Why reading stopped before the end of the file.
    enum class eFault {
        None,
        OpenQuote,       // a quoted field runs to the end of the file
        TextAfterQuote,  // a quoted field is followed by text other than the separator
        Stopped,         // the line check asked to stop
    };
    // Asked after every so many lines whether to go on, also inside a quoted field that
    // runs over many lines; false stops reading.
    using LineCheck = std::function<bool()>;
    static constexpr unsigned kLinesPerCheck = 4096;

    cDelimitedListReader(cCueFileReader& lines, eDialect dialect, LineCheck check = {});
    virtual ~cDelimitedListReader() = default;
    cDelimitedListReader(const cDelimitedListReader&) = delete;
    cDelimitedListReader& operator=(const cDelimitedListReader&) = delete;

    // The first two fields of the next record that is not empty or a header line, as
    // plain text trimmed of white space, a line end inside a field read as a space. Either
    // may be empty (a record with one field or an empty one). False at the end of the
    // file, or when the record is malformed.
    bool ReadRecord(std::u16string& first, std::u16string& second);

    // A quoted field that never ends, or text after a closing quote other than the
    // separator: the file is not what its name says, and nothing of it should load.
    bool IsMalformed() const {
        return m_fault == eFault::OpenQuote || m_fault == eFault::TextAfterQuote;
    }
    eFault GetFault() const { return m_fault; }

private:
    // Splits m_line into fields, reading further lines while a quoted field is open.
    bool ParseRecord(std::u16string& first, std::u16string& second);
    // Reads the quoted field starting after the quote at pos, into field when keep; pos
    // ends past it. Fields after the second are not kept, so a huge one costs no memory.
    bool ReadQuotedField(size_t& pos, std::u16string& field, bool keep);
    // The next line into m_line, with the line check every so many lines.
    bool ReadLine();
    // A field that runs on and on would grow by doubling and at its peak take up to twice
    // its size; once it is large, room for all the rest of the file is taken at once.
    void MakeRoomForTheRestOfTheFile(std::u16string& field) const;
    void FinishField(int index, std::u16string& field, std::u16string& first,
                     std::u16string& second) const;

    cCueFileReader& m_lines;
    eDialect m_dialect;
    char16_t m_separator;
    LineCheck m_check;
    std::u16string m_line;
    unsigned m_linesRead = 0;
    eFault m_fault = eFault::None;
};
