// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/profile.h"

cProfile::~cProfile() = default;

bool cProfile::UpdateProfileInt(std::u16string_view section, std::u16string_view entry,
                                const IntUpdate& update) {
    const std::optional<uint32_t> next = update(GetProfileInt(section, entry, 0));
    return !next || WriteProfileInt(section, entry, *next);
}

void cProfile::SetStoreFailureNotice(std::function<void()>) {}
