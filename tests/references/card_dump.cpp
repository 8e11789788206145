// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Loads each file named on the command line into a working set of its own, as the Load
// command does, and prints what it holds as one JSON object per line:
//   {"file": path, "loaded": true|false, "cards": [[cue, answer], ...]}
// with the cards in the order they were read.
#include <cstdio>
#include <string>

#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "tests/support/fake_tick_source.h"
#include "text/unicode.h"

namespace {

std::string Json(std::u16string_view text) {
    std::string utf8;
    Utf16ToUtf8(text, utf8, eByteEscapes::LoneSurrogates);
    std::string json = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string Dump(const std::string& path) {
    cMemoryProfile profile;
    cFakeTickSource ticks;
    cTeacher teacher(profile, ticks);
    const std::u16string path16 = Utf8ToUtf16(path, eByteEscapes::LoneSurrogates).value();
    const bool loaded = teacher.LoadCueFile(path16, false);
    std::string line = "{\"file\": " + Json(path16) +
                       ", \"loaded\": " + (loaded ? "true" : "false") + ", \"cards\": [";
    for (int i = 0; i < teacher.GetTotalCues(); ++i) {
        const cCueLine card = teacher.FindCard(cCueLineKey(100 + static_cast<uint32_t>(i))).value();
        line += (i > 0 ? ", [" : "[") + Json(card.GetCue()) + ", " + Json(card.GetAnswer()) + "]";
    }
    return line + "]}\n";
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::fputs(Dump(argv[i]).c_str(), stdout);
    }
    return 0;
}
