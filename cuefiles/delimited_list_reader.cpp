// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cuefiles/delimited_list_reader.h"

#include <algorithm>

#include "cuefiles/cue_file_reader.h"
#include "cuefiles/html_text.h"
#include "text/white_space.h"

cDelimitedListReader::cDelimitedListReader(cCueFileReader& lines, eDialect dialect, LineCheck check)
    : m_lines(lines),
      m_dialect(dialect),
      m_separator(dialect == eDialect::Tab ? u'\t' : u','),
      m_check(std::move(check)) {}

bool cDelimitedListReader::ReadLine() {
    if (++m_linesRead % kLinesPerCheck == 0 && m_check && !m_check()) {
        m_fault = eFault::Stopped;
        return false;
    }
    return m_lines.ReadTextLine(m_line);
}

bool cDelimitedListReader::ReadRecord(std::u16string& first, std::u16string& second) {
    first.clear();
    second.clear();
    while (m_fault == eFault::None && ReadLine()) {
        const bool header = m_dialect == eDialect::Tab && !m_line.empty() && m_line[0] == u'#';
        if (m_line.empty() || header) {
            continue;
        }
        return ParseRecord(first, second);
    }
    return false;
}

bool cDelimitedListReader::ParseRecord(std::u16string& first, std::u16string& second) {
    std::u16string field;
    int index = 0;
    size_t pos = 0;
    for (;;) {
        // Spaces before an opening quote are tolerated, as hand-written files have them.
        size_t start = pos;
        while (start < m_line.size() && m_line[start] == u' ') {
            ++start;
        }
        field.clear();
        if (start < m_line.size() && m_line[start] == u'"') {
            pos = start + 1;
            if (!ReadQuotedField(pos, field, index <= 1)) {
                return false;
            }
        } else {
            const size_t end = std::min(m_line.find(m_separator, pos), m_line.size());
            if (index <= 1) {
                field.assign(m_line, pos, end - pos);
            }
            pos = end;
        }
        FinishField(index++, field, first, second);
        if (pos >= m_line.size()) {
            return true;
        }
        ++pos;  // past the separator
    }
}

bool cDelimitedListReader::ReadQuotedField(size_t& pos, std::u16string& field, bool keep) {
    for (;;) {
        const size_t quote = m_line.find(u'"', pos);
        if (quote == std::u16string::npos) {
            // The field goes on in the next line, with the line end as part of it.
            if (keep) {
                field.append(m_line, pos);
                field += u'\n';
                MakeRoomForTheRestOfTheFile(field);
            }
            if (!ReadLine()) {
                m_fault = m_fault == eFault::None ? eFault::OpenQuote : m_fault;
                return false;
            }
            pos = 0;
            continue;
        }
        if (keep) {
            field.append(m_line, pos, quote - pos);
        }
        pos = quote + 1;
        if (pos < m_line.size() && m_line[pos] == u'"') {
            field += keep ? u"\"" : u"";
            ++pos;
            continue;
        }
        while (pos < m_line.size() && m_line[pos] == u' ') {
            ++pos;
        }
        if (pos < m_line.size() && m_line[pos] != m_separator) {
            m_fault = eFault::TextAfterQuote;
            return false;
        }
        return true;
    }
}

void cDelimitedListReader::MakeRoomForTheRestOfTheFile(std::u16string& field) const {
    constexpr size_t kLarge = size_t{1} << 20;
    if (field.size() < kLarge || field.capacity() >= field.size() + kLarge) {
        return;
    }
    const uint64_t bytesLeft =
        m_lines.GetFileSize() - std::min(m_lines.GetFileSize(), m_lines.GetBytesRead());
    const bool wide = m_lines.GetEncoding() == eCueEncoding::Utf16Le ||
                      m_lines.GetEncoding() == eCueEncoding::Utf16Be;
    // What is left of the file, and what has been decoded but not yet handed out.
    field.reserve(field.size() + static_cast<size_t>(wide ? bytesLeft / 2 : bytesLeft) +
                  cCueFileReader::kPieceBytes);
}

void cDelimitedListReader::FinishField(int index, std::u16string& field, std::u16string& first,
                                       std::u16string& second) const {
    if (index > 1) {
        return;
    }
    // The Answer box holds one line, so a line end inside a field must not stay in it.
    for (char16_t& c : field) {
        c = (c == u'\n' || c == u'\r') ? u' ' : c;
    }
    if (m_dialect == eDialect::Tab) {
        ConvertHtmlToPlainText(field);
    } else {
        const std::u16string_view trimmed = TrimWhiteSpace(field);
        const size_t begin = static_cast<size_t>(trimmed.data() - field.data());
        field.erase(begin + trimmed.size());
        field.erase(0, begin);
    }
    (index == 0 ? first : second).swap(field);
}
