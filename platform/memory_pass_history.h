// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include "platform/pass_history.h"

// A pass history that lives in memory for one run: used by tests. Passes are stamped
// with a count of milliseconds that grows by one per pass, so their order is certain.
class cMemoryPassHistory : public cPassHistory {
public:
    void RecordPass(const sPassRecord& pass) override;
    std::vector<sPassRecord> ReadPasses(const std::u16string& key) override;
    std::vector<sHardCard> ReadHardestCards(const std::u16string& key, int limit) override;
    void RecordGradedAnswers(const std::vector<sGradedAnswer>& answers) override;
    bool ReadCardMemories(std::vector<sCardMemory>& memories) override;

    // Every pass recorded, oldest first, with its missed cards.
    const std::vector<sPassRecord>& GetPasses() const { return m_passes; }

    // Every answer graded, oldest first, whether its pass finished or not.
    const std::vector<sGradedAnswer>& GetGradedAnswers() const { return m_graded; }

private:
    std::vector<sPassRecord> m_passes;
    std::vector<sGradedAnswer> m_graded;
};
