// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <vector>

#include "cue_file_generator.h"

// The German-English dictionary of Debian's dict-freedict-deu-eng, where it is installed
// (/usr/share/dictd): each headword with its first translation, in the dictionary's order.
// Entries that a cue-file line cannot carry whole in all three encodings (an "=" in their
// text, a character beyond U+00FF) are left out. Empty when the dictionary is not there.
std::vector<DeckCard> ReadInstalledDictionary();
