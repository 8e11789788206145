// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

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

    cDelimitedListReader(cCueFileReader& lines, eDialect dialect);
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
    bool IsMalformed() const { return m_malformed; }

private:
    // Splits m_line into fields, reading further lines while a quoted field is open.
    bool ParseRecord(std::u16string& first, std::u16string& second);
    // Reads the quoted field starting after the quote at pos into field; pos ends past it.
    bool ReadQuotedField(size_t& pos, std::u16string& field);
    void FinishField(int index, std::u16string& field, std::u16string& first,
                     std::u16string& second) const;

    cCueFileReader& m_lines;
    eDialect m_dialect;
    char16_t m_separator;
    std::u16string m_line;
    bool m_malformed = false;
};
