// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <string_view>

class cCueFileReader;

// Splits a record line at its first "=" into cue and answer (the right side is the cue when
// reversed), each trimmed of white space and given as a view into line. True when both
// are non-empty; otherwise the line is no card and the outputs are to be discarded.
bool SplitCueRecord(std::u16string_view line, bool reversed, std::u16string_view& cue,
                    std::u16string_view& answer);

// Reads the next non-empty line and splits it into views of it, valid until the next read.
// False at the end of the file or when the line is no card (no "=", or an empty side).
// line is the caller's buffer for a line that runs across two pieces of the file, reused
// from call to call, so a long file costs no allocation per line.
bool ReadCuePair(cCueFileReader& reader, bool reversed, std::u16string& line,
                 std::u16string_view& cue, std::u16string_view& answer);
