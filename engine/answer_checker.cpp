// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/answer_checker.h"

#include "accents/accent_list.h"
#include "text/white_space.h"

cAnswerChecker::cAnswerChecker(const cAccentList& accents)
    : m_accents(accents), m_toleratedSuffixes{u"\\", u"'", u"]", u"/", u".", u"!"} {}

bool cAnswerChecker::IsCorrectAnswer(const cCueLine& card, const std::u16string& typed) const {
    const std::u16string substituted = m_accents.SubstituteAccents(typed);
    const std::u16string_view trimmed = TrimWhiteSpace(substituted);
    const std::u16string_view expected = card.GetAnswer();
    if (trimmed == expected) {
        return true;
    }
    // One tolerated character may follow the answer: "dog." counts, "dog.." does not.
    for (const std::u16string& suffix : m_toleratedSuffixes) {
        if (!suffix.empty() && trimmed.ends_with(suffix) &&
            trimmed.substr(0, trimmed.size() - suffix.size()) == expected) {
            return true;
        }
    }
    return false;
}

bool cAnswerChecker::IsAnswerReady(const std::u16string& text) const {
    if (text.empty()) {
        return false;
    }
    for (const std::u16string& suffix : m_toleratedSuffixes) {
        if (text == suffix) {
            return false;
        }
    }
    return true;
}
