// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <map>
#include <vector>

// The user-interface languages the Language menu offers (English 1033, then Japanese
// 1041), and which language each menu entry stands for once the menu is built.
class cLanguageTable {
public:
    cLanguageTable();
    virtual ~cLanguageTable();

    int GetLanguageCount() const { return static_cast<int>(m_offered.size()); }
    // The offered language at index; 0 when the index is out of range.
    uint16_t GetLanguage(int index) const;
    // The language of a menu command; 0 when the command stands for none.
    uint16_t GetMenuLanguage(uint32_t commandId) const;
    void SetMenuLanguage(uint32_t commandId, uint16_t language);

private:
    std::vector<uint16_t> m_offered;
    std::map<uint32_t, uint16_t> m_menuLanguages;
};
