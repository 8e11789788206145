// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <string>

class cProfile;

// The fastest pass time of each combination of files, kept in the user's settings under a
// key made from the files' names.
class cFastestTimes {
public:
    explicit cFastestTimes(cProfile& profile) : m_profile(profile) {}
    virtual ~cFastestTimes() = default;

    // The stored time for key in ms; 0 when there is none (or no key: cards from no file).
    uint32_t Read(const std::u16string& key) const;
    // Stores passMs for key when it beats the stored time; 0 ms and an empty key store nothing.
    void Record(const std::u16string& key, uint32_t passMs);

private:
    cProfile& m_profile;
};
