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

static std::string Hex(std::u16string_view text) {
    std::string hex;
    for (const char16_t unit : text) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04x", static_cast<unsigned>(unit));
        hex += digits;
    }
    return hex;
}

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        cMemoryProfile profile;
        cFakeTickSource ticks;
        cTeacher teacher(profile, ticks);
        const std::u16string path = Utf8ToUtf16(argv[i], eByteEscapes::LoneSurrogates).value();
        std::string line = teacher.LoadCueFile(path, false) ? "1" : "0";
        for (uint32_t id = 100; id < 100 + static_cast<uint32_t>(teacher.GetTotalCues()); ++id) {
            const cCueLine card = teacher.FindCard(cCueLineKey(id)).value();
            line += "\t" + Hex(card.GetCue()) + "\t" + Hex(card.GetAnswer());
        }
        std::fputs((line + "\n").c_str(), stdout);
    }
    return 0;
}
