#include "accents/accent_list.h"

#include <algorithm>

cAccentList::cAccentList() = default;
cAccentList::~cAccentList() = default;
cAccentList::cAccentList(cAccentList&&) noexcept = default;
cAccentList& cAccentList::operator=(cAccentList&&) noexcept = default;

void cAccentList::Append(std::unique_ptr<cAccent> accent) {
    if (!accent || accent->GetCombination().empty()) {
        return;
    }
    const char16_t first = accent->GetCombination().front();
    if (first < 128) {
        m_asciiStarts.set(first);
    } else {
        m_hasNonAsciiStart = true;
    }
    m_accents.push_back(std::move(accent));
}

void cAccentList::RemoveAll() {
    m_accents.clear();
    m_asciiStarts.reset();
    m_hasNonAsciiStart = false;
}

bool cAccentList::MayStartCombination(char16_t c) const {
    return c < 128 ? m_asciiStarts.test(c) : m_hasNonAsciiStart;
}

const cAccent* cAccentList::FindMatch(std::u16string_view rest) const {
    for (const auto& accent : m_accents) {
        if (rest.starts_with(accent->GetCombination())) {
            return accent.get();
        }
    }
    return nullptr;
}

std::u16string cAccentList::SubstituteAccents(std::u16string_view text) const {
    std::u16string result;
    result.reserve(text.size());
    size_t position = 0;
    while (position < text.size()) {
        const cAccent* match =
            MayStartCombination(text[position]) ? FindMatch(text.substr(position)) : nullptr;
        if (match != nullptr) {
            result += match->GetAccented();
            position += match->GetCombination().size();
        } else {
            result += text[position];
            ++position;
        }
    }
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
        {u"ä", u"a:"},  {u"Ä", u"A:"},  {u"á", u"a/"},  {u"Á", u"A/"},  {u"à", u"a\\"},
        {u"À", u"A\\"}, {u"ç", u"c/"},  {u"é", u"e/"},  {u"É", u"E/"},  {u"è", u"e\\"},
        {u"È", u"E\\"}, {u"ë", u"e:"},  {u"Ë", u"E:"},  {u"ö", u"o:"},  {u"Ö", u"O:"},
        {u"ü", u"u:"},  {u"Ü", u"U:"},  {u"ß", u"s:"},
    };
    cAccentList list;
    for (const Row& row : kTable) {
        list.Append(std::make_unique<cAccent>(row.combination, row.accented));
    }
    return list;
}
