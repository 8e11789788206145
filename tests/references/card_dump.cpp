// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Loads each file named on the command line into a working set of its own, as the Load
// command does, and prints one line for it: 1 when it loaded, else 0, then the cue and the
// answer of every card in the order they were read, each text as hexadecimal UTF-16 units
// (which carry any text, broken ones included), all separated by tabs.
#include <cstdio>
#include <string>

#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "tests/support/fake_tick_source.h"
#include "text/unicode.h"

namespace {

std::string Hex(std::u16string_view text) {
    std::string hex;
    for (const char16_t unit : text) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04x", static_cast<unsigned>(unit));
        hex += digits;
    }
    return hex;
}

std::string Dump(const std::string& path) {
    cMemoryProfile profile;
    cFakeTickSource ticks;
    cTeacher teacher(profile, ticks);
    const std::u16string path16 = Utf8ToUtf16(path, eByteEscapes::LoneSurrogates).value();
    std::string line = teacher.LoadCueFile(path16, false) ? "1" : "0";
    for (int i = 0; i < teacher.GetTotalCues(); ++i) {
        const cCueLine card = teacher.FindCard(cCueLineKey(100 + static_cast<uint32_t>(i))).value();
        line += "\t" + Hex(card.GetCue()) + "\t" + Hex(card.GetAnswer());
    }
    return line + "\n";
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::fputs(Dump(argv[i]).c_str(), stdout);
    }
    return 0;
}
