// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/card_loader.h"

#include <algorithm>
#include <new>

#include "accents/accent_list.h"
#include "cuefiles/cue_file_reader.h"
#include "cuefiles/cue_record.h"
#include "cuefiles/delimited_list_reader.h"
#include "cuefiles/kvtml_reader.h"
#include "cuefiles/list_format.h"
#include "engine/card_store.h"
#include "engine/load_progress.h"

namespace {

// Often enough for a window to keep painting, rarely enough to cost nothing.
constexpr uint32_t kRecordsPerProgressReport = 4096;

// As with a cue-file line, a pair with an empty side is no card.
void KeepCard(const std::u16string& first, const std::u16string& second, bool reversed,
              cCardStore& store) {
    if (!first.empty() && !second.empty()) {
        store.AddCard(reversed ? second : first, reversed ? first : second);
    }
}

eLoadFault FaultOf(cDelimitedListReader::eFault fault) {
    switch (fault) {
        case cDelimitedListReader::eFault::OpenQuote:
            return eLoadFault::OpenQuote;
        case cDelimitedListReader::eFault::TextAfterQuote:
            return eLoadFault::TextAfterQuote;
        case cDelimitedListReader::eFault::Stopped:
            return eLoadFault::Stopped;
        case cDelimitedListReader::eFault::None:
            break;
    }
    return eLoadFault::None;
}

eLoadFault FaultOf(eDocumentFault fault) {
    switch (fault) {
        case eDocumentFault::Unreadable:
            return eLoadFault::Unreadable;
        case eDocumentFault::NotWellFormed:
            return eLoadFault::NotWellFormedXml;
        case eDocumentFault::NotKvtml2:
            return eLoadFault::NotKvtml2;
        case eDocumentFault::Stopped:
            return eLoadFault::Stopped;
        case eDocumentFault::None:
            break;
    }
    return eLoadFault::None;
}

}  // namespace

cCardLoader::cCardLoader(cCardStore& store, const cAccentList& accents)
    : m_store(store), m_accents(accents) {}

bool cCardLoader::LoadFile(const std::u16string& path, bool reversed) {
    m_fault = eLoadFault::None;
    eListFormat format = DecideListFormat(path);
    if (format == eListFormat::PlainText) {
        cCueFileReader probe;
        format = probe.Open(path) && IsTabList(probe) ? eListFormat::TabList : eListFormat::CueFile;
    }
    if (format == eListFormat::CueFile) {
        cCueFileReader reader;
        if (!reader.Open(path)) {
            m_fault = eLoadFault::Unreadable;
            return false;
        }
        return ReadCueFile(&reader, reversed);
    }
    // A list loads all or nothing: its cards go straight into the store, which forgets
    // them again when the file turns out to be broken.
    const cCardStore::sMark before = m_store.GetMark();
    try {
        const bool read = format == eListFormat::VocabularyDocument
                              ? ReadVocabularyDocument(path, reversed)
                              : ReadListFile(path, format == eListFormat::CommaList, reversed);
        if (!read) {
            m_store.RollBack(before);
        }
        return read;
    } catch (const std::bad_alloc&) {
        m_store.RollBack(before);
        m_fault = eLoadFault::OutOfMemory;
        return false;
    }
}

bool cCardLoader::ReadCueFile(cCueFileReader* reader, bool reversed) {
    m_fault = eLoadFault::None;
    if (reader == nullptr) {
        m_fault = eLoadFault::Unreadable;
        return false;
    }
    const cCardStore::sMark before = m_store.GetMark();
    try {
        std::u16string line;
        std::u16string_view cue;
        std::u16string_view answer;
        for (uint32_t records = 1; !reader->IsAtEnd(); ++records) {
            if (ReadCuePair(*reader, reversed, line, cue, answer)) {
                AddRecord(cue, answer);
            }
            if (records % kRecordsPerProgressReport == 0 && !ReportProgress(*reader)) {
                m_store.RollBack(before);
                m_fault = eLoadFault::Stopped;
                return false;
            }
        }
    } catch (const std::bad_alloc&) {
        m_fault = eLoadFault::OutOfMemory;
        return false;  // the cards read so far stay in the working set
    }
    if (reader->HasReadError()) {
        m_fault = eLoadFault::Unreadable;
        return false;
    }
    return true;
}

void cCardLoader::AddRecord(std::u16string_view cue, std::u16string_view answer) {
    // cue and answer are views into one line.
    // Almost no line holds a combination or a bar: such lines are stored as they are,
    // after one look at the stretch of the line that holds both texts.
    const char16_t* first = std::min(cue.data(), answer.data());
    const char16_t* last = std::max(cue.data() + cue.size(), answer.data() + answer.size());
    if (!m_accents.ChangesText(std::u16string_view(first, static_cast<size_t>(last - first)))) {
        m_store.AddCard(cue, answer);
        return;
    }
    const bool cueChanges = m_accents.ChangesText(cue);
    const bool answerChanges = m_accents.ChangesText(answer);
    const std::u16string substitutedCue = cueChanges ? m_accents.SubstituteAccents(cue) : u"";
    const std::u16string substitutedAnswer =
        answerChanges ? m_accents.SubstituteAccents(answer) : u"";
    m_store.AddCard(cueChanges ? std::u16string_view(substitutedCue) : cue,
                    answerChanges ? std::u16string_view(substitutedAnswer) : answer);
}

bool cCardLoader::ReportProgress(uint64_t bytesRead, uint64_t fileSize) const {
    return m_progress == nullptr || m_progress->OnLoadProgress(bytesRead, fileSize);
}

bool cCardLoader::ReportProgress(const cCueFileReader& reader) const {
    return ReportProgress(reader.GetBytesRead(), reader.GetFileSize());
}

bool cCardLoader::ReadListFile(const std::u16string& path, bool commaSeparated, bool reversed) {
    cCueFileReader lines;
    if (!lines.Open(path)) {
        m_fault = eLoadFault::Unreadable;
        return false;
    }
    cDelimitedListReader list(lines,
                              commaSeparated ? cDelimitedListReader::eDialect::Comma
                                             : cDelimitedListReader::eDialect::Tab,
                              [this, &lines] { return ReportProgress(lines); });
    std::u16string first;
    std::u16string second;
    while (list.ReadRecord(first, second)) {
        KeepCard(first, second, reversed, m_store);
    }
    m_fault = FaultOf(list.GetFault());
    if (m_fault == eLoadFault::None && lines.HasReadError()) {
        m_fault = eLoadFault::Unreadable;
    }
    return m_fault == eLoadFault::None;
}

bool cCardLoader::ReadVocabularyDocument(const std::u16string& path, bool reversed) {
    cKvtmlReader document(
        [this, reversed](std::u16string& first, std::u16string& second) {
            KeepCard(first, second, reversed, m_store);
        },
        [this](uint64_t bytesRead, uint64_t fileSize) {
            return ReportProgress(bytesRead, fileSize);
        });
    const bool read = document.ReadFile(path);
    m_fault = FaultOf(document.GetFault());
    return read;
}
