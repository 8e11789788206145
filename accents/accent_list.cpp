// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "accents/accent_list.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

cAccentList::cAccentList() = default;
cAccentList::~cAccentList() = default;
cAccentList::cAccentList(cAccentList&&) noexcept = default;
cAccentList& cAccentList::operator=(cAccentList&&) noexcept = default;

namespace {

// Notes a unit in an ASCII mask, or in the flag for everything else.
void NoteUnit(char16_t unit, std::bitset<128>& ascii, bool& nonAscii) {
    if (unit < 128) {
        ascii.set(unit);
    } else {
        nonAscii = true;
    }
}

inline bool HasUnit(char16_t unit, const std::bitset<128>& ascii, bool nonAscii) {
    return unit < 128 ? ascii[unit] : nonAscii;
}

}  // namespace

void cAccentList::Append(std::unique_ptr<cAccent> accent) {
    if (!accent || accent->GetCombination().empty()) {
        return;
    }
    const std::u16string& combination = accent->GetCombination();
    NoteUnit(combination[0], m_asciiFirsts, m_hasNonAsciiFirst);
    if (combination.size() == 1) {
        m_hasOneUnitCombination = true;
        m_stopsDecide = false;
    } else {
        NoteUnit(combination[1], m_asciiSeconds, m_hasNonAsciiSecond);
        NoteStop(combination[1]);
    }
    m_accents.push_back(std::move(accent));
}

size_t cAccentList::FindCandidate(std::u16string_view text, size_t from) const {
    const size_t size = text.size();
    if (m_hasOneUnitCombination) {
        while (from < size && !HasUnit(text[from], m_asciiFirsts, m_hasNonAsciiFirst)) {
            ++from;
        }
        return from;
    }
    // The mark keys come second and are rare in ordinary text, so they are looked for
    // first; most texts hold none and are passed over in one tight loop.
    for (size_t second = from + 1; second < size; ++second) {
        if (HasUnit(text[second], m_asciiSeconds, m_hasNonAsciiSecond) &&
            HasUnit(text[second - 1], m_asciiFirsts, m_hasNonAsciiFirst)) {
            return second - 1;
        }
    }
    return size;
}

const cAccent* cAccentList::FindMatch(std::u16string_view rest) const {
    for (const auto& accent : m_accents) {
        if (rest.starts_with(accent->GetCombination())) {
            return accent.get();
        }
    }
    return nullptr;
}

void cAccentList::NoteStop(char16_t unit) {
    const auto end = m_stops.begin() + static_cast<ptrdiff_t>(m_stopCount);
    if (std::find(m_stops.begin(), end, unit) != end) {
        return;
    }
    if (m_stopCount == m_stops.size() || unit >= 128) {
        m_stopsDecide = false;
        return;
    }
    // Unused places repeat the bar, so the scan can always compare with all four.
    m_stops[m_stopCount++] = unit;
}

bool cAccentList::HasNoStop(std::u16string_view text) const {
    if (!m_stopsDecide) {
        return false;
    }
    const char16_t* units = text.data();
    const size_t size = text.size();
    // Four units at a time in one 64-bit word: a lane equal to a stop turns to zero
    // after the exclusive or, and a zero lane sets its top bit in HasZeroLane.
    constexpr uint64_t kLow = 0x0001000100010001ull;
    constexpr uint64_t kHigh = 0x8000800080008000ull;
    const auto hasZeroLane = [](uint64_t word) { return ((word - kLow) & ~word & kHigh) != 0; };
    const auto [a, b, c, d] = m_stops;
    size_t i = 0;
    for (; i + 4 <= size; i += 4) {
        uint64_t word;
        std::memcpy(&word, units + i, sizeof word);
        if (hasZeroLane(word ^ (a * kLow)) || hasZeroLane(word ^ (b * kLow)) ||
            hasZeroLane(word ^ (c * kLow)) || hasZeroLane(word ^ (d * kLow))) {
            return false;
        }
    }
    for (; i < size; ++i) {
        const char16_t unit = units[i];
        if (unit == a || unit == b || unit == c || unit == d) {
            return false;
        }
    }
    return true;
}

bool cAccentList::ChangesText(std::u16string_view text) const {
    if (HasNoStop(text)) {
        return false;
    }
    if (text.find(u'|') != std::u16string_view::npos) {
        return true;
    }
    for (size_t position = FindCandidate(text, 0); position < text.size();
         position = FindCandidate(text, position + 1)) {
        if (FindMatch(text.substr(position)) != nullptr) {
            return true;
        }
    }
    return false;
}

std::u16string cAccentList::SubstituteAccents(std::u16string_view text) const {
    size_t position = FindCandidate(text, 0);
    if (position == text.size()) {
        // Most texts hold no combination: one copy, bars turned into slashes.
        std::u16string result(text);
        std::replace(result.begin(), result.end(), u'|', u'/');
        return result;
    }
    std::u16string result;
    result.reserve(text.size());
    size_t copiedUpTo = 0;  // text before this position is in result already
    while (position < text.size()) {
        position = FindCandidate(text, position);
        if (position == text.size()) {
            break;
        }
        const cAccent* match = FindMatch(text.substr(position));
        if (match == nullptr) {
            ++position;
            continue;
        }
        result.append(text.substr(copiedUpTo, position - copiedUpTo));
        result += match->GetAccented();
        position += match->GetCombination().size();
        copiedUpTo = position;
    }
    result.append(text.substr(copiedUpTo));
    // Bars become slashes only after the scan, so a slash made from a bar never forms a
    // combination.
    std::replace(result.begin(), result.end(), u'|', u'/');
    return result;
}

cAccentList MakeStandardAccentList() {
    struct Row {
        const char16_t* accented;
        const char16_t* combination;
    };
    static constexpr Row kTable[] = {
        {u"ä", u"a:"}, {u"Ä", u"A:"}, {u"á", u"a/"}, {u"Á", u"A/"},  {u"à", u"a\\"}, {u"À", u"A\\"},
        {u"ç", u"c/"}, {u"é", u"e/"}, {u"É", u"E/"}, {u"è", u"e\\"}, {u"È", u"E\\"}, {u"ë", u"e:"},
        {u"Ë", u"E:"}, {u"ö", u"o:"}, {u"Ö", u"O:"}, {u"ü", u"u:"},  {u"Ü", u"U:"},  {u"ß", u"s:"},
    };
    cAccentList list;
    for (const Row& row : kTable) {
        list.Append(std::make_unique<cAccent>(row.combination, row.accented));
    }
    return list;
}
