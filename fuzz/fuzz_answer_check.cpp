// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Accent substitution and answer checking on arbitrary UTF-16 text. The input is read as
// little-endian units and split at U+0000: the expected answer as a cue file holds it, the
// typed text, then any number of extra accents ("combination" U+0001 "accented") for a list
// of their own. Substitution is compared with a plain scan that tries every accent at every
// position, which the skipping in the real one must not change.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "accents/accent_list.h"
#include "cuefiles/cue_file_reader.h"
#include "engine/answer_checker.h"
#include "engine/teacher.h"
#include "fuzz_check.h"
#include "platform/memory_profile.h"
#include "scratch_file.h"
#include "tests/support/fake_tick_source.h"
#include "text/white_space.h"

namespace {

constexpr size_t kMaxExtraAccents = 24;

// Left to right, the first accent in list order that matches wins; then bars to slashes.
std::u16string PlainSubstitute(const cAccentList& list, std::u16string_view text) {
    std::u16string result;
    size_t position = 0;
    while (position < text.size()) {
        const cAccent* match = nullptr;
        for (int i = 0; i < list.GetCount() && match == nullptr; ++i) {
            const std::u16string& combination = list.GetAt(i).GetCombination();
            if (!combination.empty() && text.substr(position).starts_with(combination)) {
                match = &list.GetAt(i);
            }
        }
        if (match != nullptr) {
            result += match->GetAccented();
            position += match->GetCombination().size();
        } else {
            result += text[position++];
        }
    }
    for (char16_t& unit : result) {
        if (unit == u'|') {
            unit = u'/';
        }
    }
    return result;
}

std::u16string_view PlainTrim(std::u16string_view text) {
    while (!text.empty() && IsWideSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsWideSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

void CheckSubstitution(const cAccentList& list, std::u16string_view text) {
    const std::u16string substituted = list.SubstituteAccents(text);
    FUZZ_CHECK(substituted == PlainSubstitute(list, text));
    FUZZ_CHECK(substituted.find(u'|') == std::u16string::npos);
}

std::vector<std::u16string_view> SplitAt(std::u16string_view text, char16_t separator) {
    std::vector<std::u16string_view> parts;
    for (;;) {
        const size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::u16string_view::npos) {
            return parts;
        }
        text.remove_prefix(at + 1);
    }
}

cAccentList MakeExtraAccents(const std::vector<std::u16string_view>& parts) {
    cAccentList list;
    for (size_t i = 2; i < parts.size() && i < 2 + kMaxExtraAccents; ++i) {
        const size_t split = parts[i].find(u'\x01');
        const std::u16string_view combination = parts[i].substr(0, split);
        const std::u16string_view accented =
            split == std::u16string_view::npos ? std::u16string_view() : parts[i].substr(split + 1);
        list.Append(
            std::make_unique<cAccent>(std::u16string(combination), std::u16string(accented)));
    }
    return list;
}

// The verdict as the learner is promised it: the typed text, substituted and trimmed, is
// the expected answer, or that and one tolerated character.
bool PlainVerdict(const cAnswerChecker& checker, std::u16string_view expected,
                  std::u16string_view typed) {
    const std::u16string substituted = PlainSubstitute(checker.GetAccents(), typed);
    const std::u16string_view trimmed = PlainTrim(substituted);
    if (trimmed == expected) {
        return true;
    }
    if (trimmed.size() != expected.size() + 1 || !trimmed.starts_with(expected)) {
        return false;
    }
    for (const std::u16string& suffix : checker.GetToleratedSuffixes()) {
        if (suffix.size() == 1 && suffix[0] == trimmed.back()) {
            return true;
        }
    }
    return false;
}

void CheckAnswers(std::u16string_view source, std::u16string_view typedText) {
    cMemoryProfile profile;
    cFakeTickSource ticks;
    cTeacher teacher(profile, ticks);
    const cAccentList accents = MakeStandardAccentList();
    const cAnswerChecker checker(accents);
    const std::u16string typed(typedText);

    // A card as loading makes it: the answer trimmed, then substituted.
    const std::u16string_view trimmedSource = TrimWhiteSpace(source);
    FUZZ_CHECK(trimmedSource == PlainTrim(source));
    const std::u16string expected = teacher.SubstituteAccents(std::u16string(trimmedSource));
    const cCueLine card(u"cue", expected);

    // The text in the file is always a right answer, also with a tolerated character after it
    // when that does not form a combination with the answer's last character.
    FUZZ_CHECK(teacher.IsCorrectAnswer(card, std::u16string(source)));
    for (const std::u16string& suffix : checker.GetToleratedSuffixes()) {
        const std::u16string withSuffix = std::u16string(trimmedSource) + suffix;
        if (PlainSubstitute(checker.GetAccents(), withSuffix) == expected + suffix) {
            FUZZ_CHECK(teacher.IsCorrectAnswer(card, withSuffix));
        }
    }

    const bool correct = PlainVerdict(checker, expected, typed);
    FUZZ_CHECK(teacher.IsCorrectAnswer(card, typed) == correct);
    FUZZ_CHECK(teacher.IsCorrectAnswer(cCueLine(u"cue", std::u16string(source)), typed) ==
               PlainVerdict(checker, source, typed));

    bool onlySuffix = false;
    for (const std::u16string& suffix : checker.GetToleratedSuffixes()) {
        onlySuffix = onlySuffix || typed == suffix;
    }
    FUZZ_CHECK(teacher.IsAnswerReady(typed) == (!typed.empty() && !onlySuffix));

    // The same verdict through a study pass of one card, read from a cue file line that
    // holds the text (when it fits on one line).
    if (expected.empty() || source.find_first_of(u"\r\n") != std::u16string_view::npos) {
        return;
    }
    std::u16string line = u"\uFEFFcue = " + std::u16string(source) + u"\n";
    static cScratchFile file;
    cCueFileReader reader;
    FUZZ_CHECK(reader.Open(file.Write(
        {reinterpret_cast<const unsigned char*>(line.data()), line.size() * sizeof(char16_t)})));
    FUZZ_CHECK(teacher.ReadCueFile(&reader, false) && teacher.GetTotalCues() == 1);
    FUZZ_CHECK(teacher.GetCurrentCard().GetAnswer() == expected);
    const std::u16string message = teacher.Next(typed);
    if (correct) {
        FUZZ_CHECK(message.empty());
        FUZZ_CHECK(teacher.GetCuesLeft() == 0 && !teacher.IsClockRunning());
    } else {
        FUZZ_CHECK(message.ends_with(u"\n" + expected));
        FUZZ_CHECK(teacher.GetCuesLeft() == 3);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Trimming takes a shortcut for common characters; it must agree with the full test.
    for (uint32_t c = 0; c <= 0xFFFF; ++c) {
        FUZZ_CHECK(IsWideSpace(static_cast<char16_t>(c)) ==
                   IsRareWideSpace(static_cast<char16_t>(c)));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }
    const std::vector<std::u16string_view> parts = SplitAt(text, u'\0');
    const std::u16string_view source = parts[0];
    const std::u16string_view typed = parts.size() > 1 ? parts[1] : parts[0];

    static const cAccentList standard = MakeStandardAccentList();
    CheckSubstitution(standard, source);
    CheckSubstitution(standard, typed);

    cAccentList extra = MakeExtraAccents(parts);
    CheckSubstitution(extra, source);
    CheckSubstitution(extra, typed);
    CheckSubstitution(cAccentList(), typed);

    CheckAnswers(source, typed);
    return 0;
}
