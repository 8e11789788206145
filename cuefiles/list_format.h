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
};

// The format of the file at path, by its extension (letter case does not count).
eListFormat DecideListFormat(std::u16string_view path);
