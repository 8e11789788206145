// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <string>

#define LEXITRA_API __attribute__((visibility("default")))

// The ids of the translated texts. Their numbers are the library's interface.
enum class eUiText : uint32_t {
    AboutPurpose = 40001,         // About box: what the program is for
    AboutLicence = 40002,         // About box: licence and thanks
    WebAddress = 40003,           // the maker's web address (the same in every language)
    FileTypeName = 40004,         // the cue file type in the file dialog's filter (never holds "|")
    FileDialogTitle = 40007,      // title of the file dialog
    AccentsHelp = 40008,          // first line of the accents help
    WrongAnswer = 40010,          // first line of the wrong-answer message (never a line feed)
    LoadSucceeded = 40011,        // status text after a successful load
    LoadFailed = 40012,           // status text after a failed or cancelled load
    RestartQuestion = 40013,      // yes/no question whether to restart now
    SettingsNotStored = 40014,    // status text when settings live for this run only
    VocabularyListsName = 40015,  // the vocabulary list types in the file dialog's filter (no "|")
    AllFilesName = 40016,         // "all files" in the file dialog's filter (no "|")
    LoadProgress = 40017,         // status text while a long load runs; "%i" is the percentage
    CueFileNotLoaded = 40020,     // a cue file named at start cannot be loaded; its path follows
    FileMissing = 40021,          // why: there is no such file
    FileIsFolder = 40022,         // why: the name is a folder's
    FileUnreadable = 40023,       // why: no permission to read it
    FileNotRegular = 40024,       // why: a device, a pipe or a socket
    FileReadError = 40025,        // why: reading it failed part way
    FileNotWellFormed = 40026,    // why: a vocabulary document that is not well-formed XML
    FileNotVocabularyDocument = 40027,  // why: well-formed XML, but no vocabulary document
    FileOpenQuote = 40028,              // why: a list with a quoted field never closed
    FileTextAfterQuote = 40029,         // why: a list with text after a field's closing quote
    HistoryUnavailable = 40030,         // status text when finished passes cannot be kept
    HistorySetAside = 40031,            // status text when a damaged history file was set aside
    HistoryDeferred = 40032,            // status text when finished passes wait to be written
    CardsDueToday = 40033,              // status bar: how many cards are due; "%i" the count
    OneCardDueToday = 40034,            // status bar: one card is due
};

// The user-interface text with the given id, in Japanese when the current locale is
// Japanese and in English otherwise. Unknown ids give an empty text.
LEXITRA_API std::u16string LoadTranslatedUiString(uint32_t id);

inline std::u16string LoadTranslatedUiString(eUiText id) {
    return LoadTranslatedUiString(static_cast<uint32_t>(id));
}
