// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <string>

// One cue card: the text shown and the one answer the learner must type.
class cCueLine {
public:
    cCueLine() = default;
    cCueLine(std::u16string cue, std::u16string answer);

    const std::u16string& GetCue() const { return m_cue; }
    const std::u16string& GetAnswer() const { return m_answer; }

private:
    std::u16string m_cue;
    std::u16string m_answer;
};

// The id of a card in the working set; 0 means no card. Ids are handed out from 100 on
// and never reused within a run.
class cCueLineKey {
public:
    cCueLineKey() = default;
    explicit cCueLineKey(uint32_t id) : m_id(id) {}

    uint32_t GetId() const { return m_id; }
    bool IsNull() const { return m_id == 0; }
    // The card map hashes on the id itself.
    explicit operator uint32_t() const { return m_id; }

    friend bool operator==(cCueLineKey, cCueLineKey) = default;

private:
    uint32_t m_id = 0;
};
