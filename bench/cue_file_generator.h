// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cuefiles/cue_file_reader.h"

// A new empty directory under the system's temporary directory for sample files; the
// caller removes it.
std::string CreateSampleDirectory();

// Writes a cue file of short cards ("Wort000001 = word000001", every tenth one with an
// accented letter) in the encoding into dir and returns its path. UTF-16 gets a byte-order
// mark and CR LF line ends, Latin-1 CR LF, UTF-8 no mark and LF.
std::string WriteSampleCueFile(const std::string& dir, eCueEncoding encoding, int lines);

// Writes a cue file shaped like a real German-English dictionary deck (lines of about 40
// characters, from a few to a few hundred, with German letters, spaces, commas,
// semicolons and brackets, one line in about 200 with a combination to substitute), in
// the same encodings and line ends. The same lines every run.
std::string WriteDictionaryCueFile(const std::string& dir, eCueEncoding encoding, int lines);

// A card of a deck: cue and answer.
using DeckCard = std::pair<std::u16string, std::u16string>;

// Writes the cards as a cue file ("cue = answer") in the encoding into dir, with the mark
// and line ends WriteSampleCueFile uses, and returns its path.
std::string WriteDeckCueFile(const std::string& dir, eCueEncoding encoding,
                             const std::vector<DeckCard>& cards);
