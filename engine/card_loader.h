// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <string_view>

class cAccentList;
class cCardStore;
class cCueFileReader;
class cLoadProgress;

// Why the last file did not load.
enum class eLoadFault {
    None,
    Unreadable,        // missing, not a regular file, or not readable to its end
    NotWellFormedXml,  // a vocabulary document that is not well-formed XML
    NotKvtml2,         // well-formed XML, but no version 2 vocabulary document
    OpenQuote,         // a list with a quoted field that is never closed
    TextAfterQuote,    // a list with text after the closing quote of a field
    Stopped,           // the user stopped the load
    OutOfMemory,
};

// Reads files into the working set as cards: cue files card by card, tab- and
// comma-separated lists and vocabulary documents all or nothing, their texts as written.
// Every format reports its progress and can be stopped; a stopped file leaves nothing.
class cCardLoader {
public:
    cCardLoader(cCardStore& store, const cAccentList& accents);
    virtual ~cCardLoader() = default;
    cCardLoader(const cCardLoader&) = delete;
    cCardLoader& operator=(const cCardLoader&) = delete;

    // Told how reading goes while a file loads, and able to stop it; null for none.
    void SetLoadProgress(cLoadProgress* progress) { m_progress = progress; }

    // Loads the file at path (its format by its extension), cue and answer swapped when
    // reversed. False when it did not load; GetLastFault says why.
    bool LoadFile(const std::u16string& path, bool reversed);
    // Reads every record of an open cue file. True when the end of the file was reached;
    // false without a reader, on a read error, when stopped (nothing of the file stays) or
    // out of memory (the cards read so far stay).
    bool ReadCueFile(cCueFileReader* reader, bool reversed);
    eLoadFault GetLastFault() const { return m_fault; }

private:
    bool ReadListFile(const std::u16string& path, bool commaSeparated, bool reversed);
    bool ReadVocabularyDocument(const std::u16string& path, bool reversed);
    // Stores one record of a cue file, its texts substituted.
    void AddRecord(std::u16string_view cue, std::u16string_view answer);
    // False when the load is to stop.
    bool ReportProgress(uint64_t bytesRead, uint64_t fileSize) const;
    bool ReportProgress(const cCueFileReader& reader) const;

    cCardStore& m_store;
    const cAccentList& m_accents;
    cLoadProgress* m_progress = nullptr;
    eLoadFault m_fault = eLoadFault::None;
};
