// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

// Why a vocabulary document did not load.
enum class eDocumentFault {
    None,
    Unreadable,     // the file cannot be opened or read to its end
    NotWellFormed,  // not well-formed XML (or in an encoding the parser does not know)
    NotKvtml2,      // well-formed, but not a version 2 vocabulary document
    Stopped,        // the progress handler asked to stop
};

// Reads KVTML 2 vocabulary documents: each <entry> under <entries> gives the text of its
// translation 0 and translation 1, each made one line (line breaks and indentation are the
// document's layout). Lessons, comments, grammar and the rest are passed over. Entities
// that cannot be resolved (undeclared ones, and external ones, which are never fetched)
// stay in the text as written.
class cKvtmlReader {
public:
    // Called for every entry, in document order, with its texts in the document's first and
    // second language; either may be empty when the entry lacks it.
    using EntryHandler = std::function<void(std::u16string& first, std::u16string& second)>;
    // Told now and then how many bytes of the file have been parsed; false stops reading.
    using ProgressHandler = std::function<bool(uint64_t bytesRead, uint64_t fileSize)>;

    explicit cKvtmlReader(EntryHandler onEntry, ProgressHandler onProgress = {});
    virtual ~cKvtmlReader();
    cKvtmlReader(const cKvtmlReader&) = delete;
    cKvtmlReader& operator=(const cKvtmlReader&) = delete;

    // Reads the document at path (UTF-16, converted for the file system). False when it
    // did not load whole; GetFault says why, and the entries handed over are to be dropped.
    bool ReadFile(const std::u16string& path);
    // The same for a document held in memory.
    bool ReadBytes(std::span<const unsigned char> bytes);
    eDocumentFault GetFault() const { return m_fault; }

private:
    class cParser;

    EntryHandler m_onEntry;
    ProgressHandler m_onProgress;
    eDocumentFault m_fault = eDocumentFault::None;
};
