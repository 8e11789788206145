// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "i18n/language_table.h"

#include <cstddef>

#include "locale/thread_locale.h"

cLanguageTable::cLanguageTable() : m_offered{kLocaleEnglishUs, kLocaleJapanese} {}

cLanguageTable::~cLanguageTable() = default;

uint16_t cLanguageTable::GetLanguage(int index) const {
    if (index < 0 || index >= GetLanguageCount()) {
        return 0;
    }
    return m_offered[static_cast<size_t>(index)];
}

uint16_t cLanguageTable::GetMenuLanguage(uint32_t commandId) const {
    const auto found = m_menuLanguages.find(commandId);
    return found == m_menuLanguages.end() ? 0 : found->second;
}

void cLanguageTable::SetMenuLanguage(uint32_t commandId, uint16_t language) {
    m_menuLanguages[commandId] = language;
}
