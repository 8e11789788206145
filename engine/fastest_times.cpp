// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/fastest_times.h"

#include <optional>
#include <string_view>

#include "platform/profile.h"

namespace {

constexpr std::u16string_view kFastestTimesSection = u"FastestTimes";

}  // namespace

uint32_t cFastestTimes::Read(const std::u16string& key) const {
    // Cards that came from no file have no record: an empty name would address the
    // section itself rather than a record of its own.
    if (key.empty()) {
        return 0;
    }
    return m_profile.GetProfileInt(kFastestTimesSection, key, 0);
}

void cFastestTimes::Record(const std::u16string& key, uint32_t passMs) {
    if (passMs == 0 || key.empty()) {
        return;
    }
    // One step for the store: another instance finishing the same files at the same
    // moment cannot slip its slower time in between the comparison and the write.
    m_profile.UpdateProfileInt(kFastestTimesSection, key,
                               [passMs](uint32_t stored) -> std::optional<uint32_t> {
                                   if (stored == 0 || passMs < stored) {
                                       return passMs;
                                   }
                                   return std::nullopt;
                               });
}
