#include "i18n/language_table.h"

#include <cstddef>

namespace {
constexpr uint16_t kEnglishUs = 1033;
constexpr uint16_t kJapanese = 1041;
}  // namespace

cLanguageTable::cLanguageTable() : m_offered{kEnglishUs, kJapanese} {}

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
