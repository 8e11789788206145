// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <array>
#include <bitset>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "accents/accent.h"

// The accents in the order they are tried, and the substitution over them.
class cAccentList {
public:
    cAccentList();
    virtual ~cAccentList();
    cAccentList(cAccentList&&) noexcept;
    cAccentList& operator=(cAccentList&&) noexcept;

    // Appends an accent; an empty combination is ignored since it could never be typed.
    void Append(std::unique_ptr<cAccent> accent);

    int GetCount() const { return static_cast<int>(m_accents.size()); }
    const cAccent& GetAt(int index) const { return *m_accents[static_cast<size_t>(index)]; }

    // The text with every combination replaced, scanning once from left to right (the
    // first accent in list order that matches at a position wins), and then every "|"
    // turned into "/".
    std::u16string SubstituteAccents(std::u16string_view text) const;
    // False when SubstituteAccents would give text back unchanged: no bar and no
    // combination in it. Lets a reader keep text where it is instead of copying it.
    bool ChangesText(std::u16string_view text) const;

private:
    // The first accent, in list order, whose combination starts rest; null when none.
    const cAccent* FindMatch(std::u16string_view rest) const;
    // The first position at or after from where a combination may begin, by a cheap test
    // of its first two units; the text's size when there is none.
    size_t FindCandidate(std::u16string_view text, size_t from) const;

    // True when no unit of text is one of m_stops; false also when the stops cannot
    // decide (then the exact test runs).
    bool HasNoStop(std::u16string_view text) const;
    void NoteStop(char16_t unit);

    std::vector<std::unique_ptr<cAccent>> m_accents;
    // The second units of all combinations and the bar, when they are few and ASCII: a
    // text without any of them is left as it is, which a branch-free scan can tell.
    std::array<char16_t, 4> m_stops{u'|', u'|', u'|', u'|'};
    size_t m_stopCount = 1;
    bool m_stopsDecide = true;
    // First and second units of all combinations, for a fast skip over ordinary text.
    std::bitset<128> m_asciiFirsts;
    std::bitset<128> m_asciiSeconds;
    bool m_hasNonAsciiFirst = false;
    bool m_hasNonAsciiSecond = false;
    bool m_hasOneUnitCombination = false;
};

// The 18 accents a learner can type, in table order.
cAccentList MakeStandardAccentList();
