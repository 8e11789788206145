// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>

// One two-key combination and the accented text that replaces it. Never changed after
// construction.
class cAccent {
public:
    cAccent(std::u16string combination, std::u16string accented);
    virtual ~cAccent();

    const std::u16string& GetCombination() const { return m_combination; }
    const std::u16string& GetAccented() const { return m_accented; }

private:
    std::u16string m_accented;
    std::u16string m_combination;
};
