// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string_view>

// The kinds of file that load as cards, told apart by the file's extension.
enum class eListFormat {
    CueFile,    // "cue = answer" lines: .recallix and anything not named below
    TabList,    // .tsv and .txt: tab-separated fields, as spreadsheets and flash-card programs
                // export them
    CommaList,  // .csv: comma-separated fields
    VocabularyDocument,  // .kvtml: an XML vocabulary document
    PlainText,           // .txt: a tab list or a cue file, as IsTabList decides
};

class cCueFileReader;

// The format of the file at path, by its extension (letter case does not count).
eListFormat DecideListFormat(std::u16string_view path);

// Whether a .txt file, open at its start, is a tab list: its first line that is not empty
// holds a tab or is an export header ("#separator:tab", "#html:true" ...). Anything else is
// a cue file that was given the extension of plain text, as many were.
bool IsTabList(cCueFileReader& lines);
