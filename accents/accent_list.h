// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

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

    std::vector<std::unique_ptr<cAccent>> m_accents;
    // First and second units of all combinations, for a fast skip over ordinary text.
    std::bitset<128> m_asciiFirsts;
    std::bitset<128> m_asciiSeconds;
    bool m_hasNonAsciiFirst = false;
    bool m_hasNonAsciiSecond = false;
    bool m_hasOneUnitCombination = false;
};

// The 18 accents a learner can type, in table order.
cAccentList MakeStandardAccentList();
