// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cuefiles/cue_record.h"

#include <utility>

#include "cuefiles/cue_file_reader.h"
#include "text/white_space.h"

namespace {

constexpr size_t kKeptLineCapacity = 4096;

}  // namespace

bool SplitCueRecord(std::u16string_view line, bool reversed, std::u16string_view& cue,
                    std::u16string_view& answer) {
    cue = {};
    answer = {};
    const size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos) {
        return false;
    }
    cue = TrimWhiteSpace(line.substr(0, equals));
    answer = TrimWhiteSpace(line.substr(equals + 1));
    if (reversed) {
        std::swap(cue, answer);
    }
    return !cue.empty() && !answer.empty();
}

bool ReadCuePair(cCueFileReader& reader, bool reversed, std::u16string& line,
                 std::u16string_view& cue, std::u16string_view& answer) {
    cue = {};
    answer = {};
    // The memory of a huge line is not worth keeping from call to call.
    if (line.capacity() > kKeptLineCapacity) {
        std::u16string().swap(line);
    }
    std::u16string_view text;
    reader.ReadTextLine(text, line);
    while (text.empty() && !reader.IsAtEnd()) {
        reader.ReadTextLine(text, line);
    }
    return !text.empty() && SplitCueRecord(text, reversed, cue, answer);
}
