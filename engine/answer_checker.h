// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <vector>

#include "engine/cue_line.h"

class cAccentList;

// Whether a typed answer is the card's: combinations substituted, white space trimmed, and
// one tolerated character allowed after it.
class cAnswerChecker {
public:
    explicit cAnswerChecker(const cAccentList& accents);
    virtual ~cAnswerChecker() = default;

    bool IsCorrectAnswer(const cCueLine& card, const std::u16string& typed) const;
    // Whether the text is worth checking: not empty, and not one tolerated character alone.
    bool IsAnswerReady(const std::u16string& text) const;
    // The characters a learner may type after an answer without it counting as wrong.
    const std::vector<std::u16string>& GetToleratedSuffixes() const { return m_toleratedSuffixes; }
    const cAccentList& GetAccents() const { return m_accents; }

private:
    const cAccentList& m_accents;
    std::vector<std::u16string> m_toleratedSuffixes;
};
