// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <map>
#include <utility>
#include <variant>

#include "platform/profile.h"

// A profile that lives in memory for one run: used by tests, and as the fallback when
// the settings file cannot be used.
class cMemoryProfile : public cProfile {
public:
    uint32_t GetProfileInt(std::u16string_view section, std::u16string_view entry,
                           uint32_t defaultValue) const override;
    bool WriteProfileInt(std::u16string_view section, std::u16string_view entry,
                         uint32_t value) override;
    std::u16string GetProfileString(std::u16string_view section, std::u16string_view entry,
                                    std::u16string_view defaultValue) const override;
    bool WriteProfileString(std::u16string_view section, std::u16string_view entry,
                            std::u16string_view value) override;

    // Number of values stored, in all sections.
    int GetValueCount() const { return static_cast<int>(m_values.size()); }

private:
    using Name = std::pair<std::u16string, std::u16string>;  // section, entry
    using Value = std::variant<uint32_t, std::u16string>;

    const Value* Find(std::u16string_view section, std::u16string_view entry) const;

    std::map<Name, Value> m_values;
};
