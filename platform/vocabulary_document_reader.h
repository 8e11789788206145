// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <functional>
#include <string>

// Reads vocabulary documents (XML). The real one parses with Qt; tests use a stand-in.
class cVocabularyDocumentReader {
public:
    // Called for every entry with its texts in the document's first and second language,
    // each on one line and trimmed; either may be empty when the entry lacks it.
    using EntryHandler = std::function<void(std::u16string& first, std::u16string& second)>;

    virtual ~cVocabularyDocumentReader();
    // Reads the document at path, handing each entry to onEntry in document order. False
    // when the file cannot be read or is no well-formed vocabulary document; entries handed
    // over before the fault was found are then to be dropped by the caller.
    virtual bool ReadEntries(const std::u16string& path, const EntryHandler& onEntry) = 0;
};
