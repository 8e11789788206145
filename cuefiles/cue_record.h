#pragma once

#include <string>
#include <string_view>

class cCueFileReader;

// Splits a record line at its first "=" into cue and answer (the right side is the cue when
// reversed), each trimmed of white space. True when both are non-empty; otherwise the
// line is no card and the outputs are to be discarded.
bool SplitCueRecord(std::u16string_view line, bool reversed, std::u16string& cue,
                    std::u16string& answer);

// Reads the next non-empty line and splits it. False at the end of the file or when the
// line is no card (no "=", or an empty side).
bool ReadCuePair(cCueFileReader& reader, bool reversed, std::u16string& cue,
                 std::u16string& answer);
