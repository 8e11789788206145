// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/memory_profile.h"

const cMemoryProfile::Value* cMemoryProfile::Find(std::u16string_view section,
                                                  std::u16string_view entry) const {
    const auto found = m_values.find(Name{section, entry});
    return found == m_values.end() ? nullptr : &found->second;
}

uint32_t cMemoryProfile::GetProfileInt(std::u16string_view section, std::u16string_view entry,
                                       uint32_t defaultValue) const {
    const Value* value = Find(section, entry);
    if (value == nullptr || !std::holds_alternative<uint32_t>(*value)) {
        return defaultValue;
    }
    return std::get<uint32_t>(*value);
}

bool cMemoryProfile::WriteProfileInt(std::u16string_view section, std::u16string_view entry,
                                     uint32_t value) {
    m_values[Name{section, entry}] = value;
    return true;
}

std::u16string cMemoryProfile::GetProfileString(std::u16string_view section,
                                                std::u16string_view entry,
                                                std::u16string_view defaultValue) const {
    const Value* value = Find(section, entry);
    if (value == nullptr || !std::holds_alternative<std::u16string>(*value)) {
        return std::u16string(defaultValue);
    }
    return std::get<std::u16string>(*value);
}

bool cMemoryProfile::WriteProfileString(std::u16string_view section, std::u16string_view entry,
                                        std::u16string_view value) {
    m_values[Name{section, entry}] = std::u16string(value);
    return true;
}
