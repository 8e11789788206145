// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The per-user settings store: values addressed by section and entry name. An empty
// section is the application's own key.
class cProfile {
public:
    virtual ~cProfile();
    virtual uint32_t GetProfileInt(std::u16string_view section, std::u16string_view entry,
                                   uint32_t defaultValue) const = 0;
    virtual bool WriteProfileInt(std::u16string_view section, std::u16string_view entry,
                                 uint32_t value) = 0;
    virtual std::u16string GetProfileString(std::u16string_view section, std::u16string_view entry,
                                            std::u16string_view defaultValue) const = 0;
    virtual bool WriteProfileString(std::u16string_view section, std::u16string_view entry,
                                    std::u16string_view value) = 0;

    // Reads an integer (0 when absent), asks update for the new value, and writes it
    // unless update answers nothing. A store shared by several running programs does
    // this as one step, so no other program writes in between. True unless a write failed.
    using IntUpdate = std::function<std::optional<uint32_t>(uint32_t stored)>;
    virtual bool UpdateProfileInt(std::u16string_view section, std::u16string_view entry,
                                  const IntUpdate& update);

    // notice is called once, the first time a value cannot be stored and lives in memory
    // for the rest of the run only (at once if that has happened already). A store that
    // never fails ignores it.
    virtual void SetStoreFailureNotice(std::function<void()> notice);
};
